#include "bmp_file.h"

#include <fstream>
#include <iterator>

namespace picture_tests {

BmpFile::BmpFile(const std::string& path) : path_(path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (bytes_.size() < 54 || bytes_[0] != 'B' || bytes_[1] != 'M') {
        throw std::runtime_error(path + ": not a BMP file");
    }
    if (u16(28) != 24 || i32(18) <= 0 || i32(22) <= 0) {
        throw std::runtime_error(path + ": not a 24-bit bottom-up picture");
    }
    width_ = i32(18);
    height_ = i32(22);
    const std::uint64_t row_bytes = (static_cast<std::uint64_t>(width_) * 3 + 3) / 4 * 4;
    if (u32(10) + row_bytes * static_cast<std::uint64_t>(height_) > bytes_.size()) {
        throw std::runtime_error(path + ": pixel data runs past the end of the file");
    }
}

std::uint32_t BmpFile::u16(std::size_t offset) const {
    if (offset + 2 > bytes_.size()) throw std::out_of_range(path_ + ": read past the end");
    return static_cast<std::uint32_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t BmpFile::u32(std::size_t offset) const {
    return u16(offset) | u16(offset + 2) << 16;
}

Pixel BmpFile::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range(path_ + ": pixel " + std::to_string(x) + "," + std::to_string(y) + " outside the picture");
    }
    const std::size_t row_bytes = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
    const std::size_t offset = u32(10) + row_bytes * static_cast<std::size_t>(height_ - 1 - y) + 3 * static_cast<std::size_t>(x);
    return Pixel{bytes_[offset], bytes_[offset + 1], bytes_[offset + 2]};
}

}  // namespace picture_tests
