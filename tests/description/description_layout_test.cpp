// The generated window description: its layout, sizes and what the reader
// makes of it.
#include <gtest/gtest.h>

#include "description_dump.h"
#include "test_files.h"
#include "window_description.h"

namespace {

class RealDescription : public ::testing::Test {
protected:
    static void SetUpTestSuite() { bytes_ = new std::vector<std::uint8_t>(read_file(generated("description.bin"))); }
    static void TearDownTestSuite() { delete bytes_; }
    static const std::vector<std::uint8_t>& bytes() { return *bytes_; }
    static rt::WindowDescription parsed() { return rt::read_window_description(bytes()); }

private:
    static inline std::vector<std::uint8_t>* bytes_ = nullptr;
};

std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | b.at(at + 3) << 24);
}

TEST_F(RealDescription, RecordsPropertiesAndSizesAddUp) {
    // Offsets worked out from the layout: head 93, window record 921,731,
    // marker, button record 923,631, marker, end byte.
    EXPECT_EQ(dump_description(parsed()),
              "count 1845369\n"
              "record 0 \"Tovrane\" type 0x0D at 93 size 921731\n"
              "  0x01 at 109 (9 bytes) text \"Form1\"\n"
              "  0x19 at 118 (5 bytes) long 0x00420001\n"
              "  0x21 at 123 (921667 bytes) picture N=921654\n"
              "  0x23 at 921790 (5 bytes) long 0xFFFFFFFF\n"
              "  0x24 at 921795 (9 bytes) text \"Form1\"\n"
              "  0x35 at 921804 (17 bytes) longs4 60 450 9585 7185\n"
              "  0x46 at 921821 (2 bytes) byte 3\n"
              "record 1 \"Command1\" type 0x04 at 921825 size 923631\n"
              "  0x03 at 921842 (5 bytes) long 0x000000FF\n"
              "  0x04 at 921847 (9 bytes) shorts4 3600 3120 2415 1095\n"
              "  0x11 at 921856 (3 bytes) short 0\n"
              "  0x1F at 921859 (2 bytes) byte 0\n"
              "  0x22 at 921861 (923587 bytes) picture N=923574\n"
              "  0x27 at 1845448 (5 bytes) long 0x000000FF\n"
              "  0x29 at 1845453 (2 bytes) byte 1\n");
    EXPECT_EQ(bytes().size(), 1845458u);
    EXPECT_EQ(bytes().at(921824), 0x01);   // list marker after the window's 0xFF
    EXPECT_EQ(bytes().at(1845456), 0x02);  // list marker after the button's 0xFF
    EXPECT_EQ(bytes().at(1845457), 0x04);  // end byte, the last byte
}

TEST_F(RealDescription, HeadHoldsSignatureIdentifiersZerosAndCount) {
    const auto& b = bytes();
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 5), (std::vector<std::uint8_t>{0xFF, 0xCC, 0x31, 0x00, 0x01}));
    const auto d = parsed();
    EXPECT_EQ(hex_identifier(d.window_id), "FFC805822F2FA74D9B03B82E21B35A08");
    EXPECT_EQ(hex_identifier(d.object_id), "3961C4DAD1D20D4FAD3090856EE1B109");
    EXPECT_EQ(hex_identifier(d.class_id), "8A069CF18589C7409F1294438B58B42D");
    for (std::size_t i = 53; i < 89; ++i) EXPECT_EQ(b[i], 0) << "head byte " << i;
    EXPECT_EQ(u32_at(b, 89), 1845369u);
}

TEST_F(RealDescription, OpenCodesAreTakenAtTheirWidth) {
    const auto& b = bytes();
    // Title: code 01, count 05 00, "Form1", zero: 9 bytes.
    EXPECT_EQ(std::string(b.begin() + 109, b.begin() + 118), std::string("\x01\x05\x00" "Form1\x00", 9));
    // The five bytes after the title are taken whole; the picture code follows.
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 118, b.begin() + 123),
              (std::vector<std::uint8_t>{0x19, 0x01, 0x00, 0x42, 0x00}));
    EXPECT_EQ(b.at(123), 0x21);
    // 0x23 is four bytes and no stream: the link topic's code follows at once.
    EXPECT_EQ(b.at(921790), 0x23);
    EXPECT_EQ(u32_at(b, 921791), 0xFFFFFFFFu);
    EXPECT_EQ(b.at(921795), 0x24);
}

TEST_F(RealDescription, PictureStreamsCarryTheBmpFilesWhole) {
    const auto d = parsed();
    const auto& b = bytes();
    struct Stream {
        const rt::DescriptionProperty* property;
        const char* file;
        std::uint32_t n;
    };
    for (const Stream& s : {Stream{d.window.find(0x21), "spiral.bmp", 921654}, Stream{d.button.find(0x22), "button.bmp", 923574}}) {
        SCOPED_TRACE(s.file);
        ASSERT_NE(s.property, nullptr);
        const std::size_t at = s.property->offset;
        const std::uint32_t l = u32_at(b, at + 1);
        EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + static_cast<long>(at) + 5, b.begin() + static_cast<long>(at) + 9),
                  (std::vector<std::uint8_t>{0x6C, 0x74, 0x00, 0x00}));
        const std::uint32_t n = u32_at(b, at + 9);
        EXPECT_EQ(n, s.n);
        EXPECT_EQ(l, n + 8);
        EXPECT_EQ(u32_at(b, at + 13 + 2), n);  // the BMP's own size field
        const auto file = read_file(generated(s.file));
        EXPECT_TRUE(std::equal(file.begin(), file.end(), s.property->bmp.begin(), s.property->bmp.end()));
    }
}

TEST_F(RealDescription, SettingsComeOutInPixels) {
    const rt::WindowSettings w = rt::window_settings_from(parsed());
    EXPECT_EQ(w.name, "Tovrane");
    EXPECT_EQ(w.title, "Form1");
    EXPECT_EQ(w.client_width, 639);
    EXPECT_EQ(w.client_height, 479);
    EXPECT_EQ(w.startup_placement, 3);
    EXPECT_EQ(w.background.size(), 921654u);
    const rt::ButtonSettings& button = w.button;
    EXPECT_EQ(button.name, "Command1");
    EXPECT_EQ(button.left, 240);
    EXPECT_EQ(button.top, 208);
    EXPECT_EQ(button.width, 161);
    EXPECT_EQ(button.height, 73);
    // 0x00BBGGRR: 0x000000FF is pure red, not blue.
    EXPECT_EQ(button.back_colour & 0xFF, 0xFFu);
    EXPECT_EQ(button.back_colour >> 8, 0u);
    EXPECT_EQ(button.tab_index, 0);
    EXPECT_TRUE(button.graphical);
    EXPECT_EQ(button.picture.size(), 923574u);
}

TEST(StoredTexts, ConvertFromEightBitToUtf8) {
    EXPECT_EQ(rt::latin1_to_utf8("Form1"), "Form1");
    EXPECT_EQ(rt::latin1_to_utf8("caf\xE9"), "caf\xC3\xA9");
}

}  // namespace
