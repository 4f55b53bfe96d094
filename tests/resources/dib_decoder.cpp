#include "dib_decoder.h"

#include <stdexcept>
#include <string>

#include "test_files.h"

namespace resource_tests {
namespace {

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count) {
    if (at > bytes.size() || count > bytes.size() - at) throw std::runtime_error("row past the end of the image");
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + count)};
}

std::size_t stored_index(const DecodedIcon& icon, int y) {
    if (y < 0 || y >= icon.height) throw std::runtime_error("row " + std::to_string(y) + " outside the image");
    return static_cast<std::size_t>(icon.height - 1 - y);
}

}  // namespace

DecodedIcon decode_icon(const std::vector<std::uint8_t>& bytes) {
    DecodedIcon icon;
    icon.header_size = u32_at(bytes, 0);
    icon.width = static_cast<std::int32_t>(u32_at(bytes, 4));
    icon.stored_rows = static_cast<std::int32_t>(u32_at(bytes, 8));
    icon.planes = u16_at(bytes, 12);
    icon.bits = u16_at(bytes, 14);
    icon.compression = u32_at(bytes, 16);
    icon.image_bytes = u32_at(bytes, 20);
    icon.x_resolution = static_cast<std::int32_t>(u32_at(bytes, 24));
    icon.y_resolution = static_cast<std::int32_t>(u32_at(bytes, 28));
    icon.colours_used = u32_at(bytes, 32);
    icon.important_colours = u32_at(bytes, 36);
    if (icon.width <= 0 || icon.width > 256 || icon.stored_rows <= 0 || icon.stored_rows > 512 ||
        icon.stored_rows % 2 != 0 || (icon.bits != 1 && icon.bits != 4) || icon.colours_used != 0) {
        throw std::runtime_error("icon header out of range");
    }
    icon.height = icon.stored_rows / 2;
    const std::size_t entries = std::size_t{1} << icon.bits;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = icon.header_size + 4 * i;
        const auto entry = slice(bytes, at, 4);
        icon.palette.push_back({entry[0], entry[1], entry[2], entry[3]});
    }
    const auto width = static_cast<std::size_t>(icon.width);
    icon.colour_row_bytes = (width * icon.bits + 31) / 32 * 4;
    icon.mask_row_bytes = (width + 31) / 32 * 4;
    icon.colour_at = icon.header_size + 4 * entries;
    icon.mask_at = icon.colour_at + icon.colour_row_bytes * static_cast<std::size_t>(icon.height);
    if (icon.mask_at + icon.mask_row_bytes * static_cast<std::size_t>(icon.height) != bytes.size()) {
        throw std::runtime_error("image size does not match its header");
    }

    const int per_byte = 8 / icon.bits;
    const std::uint8_t value_mask = static_cast<std::uint8_t>((1 << icon.bits) - 1);
    for (int y = 0; y < icon.height; ++y) {
        const auto colours = colour_row(bytes, icon, y);
        const auto masks = mask_row(bytes, icon, y);
        for (int x = 0; x < icon.width; ++x) {
            const int colour_shift = 8 - icon.bits * (x % per_byte + 1);
            icon.colour.push_back(
                static_cast<std::uint8_t>((colours.at(static_cast<std::size_t>(x / per_byte)) >> colour_shift) & value_mask));
            icon.mask.push_back(static_cast<std::uint8_t>((masks.at(static_cast<std::size_t>(x / 8)) >> (7 - x % 8)) & 1));
        }
    }
    return icon;
}

std::vector<std::uint8_t> colour_row(const std::vector<std::uint8_t>& bytes, const DecodedIcon& icon, int y) {
    return slice(bytes, icon.colour_at + stored_index(icon, y) * icon.colour_row_bytes, icon.colour_row_bytes);
}

std::vector<std::uint8_t> mask_row(const std::vector<std::uint8_t>& bytes, const DecodedIcon& icon, int y) {
    return slice(bytes, icon.mask_at + stored_index(icon, y) * icon.mask_row_bytes, icon.mask_row_bytes);
}

}  // namespace resource_tests
