#include "byte_writer.h"

#include <stdexcept>
#include <string>

namespace assets {

void ByteWriter::u8(std::uint8_t value) { buffer_.push_back(value); }

void ByteWriter::u16(std::uint16_t value) {
    buffer_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    buffer_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
    u16(static_cast<std::uint16_t>(value & 0xFFFF));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::bytes(const std::vector<std::uint8_t>& data) {
    buffer_.insert(buffer_.end(), data.begin(), data.end());
}

void ByteWriter::utf16z(std::string_view text) {
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0 || code > 0x7F) {
            throw std::invalid_argument("text \"" + std::string(text) + "\" is not plain ASCII");
        }
        u16(code);
    }
    u16(0);
}

void ByteWriter::pad_to(std::size_t alignment) {
    while (buffer_.size() % alignment != 0) {
        buffer_.push_back(0);
    }
}

std::size_t ByteWriter::placeholder_u16() {
    const std::size_t at = buffer_.size();
    u16(0);
    return at;
}

std::size_t ByteWriter::placeholder_u32() {
    const std::size_t at = buffer_.size();
    u32(0);
    return at;
}

void ByteWriter::patch_u16(std::size_t offset, std::size_t value) {
    if (value > 0xFFFF) {
        throw std::length_error("length " + std::to_string(value) + " does not fit 16 bits");
    }
    if (offset + 2 > buffer_.size()) {
        throw std::out_of_range("patch past the end of the buffer");
    }
    buffer_[offset] = static_cast<std::uint8_t>(value & 0xFF);
    buffer_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void ByteWriter::patch_u32(std::size_t offset, std::size_t value) {
    if (value > 0xFFFFFFFFu) {
        throw std::length_error("length " + std::to_string(value) + " does not fit 32 bits");
    }
    if (offset + 4 > buffer_.size()) {
        throw std::out_of_range("patch past the end of the buffer");
    }
    for (int i = 0; i < 4; ++i) {
        buffer_[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace assets
