// Reads a 24-bit BMP file back for the picture tests: the header fields by
// offset, and the pixels by (x, y) counted from the top-left.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace picture_tests {

struct Pixel {
    int blue = 0;
    int green = 0;
    int red = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend bool operator<(const Pixel& a, const Pixel& b) {
        return std::tie(a.blue, a.green, a.red) < std::tie(b.blue, b.green, b.red);
    }
};

class BmpFile {
public:
    // Throws std::runtime_error when the file is missing, short or not a
    // 24-bit bottom-up picture whose pixel data fits the file.
    explicit BmpFile(const std::string& path);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::uint32_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

    int width() const { return width_; }
    int height() const { return height_; }
    Pixel at(int x, int y) const;  // y counted from the top row

private:
    std::string path_;
    std::vector<std::uint8_t> bytes_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace picture_tests
