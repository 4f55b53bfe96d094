// The generated icon images, decoded back with their own headers and read
// bottom-up, against the maps and the known stored bytes.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "dib_decoder.h"
#include "icon_image.h"
#include "icon_map.h"
#include "test_files.h"

namespace {

using resource_tests::colour_row;
using resource_tests::decode_icon;
using resource_tests::DecodedIcon;
using resource_tests::mask_row;
using Bytes = std::vector<std::uint8_t>;

struct ImageCase {
    int id;
    int size;
    int bits;
    std::uint32_t image_bytes;
    std::size_t total_bytes;
};

const ImageCase kImages[] = {
    {30001, 32, 1, 256, 304},
    {30002, 32, 4, 640, 744},
    {30003, 16, 4, 192, 296},
};

Bytes image_bytes(int id) { return resource_tests::read_bytes(resource_tests::generated("icon-" + std::to_string(id) + ".bin")); }

assets::IconMap map_of(int id) {
    const int size = id == 30003 ? 16 : 32;
    return assets::read_icon_map_file(resource_tests::icon_map_path(id), size, size,
                                      id == 30001 ? assets::IconDepth::two_colours : assets::IconDepth::sixteen_colours);
}

TEST(IconImages, HeadersAndSizes) {
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.id);
        const Bytes bytes = image_bytes(c.id);
        EXPECT_EQ(bytes.size(), c.total_bytes);
        const DecodedIcon icon = decode_icon(bytes);
        EXPECT_EQ(icon.header_size, 40u);
        EXPECT_EQ(icon.width, c.size);
        EXPECT_EQ(icon.stored_rows, 2 * c.size);
        EXPECT_EQ(icon.planes, 1);
        EXPECT_EQ(icon.bits, c.bits);
        EXPECT_EQ(icon.compression, 0u);
        EXPECT_EQ(icon.image_bytes, c.image_bytes);
        EXPECT_EQ(icon.x_resolution, 0);
        EXPECT_EQ(icon.y_resolution, 0);
        EXPECT_EQ(icon.colours_used, 0u);
        EXPECT_EQ(icon.important_colours, 0u);
        EXPECT_EQ(icon.image_bytes, bytes.size() - icon.colour_at);
    }
}

TEST(IconImages, Palettes) {
    using Entry = std::array<std::uint8_t, 4>;  // blue, green, red, 0
    EXPECT_EQ(decode_icon(image_bytes(30001)).palette, (std::vector<Entry>{{0, 0, 0, 0}, {255, 255, 255, 0}}));
    const std::vector<Entry> sixteen{
        {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
        {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {128, 128, 128, 0},
        {192, 192, 192, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
        {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0}};
    EXPECT_EQ(decode_icon(image_bytes(30002)).palette, sixteen);
    EXPECT_EQ(decode_icon(image_bytes(30003)).palette, sixteen);
}

// Every pixel, colour and mask, read back bottom-up, against its map letter.
TEST(IconImages, DecodeBackToTheirMaps) {
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.id);
        const DecodedIcon icon = decode_icon(image_bytes(c.id));
        const assets::IconMap map = map_of(c.id);
        const bool two = c.id == 30001;
        int mismatches = 0;
        for (int y = 0; y < c.size; ++y) {
            for (int x = 0; x < c.size; ++x) {
                char letter = '?';
                if (icon.transparent(x, y)) {
                    // The colour under a transparent pixel: white in two colours, black in sixteen.
                    letter = icon.colour_of(x, y) == (two ? 1 : 0) ? '.' : '!';
                } else {
                    switch (icon.colour_of(x, y)) {
                    case 0: letter = 'K'; break;
                    case 1: letter = two ? 'W' : '?'; break;
                    case 15: letter = 'W'; break;
                    case 14: letter = 'A'; break;
                    case 8: letter = 'L'; break;
                    case 7: letter = 'G'; break;
                    default: break;
                    }
                }
                if (letter != map.at(x, y) && ++mismatches <= 5) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") decodes as " << letter << ", map has "
                                  << map.at(x, y);
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(IconImages, BottomRowIsStoredFirst) {
    for (const ImageCase& c : kImages) {
        SCOPED_TRACE(c.id);
        const Bytes bytes = image_bytes(c.id);
        const DecodedIcon icon = decode_icon(bytes);
        // First stored row of the mask: all transparent, fill bits zero.
        Bytes first_mask(bytes.begin() + static_cast<std::ptrdiff_t>(icon.mask_at),
                         bytes.begin() + static_cast<std::ptrdiff_t>(icon.mask_at + icon.mask_row_bytes));
        Bytes expected(icon.mask_row_bytes, 0);
        for (int x = 0; x < c.size; ++x) expected[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        EXPECT_EQ(first_mask, expected);
    }
    // The lone black pixel (5, 6) of the two-colour image is in stored row 25, not 6.
    const Bytes bytes = image_bytes(30001);
    const DecodedIcon icon = decode_icon(bytes);
    const auto stored = [&](std::size_t at, std::size_t row) {
        const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(at + row * 4);
        return Bytes(begin, begin + 4);
    };
    EXPECT_EQ(stored(icon.colour_at, 25), (Bytes{0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(stored(icon.mask_at, 25), (Bytes{0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_NE(stored(icon.mask_at, 6), (Bytes{0xFB, 0xFF, 0xFF, 0xFF}));
}

TEST(IconImages, KnownStoredBytes) {
    const Bytes two = image_bytes(30001);
    const DecodedIcon two_icon = decode_icon(two);
    EXPECT_EQ(colour_row(two, two_icon, 7), (Bytes{0xF8, 0x3F, 0xFF, 0xFF}));
    EXPECT_EQ(mask_row(two, two_icon, 7), (Bytes{0xF8, 0x3F, 0xFF, 0xFF}));

    const Bytes large = image_bytes(30002);
    const DecodedIcon large_icon = decode_icon(large);
    EXPECT_EQ(colour_row(large, large_icon, 23).at(4), 0x08);  // columns 8 and 9

    const Bytes small = image_bytes(30003);
    const DecodedIcon small_icon = decode_icon(small);
    EXPECT_EQ(mask_row(small, small_icon, 11), (Bytes{0xC0, 0x01, 0x00, 0x00}));
    for (int y = 0; y < 16; ++y) {
        const Bytes row = mask_row(small, small_icon, y);
        EXPECT_EQ(row.size(), 4u);
        EXPECT_EQ(row[2], 0);
        EXPECT_EQ(row[3], 0);
    }
}

// Each 16 x 16 mask pixel is opaque exactly when one of its four 32 x 32
// pixels in the two-colour image is.
TEST(IconImages, SmallMaskIsTheReductionOfTheTwoColourMask) {
    const DecodedIcon two = decode_icon(image_bytes(30001));
    const DecodedIcon small = decode_icon(image_bytes(30003));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool any_opaque = !two.transparent(2 * x, 2 * y) || !two.transparent(2 * x + 1, 2 * y) ||
                                    !two.transparent(2 * x, 2 * y + 1) || !two.transparent(2 * x + 1, 2 * y + 1);
            EXPECT_EQ(!small.transparent(x, y), any_opaque) << "(" << x << ", " << y << ")";
        }
    }
}

TEST(IconImages, LargeMasksDifferOnlyAtOnePixel) {
    const DecodedIcon two = decode_icon(image_bytes(30001));
    const DecodedIcon sixteen = decode_icon(image_bytes(30002));
    std::vector<std::pair<int, int>> differ;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (two.transparent(x, y) != sixteen.transparent(x, y)) differ.emplace_back(x, y);
        }
    }
    EXPECT_EQ(differ, (std::vector<std::pair<int, int>>{{9, 24}}));
}

// A width that is not a multiple of 32 pixels needs fill bits, which must be zero.
TEST(IconImages, RowFillIsZero) {
    const assets::IconMap map =
        assets::read_icon_map("00  WWWWW\n01  W...K\n", 5, 2, assets::IconDepth::sixteen_colours, "fill");
    const Bytes bytes = assets::encode_icon_image(map);
    const DecodedIcon icon = decode_icon(bytes);
    EXPECT_EQ(icon.colour_row_bytes, 4u);
    EXPECT_EQ(colour_row(bytes, icon, 0), (Bytes{0xFF, 0xFF, 0xF0, 0x00}));
    EXPECT_EQ(colour_row(bytes, icon, 1), (Bytes{0xF0, 0x00, 0x00, 0x00}));
    EXPECT_EQ(mask_row(bytes, icon, 0), (Bytes{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(mask_row(bytes, icon, 1), (Bytes{0x70, 0x00, 0x00, 0x00}));
}

}  // namespace
