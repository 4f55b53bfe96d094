#include "icon_image.h"

#include "byte_writer.h"

namespace assets {

const std::vector<IconColour>& icon_palette(IconDepth depth) {
    static const std::vector<IconColour> two{{0, 0, 0}, {255, 255, 255}};
    static const std::vector<IconColour> sixteen{
        {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
        {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
        {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return depth == IconDepth::two_colours ? two : sixteen;
}

int bits_per_pixel(IconDepth depth) { return depth == IconDepth::two_colours ? 1 : 4; }

std::uint32_t colour_row_bytes(int width, IconDepth depth) {
    const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits_per_pixel(depth));
    return (bits + 31) / 32 * 4;
}

std::uint32_t mask_row_bytes(int width) { return (static_cast<std::uint32_t>(width) + 31) / 32 * 4; }

namespace {

// One stored row: pixels left to right, the leftmost in the highest bits.
std::vector<std::uint8_t> pack_row(const std::vector<std::uint8_t>& values, int bits, std::uint32_t row_bytes) {
    std::vector<std::uint8_t> row(row_bytes, 0);
    const int per_byte = 8 / bits;
    for (std::size_t x = 0; x < values.size(); ++x) {
        const int shift = 8 - bits * (static_cast<int>(x % static_cast<std::size_t>(per_byte)) + 1);
        row[x / static_cast<std::size_t>(per_byte)] |= static_cast<std::uint8_t>(values[x] << shift);
    }
    return row;
}

}  // namespace

std::vector<std::uint8_t> encode_icon_image(const IconMap& map) {
    if (map.width <= 0 || map.height <= 0 || map.width > 256 || map.height > 256 ||
        map.rows.size() != static_cast<std::size_t>(map.height)) {
        throw MapError("icon map has an impossible size");
    }
    const IconDepth depth = map.depth;
    const int bits = bits_per_pixel(depth);
    const std::uint32_t colour_row = colour_row_bytes(map.width, depth);
    const std::uint32_t mask_row = mask_row_bytes(map.width);
    const auto rows = static_cast<std::uint32_t>(map.height);
    const auto& palette = icon_palette(depth);

    ByteWriter out;
    out.u32(40);                                        // information header size
    out.u32(static_cast<std::uint32_t>(map.width));
    out.u32(rows * 2);                                  // colour image and mask stacked
    out.u16(1);                                         // planes
    out.u16(static_cast<std::uint16_t>(bits));
    out.u32(0);                                         // no compression
    out.u32((colour_row + mask_row) * rows);            // colour image plus mask
    out.u32(0);                                         // horizontal resolution
    out.u32(0);                                         // vertical resolution
    out.u32(0);                                         // colours used: all of the table
    out.u32(0);                                         // important colours
    for (const IconColour& colour : palette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
    for (int y = map.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> values;
        for (int x = 0; x < map.width; ++x) values.push_back(colour_index(map.at(x, y), depth));
        out.bytes(pack_row(values, bits, colour_row));
    }
    for (int y = map.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> values;
        for (int x = 0; x < map.width; ++x) values.push_back(is_transparent(map.at(x, y)) ? 1 : 0);
        out.bytes(pack_row(values, 1, mask_row));
    }
    return out.take();
}

}  // namespace assets
