#include <gtest/gtest.h>

#include <vector>

#include "bmp_reader.h"
#include "runtime_error.h"

namespace {

void put32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 24-bit BMP of 2 x 2 pixels: top row red, green; bottom row blue, white.
std::vector<std::uint8_t> two_by_two(bool bottom_up) {
    std::vector<std::uint8_t> f(54 + 2 * 8, 0);
    f[0] = 'B';
    f[1] = 'M';
    put32(f, 2, static_cast<std::uint32_t>(f.size()));
    put32(f, 10, 54);
    put32(f, 14, 40);
    put32(f, 18, 2);
    put32(f, 22, bottom_up ? 2u : static_cast<std::uint32_t>(-2));
    f[26] = 1;
    f[28] = 24;
    const std::uint8_t top[8] = {0, 0, 255, 0, 255, 0, 0, 0};          // blue, green, red order
    const std::uint8_t bottom[8] = {255, 0, 0, 255, 255, 255, 0, 0};
    std::copy(bottom_up ? bottom : top, (bottom_up ? bottom : top) + 8, f.begin() + 54);
    std::copy(bottom_up ? top : bottom, (bottom_up ? top : bottom) + 8, f.begin() + 62);
    return f;
}

TEST(BmpReader, RowsComeOutTopFirstInEitherStoredOrder) {
    for (bool bottom_up : {true, false}) {
        const rt::Bitmap b = rt::read_bmp(two_by_two(bottom_up));
        ASSERT_EQ(b.width, 2);
        ASSERT_EQ(b.height, 2);
        const std::vector<std::uint8_t> expected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
        EXPECT_EQ(b.rgb, expected) << "bottom_up=" << bottom_up;
    }
}

void expect_rejected(const std::vector<std::uint8_t>& file, const std::string& words) {
    try {
        rt::read_bmp(file);
        ADD_FAILURE() << "accepted a bad picture";
    } catch (const rt::Error& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

// Malformed pictures: each names what is wrong and where.
TEST(BmpReader, MalformedPicturesRaiseAnErrorNamingTheField) {
    auto f = two_by_two(true);
    expect_rejected({f.begin(), f.begin() + 20}, "beyond the end");
    expect_rejected({f.begin(), f.end() - 1}, "pixel rows beyond the end at byte 54");
    auto bad_sig = f;
    bad_sig[0] = 'X';
    expect_rejected(bad_sig, "signature");
    auto eight_bit = f;
    eight_bit[28] = 8;
    expect_rejected(eight_bit, "bits per pixel");
    auto huge = f;
    put32(huge, 18, 0x7FFFFFFF);
    expect_rejected(huge, "width");
    auto far_offset = f;
    put32(far_offset, 10, 0xFFFFFFF0u);
    expect_rejected(far_offset, "pixel rows beyond the end");
    expect_rejected({}, "beyond the end");
}

}  // namespace
