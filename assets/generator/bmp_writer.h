// Writes 24-bit uncompressed BMP files, rows bottom-up, no colour table.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture held top-down, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // width * height, row 0 first

    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The whole file: 14-byte file header, 40-byte information header, pixel rows
// bottom-up, each filled to a multiple of 4 bytes.
std::vector<std::uint8_t> encode_bmp(const Picture& picture);

}  // namespace assets
