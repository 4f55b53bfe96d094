#include "bmp_writer.h"

#include <stdexcept>

#include "byte_writer.h"

namespace assets {

std::vector<std::uint8_t> encode_bmp(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
        throw std::invalid_argument("encode_bmp: picture size does not match its pixels");
    }
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint32_t data_size = row_bytes * static_cast<std::uint32_t>(picture.height);
    const std::uint32_t file_size = 54 + data_size;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(file_size);
    out.u16(0);
    out.u16(0);
    out.u32(54);  // pixel data follows the two headers directly
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(picture.width));
    out.u32(static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);
    out.u32(data_size);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.at(x, y);
            out.u8(p.blue);
            out.u8(p.green);
            out.u8(p.red);
        }
        // Rows are filled to 4 bytes counted from the row's start, not the file's.
        for (std::uint32_t pad = static_cast<std::uint32_t>(picture.width) * 3; pad < row_bytes; ++pad) out.u8(0);
    }
    return out.take();
}

}  // namespace assets
