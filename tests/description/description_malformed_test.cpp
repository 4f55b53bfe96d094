// Descriptions that fail a check are rejected with that check named and the
// byte offset where it failed; nothing is read outside the data.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data_error.h"
#include "small_description.h"
#include "test_files.h"
#include "window_description.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The check named by the reader's error, or "accepted".
std::string failed_check(const Bytes& bytes, std::size_t* offset = nullptr) {
    try {
        rt::read_window_description(bytes);
    } catch (const rt::DataError& e) {
        if (offset != nullptr) *offset = e.offset();
        return e.check();
    }
    return "accepted";
}

void put_u32(Bytes& b, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t get_u32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | b.at(at + 3) << 24);
}

// Makes the head's count agree with the data's length again.
void fix_count(Bytes& b) { put_u32(b, 89, static_cast<std::uint32_t>(b.size() - 89)); }

class SmallDescription : public ::testing::Test {
protected:
    void SetUp() override {
        good = small_description();
        const auto d = rt::read_window_description(good);
        window = d.window;
        button = d.button;
    }
    std::size_t code_at(const rt::DescriptionRecord& r, std::uint8_t code) const {
        const auto* p = r.find(code);
        if (p == nullptr) throw std::logic_error("code not in record");
        return p->offset;
    }
    struct Case {
        const char* what;
        std::function<void(Bytes&)> mutate;
        std::string check;
        std::size_t offset;
    };
    void expect_rejected(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            Bytes b = good;
            c.mutate(b);
            std::size_t offset = 0;
            EXPECT_EQ(failed_check(b, &offset), c.check) << c.what;
            EXPECT_EQ(offset, c.offset) << c.what;
        }
    }

    Bytes good;
    rt::DescriptionRecord window, button;
};

TEST_F(SmallDescription, IsAcceptedAsItStands) { EXPECT_EQ(failed_check(good), "accepted"); }

TEST_F(SmallDescription, HeadAndFrameFaultsAreNamed) {
    const std::size_t button_end = button.offset + button.size;
    expect_rejected({
        {"signature", [](Bytes& b) { b[2] = 0x32; }, "signature", 0},
        {"format byte", [](Bytes& b) { b[4] = 0x02; }, "format byte", 4},
        {"count one too many", [](Bytes& b) { put_u32(b, 89, get_u32(b, 89) + 1); }, "count", 89},
        {"count one too few", [](Bytes& b) { put_u32(b, 89, get_u32(b, 89) - 1); }, "count", 89},
        {"first list marker", [&](Bytes& b) { b[window.offset + window.size] = 0x02; }, "list marker", window.offset + window.size},
        {"second list marker", [&](Bytes& b) { b[button_end] = 0x01; }, "list marker", button_end},
        {"end byte", [&](Bytes& b) { b[button_end + 1] = 0x00; }, "end byte", button_end + 1},
        {"a byte after the end byte", [](Bytes& b) { b.push_back(0x04); fix_count(b); }, "end byte", good.size() - 1},
    });
}

TEST_F(SmallDescription, RecordFaultsAreNamed) {
    const std::size_t name_zero = window.offset + 4 + 1 + 2 + 7;
    expect_rejected({
        {"window record size one more", [&](Bytes& b) { put_u32(b, window.offset, window.size + 1); }, "record size", window.offset},
        {"window record size one less", [&](Bytes& b) { put_u32(b, window.offset, window.size - 1); }, "record size", window.offset},
        {"button record size huge", [&](Bytes& b) { put_u32(b, button.offset, 0xFFFFFFFF); }, "record size", button.offset},
        {"window index", [&](Bytes& b) { b[window.offset + 4] = 1; }, "record index", window.offset + 4},
        {"button index", [&](Bytes& b) { b[button.offset + 4] = 0; }, "record index", button.offset + 4},
        {"name not closed", [&](Bytes& b) { b[name_zero] = 'x'; }, "text end", name_zero},
        {"window type", [&](Bytes& b) { b[name_zero + 1] = 0x04; }, "record type", name_zero + 1},
        {"button type", [&](Bytes& b) { b[button.offset + 4 + 1 + 2 + 8 + 1] = 0x0D; }, "record type", button.offset + 16},
        // 0x1F is a button code: the window's codes are its own.
        {"button code in the window", [&](Bytes& b) { b[code_at(window, 0x19)] = 0x1F; }, "unknown code", code_at(window, 0x19)},
        {"unknown window code", [&](Bytes& b) { b[code_at(window, 0x46)] = 0x47; }, "unknown code", code_at(window, 0x46)},
        {"unknown button code", [&](Bytes& b) { b[code_at(button, 0x1F)] = 0x20; }, "unknown code", code_at(button, 0x1F)},
        // 0x23 has the width of 0x19; put in its place it breaks the rising order.
        {"codes out of order", [&](Bytes& b) { b[code_at(window, 0x19)] = 0x23; }, "code order", code_at(window, 0x21)},
        {"title not closed", [&](Bytes& b) { b[code_at(window, 0x01) + 8] = 1; }, "text end", code_at(window, 0x01) + 8},
        {"title count too long", [&](Bytes& b) { b[code_at(window, 0x01) + 1] = 200; }, "text end", code_at(window, 0x01) + 203},
    });
}

TEST_F(SmallDescription, PictureStreamFaultsAreNamed) {
    const std::size_t spiral = code_at(window, 0x21);
    const std::size_t face = code_at(button, 0x22);
    expect_rejected({
        {"tag", [&](Bytes& b) { b[spiral + 5] = 0x6D; }, "picture tag", spiral + 5},
        {"N one more than L - 8", [&](Bytes& b) { put_u32(b, spiral + 9, get_u32(b, spiral + 9) + 1); }, "picture count", spiral + 9},
        {"L one more than N + 8", [&](Bytes& b) { put_u32(b, face + 1, get_u32(b, face + 1) + 1); }, "picture count", face + 9},
        {"L under 8", [&](Bytes& b) { put_u32(b, face + 1, 7); }, "picture length", face + 1},
        {"L and N past the end", [&](Bytes& b) { put_u32(b, face + 1, 0xFFFFFFF0); put_u32(b, face + 9, 0xFFFFFFE8); }, "truncated", face + 13},
        {"BMP size field", [&](Bytes& b) { put_u32(b, spiral + 15, get_u32(b, spiral + 15) - 1); }, "bmp size", spiral + 15},
        {"not a BMP", [&](Bytes& b) { b[face + 13] = 'X'; }, "bmp file", face + 13},
    });
}

TEST_F(SmallDescription, TruncationAtEveryOffsetIsRejected) {
    for (std::size_t k = 0; k < good.size(); ++k) {
        Bytes cut(good.begin(), good.begin() + static_cast<long>(k));
        std::size_t offset = 0;
        // Inside the head a field runs out; after it the count disagrees.
        EXPECT_EQ(failed_check(cut, &offset), k < 93 ? "truncated" : "count") << "cut at " << k;
        if (k >= 93) {
            // With the count made to agree, the field that the cut falls in runs out.
            fix_count(cut);
            EXPECT_EQ(failed_check(cut, &offset), "truncated") << "cut at " << k;
            EXPECT_LE(offset, k) << "cut at " << k;
        }
    }
}

TEST(RealDescriptionTruncated, IsRejectedAtEveryOffsetUpToThePictures) {
    const Bytes real = read_file(generated("description.bin"));
    const auto d = rt::read_window_description(real);
    // The head, the window's record up to its picture's BMP, the button's
    // record from its first byte up to its picture's BMP.
    const std::size_t spiral_bmp = d.window.find(0x21)->offset + 13;
    const std::size_t face_bmp = d.button.find(0x22)->offset + 13;
    std::vector<std::size_t> cuts;
    for (std::size_t k = 0; k <= spiral_bmp; ++k) cuts.push_back(k);
    for (std::size_t k = d.button.offset - 20; k <= face_bmp; ++k) cuts.push_back(k);
    for (std::size_t k : cuts) {
        const std::span<const std::uint8_t> cut(real.data(), k);
        try {
            rt::read_window_description(cut);
            ADD_FAILURE() << "cut at " << k << " accepted";
        } catch (const rt::DataError& e) {
            EXPECT_EQ(e.check(), k < 93 ? "truncated" : "count") << "cut at " << k;
        }
    }
}

TEST(RealDescriptionMutated, PictureCountAndBmpSizeAreChecked) {
    Bytes real = read_file(generated("description.bin"));
    const std::size_t spiral = rt::read_window_description(real).window.find(0x21)->offset;
    Bytes wrong_n = real;
    put_u32(wrong_n, spiral + 9, 921653);
    EXPECT_EQ(failed_check(wrong_n), "picture count");
    Bytes wrong_bmp = real;
    put_u32(wrong_bmp, spiral + 15, 921655);
    EXPECT_EQ(failed_check(wrong_bmp), "bmp size");
}

// Each file under malformed/ is a hex dump of input the reader once had to
// reject, headed by "# expect: <check>".
TEST(MalformedFiles, AreRejectedWithTheirCheck) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TOVRANE_MALFORMED_DIR)) {
        if (entry.path().extension() != ".hex") continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line, expect;
        Bytes bytes;
        while (std::getline(in, line)) {
            if (line.rfind("# expect: ", 0) == 0) expect = line.substr(10);
            if (line.empty() || line[0] == '#') continue;
            std::istringstream words(line);
            std::string word;
            while (words >> word) bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
        }
        EXPECT_FALSE(expect.empty()) << entry.path();
        EXPECT_EQ(failed_check(bytes), expect) << entry.path();
    }
    EXPECT_GT(files, 0);
}

TEST(Settings, RejectSizesThatAreNotPositive) {
    Bytes b = small_description();
    const auto d = rt::read_window_description(b);
    const std::size_t client = d.window.find(0x35)->offset;
    put_u32(b, client + 9, 0);  // width
    try {
        rt::window_settings_from(rt::read_window_description(b));
        ADD_FAILURE() << "a zero width was accepted";
    } catch (const rt::DataError& e) {
        EXPECT_EQ(e.check(), "size");
        EXPECT_EQ(e.offset(), client);
    }
}

TEST(Errors, MessageNamesDataCheckAndOffset) {
    Bytes b = small_description();
    b[4] = 7;
    try {
        rt::read_window_description(b);
        ADD_FAILURE();
    } catch (const rt::DataError& e) {
        EXPECT_STREQ(e.what(), "window description: format byte check failed at byte 4: byte 7, expected 1");
    }
}

}  // namespace
