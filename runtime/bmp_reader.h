// Reads the uncompressed 24-bit BMP files that the window's pictures are
// stored as. Every read is bounds-checked; bad data raises an error naming
// the field and its offset.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace rt {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, top row first
};

Bitmap read_bmp(std::span<const std::uint8_t> file);

}  // namespace rt
