// The PNG writer's checksums and its stored deflate blocks. The generated
// icons themselves are checked by ImageMagick in desktop_install.sh.
#include <gtest/gtest.h>

#include <string_view>

#include "png_writer.h"
#include "test_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::uint32_t u32_be(const Bytes& bytes, std::size_t at) {
    return (std::uint32_t{bytes.at(at)} << 24) | (std::uint32_t{bytes.at(at + 1)} << 16) |
           (std::uint32_t{bytes.at(at + 2)} << 8) | bytes.at(at + 3);
}

TEST(PngChecksums, KnownValues) {
    EXPECT_EQ(assets::crc32(ascii("123456789")), 0xCBF43926u);
    EXPECT_EQ(assets::crc32(ascii("")), 0u);
    EXPECT_EQ(assets::adler32(ascii("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(assets::adler32(ascii("")), 1u);
    // Large enough for the sums to wrap their modulus many times.
    EXPECT_EQ(assets::adler32(Bytes(100000, 0xFF)), 0x149A302Cu);
}

// A picture whose rows need more than one stored block (65535 bytes each).
TEST(PngWriter, SplitsLargePicturesIntoStoredBlocks) {
    const int width = 200;
    const int height = 100;
    const Bytes png = assets::encode_png(width, height, std::vector<assets::Rgba>(width * height, {1, 2, 3, 4}));
    // Signature, then IHDR (13 bytes of data), then IDAT.
    ASSERT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    EXPECT_EQ(u32_be(png, 8), 13u);
    const std::size_t idat = 8 + 12 + 13;
    EXPECT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
    const std::size_t raw_size = static_cast<std::size_t>(height) * (1 + 4 * width);
    const std::size_t first_block = idat + 8 + 2;
    EXPECT_EQ(png[first_block], 0);  // not the last block
    EXPECT_EQ(png[first_block + 1] | (png[first_block + 2] << 8), 0xFFFF);
    EXPECT_EQ(png[first_block + 3] | (png[first_block + 4] << 8), 0x0000);
    const std::size_t second_block = first_block + 5 + 0xFFFF;
    EXPECT_EQ(png[second_block], 1);  // the last block
    const std::size_t rest = raw_size - 0xFFFF;
    EXPECT_EQ(static_cast<std::size_t>(png[second_block + 1] | (png[second_block + 2] << 8)), rest);
    EXPECT_EQ(u32_be(png, idat), 2 + 5 + 0xFFFF + 5 + rest + 4);
    // IEND closes the file.
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}

TEST(PngWriter, RefusesPixelsThatDoNotFitTheSize) {
    EXPECT_THROW(assets::encode_png(2, 2, std::vector<assets::Rgba>(3)), std::invalid_argument);
    EXPECT_THROW(assets::encode_png(0, 0, {}), std::invalid_argument);
}

}  // namespace
