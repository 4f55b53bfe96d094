#include "bmp_writer.h"

#include <stdexcept>

namespace assets {
namespace {

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encode_bmp(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
        throw std::invalid_argument("encode_bmp: picture size does not match its pixels");
    }
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint32_t data_size = row_bytes * static_cast<std::uint32_t>(picture.height);
    const std::uint32_t file_size = 54 + data_size;

    std::vector<std::uint8_t> out;
    out.reserve(file_size);
    out.push_back('B');
    out.push_back('M');
    put_u32(out, file_size);
    put_u16(out, 0);
    put_u16(out, 0);
    put_u32(out, 54);  // pixel data follows the two headers directly
    put_u32(out, 40);
    put_u32(out, static_cast<std::uint32_t>(picture.width));
    put_u32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
    put_u16(out, 1);
    put_u16(out, 24);
    put_u32(out, 0);
    put_u32(out, data_size);
    put_u32(out, 0);
    put_u32(out, 0);
    put_u32(out, 0);
    put_u32(out, 0);

    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.at(x, y);
            out.push_back(p.blue);
            out.push_back(p.green);
            out.push_back(p.red);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(picture.width) * 3; pad < row_bytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

}  // namespace assets
