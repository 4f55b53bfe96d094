// Decodes an icon image back into pixels, independently of the writer: the
// sizes come from the image's own header and rows are read bottom-up.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace resource_tests {

struct DecodedIcon {
    std::uint32_t header_size = 0;
    std::int32_t width = 0;
    std::int32_t stored_rows = 0;
    std::uint16_t planes = 0;
    std::uint16_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t image_bytes = 0;
    std::int32_t x_resolution = 0;
    std::int32_t y_resolution = 0;
    std::uint32_t colours_used = 0;
    std::uint32_t important_colours = 0;
    std::vector<std::array<std::uint8_t, 4>> palette;  // blue, green, red, reserved

    int height = 0;                       // stored_rows / 2
    std::size_t colour_row_bytes = 0;
    std::size_t mask_row_bytes = 0;
    std::size_t colour_at = 0;            // byte offset of the colour image
    std::size_t mask_at = 0;              // byte offset of the mask

    std::vector<std::uint8_t> colour;     // palette index per pixel, top row first
    std::vector<std::uint8_t> mask;       // 1 = transparent, top row first

    std::uint8_t colour_of(int x, int y) const { return colour.at(static_cast<std::size_t>(y * width + x)); }
    bool transparent(int x, int y) const { return mask.at(static_cast<std::size_t>(y * width + x)) != 0; }
};

// Throws std::runtime_error on anything that does not add up.
DecodedIcon decode_icon(const std::vector<std::uint8_t>& bytes);

// The stored bytes of image row `y` (top-down numbering).
std::vector<std::uint8_t> colour_row(const std::vector<std::uint8_t>& bytes, const DecodedIcon& icon, int y);
std::vector<std::uint8_t> mask_row(const std::vector<std::uint8_t>& bytes, const DecodedIcon& icon, int y);

}  // namespace resource_tests
