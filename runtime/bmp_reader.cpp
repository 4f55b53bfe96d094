#include "bmp_reader.h"

#include <string>

#include "runtime_error.h"

namespace rt {
namespace {

[[noreturn]] void bad(const std::string& field, std::size_t offset) {
    raise(ErrorNumber::bad_project, "Bad picture: " + field + " at byte " + std::to_string(offset));
}

std::uint32_t u32(std::span<const std::uint8_t> f, std::size_t at, const char* field) {
    if (f.size() < 4 || at > f.size() - 4) bad(std::string(field) + " beyond the end", at);
    return static_cast<std::uint32_t>(f[at] | (f[at + 1] << 8) | (f[at + 2] << 16)) | (static_cast<std::uint32_t>(f[at + 3]) << 24);
}

std::uint16_t u16(std::span<const std::uint8_t> f, std::size_t at, const char* field) {
    if (f.size() < 2 || at > f.size() - 2) bad(std::string(field) + " beyond the end", at);
    return static_cast<std::uint16_t>(f[at] | (f[at + 1] << 8));
}

}  // namespace

Bitmap read_bmp(std::span<const std::uint8_t> file) {
    if (u16(file, 0, "signature") != 0x4D42) bad("signature (not BM)", 0);
    const std::uint32_t data_offset = u32(file, 10, "pixel data offset");
    if (u32(file, 14, "information header size") < 40) bad("information header size", 14);
    const auto width = static_cast<std::int32_t>(u32(file, 18, "width"));
    const auto stored_height = static_cast<std::int32_t>(u32(file, 22, "height"));
    if (u16(file, 28, "bits per pixel") != 24) bad("bits per pixel (only 24 is read)", 28);
    if (u32(file, 30, "compression") != 0) bad("compression (only none is read)", 30);
    // Limits keep the sizes below far from overflow and the picture drawable.
    constexpr std::int32_t kMaxSide = 16384;
    if (width <= 0 || width > kMaxSide) bad("width", 18);
    if (stored_height == 0 || stored_height < -kMaxSide || stored_height > kMaxSide) bad("height", 22);
    const bool bottom_up = stored_height > 0;
    const int height = bottom_up ? stored_height : -stored_height;
    const std::size_t row_bytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t needed = row_bytes * static_cast<std::size_t>(height);
    if (data_offset > file.size() || file.size() - data_offset < needed) bad("pixel rows beyond the end", data_offset);

    Bitmap bitmap{width, height, {}};
    bitmap.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int y = 0; y < height; ++y) {
        const std::size_t stored_row = static_cast<std::size_t>(bottom_up ? height - 1 - y : y);
        const std::uint8_t* in = file.data() + data_offset + stored_row * row_bytes;
        std::uint8_t* out = bitmap.rgb.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3;
        for (int x = 0; x < width; ++x) {  // stored blue, green, red
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    return bitmap;
}

}  // namespace rt
