// Turns an icon map into the bytes of one icon image: a 40-byte information
// header, the colour table, the colour (XOR) bitmap and the 1-bit (AND) mask,
// both stored bottom-up with every row filled to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "icon_map.h"

namespace assets {

struct IconColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const IconColour&, const IconColour&) = default;
};

// Black and white for two colours; the standard 16-colour palette otherwise.
const std::vector<IconColour>& icon_palette(IconDepth depth);

int bits_per_pixel(IconDepth depth);

// Bytes of one stored row, filled to a multiple of 4.
std::uint32_t colour_row_bytes(int width, IconDepth depth);
std::uint32_t mask_row_bytes(int width);

std::vector<std::uint8_t> encode_icon_image(const IconMap& map);

}  // namespace assets
