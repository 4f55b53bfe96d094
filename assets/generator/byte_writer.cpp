#include "byte_writer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace assets {

std::uint32_t to_u32(std::size_t value, const char* what) {
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error(std::string(what) + " does not fit in 32 bits");
    }
    return static_cast<std::uint32_t>(value);
}

void ByteWriter::u8(std::uint8_t value) { bytes_.push_back(value); }

void ByteWriter::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::append(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ByteWriter::zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

void ByteWriter::c_text(std::string_view text) {
    for (char c : text) {
        if (c == '\0') throw std::invalid_argument("a NUL-closed text cannot hold a NUL");
        u8(static_cast<std::uint8_t>(c));
    }
    u8(0);
}

void ByteWriter::pad_to(std::size_t alignment) {
    while (bytes_.size() % alignment != 0) u8(0);
}

std::size_t ByteWriter::placeholder_u32() {
    const std::size_t at = bytes_.size();
    u32(0);
    return at;
}

void ByteWriter::patch_u32(std::size_t at, std::uint32_t value) {
    if (at > bytes_.size() || bytes_.size() - at < 4) {
        throw std::out_of_range("patch_u32 outside the written bytes");
    }
    for (int i = 0; i < 4; ++i) {
        bytes_[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void ByteWriter::patch_bytes(std::size_t at, std::span<const std::uint8_t> data) {
    if (at > bytes_.size() || bytes_.size() - at < data.size()) {
        throw std::out_of_range("patch_bytes outside the written bytes");
    }
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
}

std::uint32_t ByteWriter::offset32() const { return to_u32(bytes_.size(), "image offset"); }

}  // namespace assets
