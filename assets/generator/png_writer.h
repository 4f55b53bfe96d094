// Writes small RGBA pictures as PNG files for the desktop's icon theme. The
// pixel data goes into uncompressed (stored) deflate blocks: the pictures are
// a few kilobytes, and this needs no compression library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "icon_map.h"

namespace assets {

struct Rgba {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;
};

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t adler32(std::span<const std::uint8_t> bytes);

// `pixels` holds width * height entries, top row first.
std::vector<std::uint8_t> encode_png(int width, int height, const std::vector<Rgba>& pixels);

// An icon map in its palette's colours, fully transparent where the mask is.
std::vector<Rgba> icon_map_pixels(const IconMap& map);

}  // namespace assets
