#include "byte_cursor.h"

#include <algorithm>

namespace rt {

ByteCursor::ByteCursor(std::span<const std::uint8_t> data, std::string data_name)
    : data_(data), data_name_(std::move(data_name)) {}

void ByteCursor::fail(std::string check, std::size_t offset, const std::string& detail) const {
    throw DataError(data_name_, std::move(check), offset, detail);
}

void ByteCursor::need(std::size_t count, std::string_view field) const {
    if (count > remaining()) {
        fail("truncated", offset_,
             std::string(field) + " needs " + std::to_string(count) + " bytes, " + std::to_string(remaining()) +
                 " left");
    }
}

std::uint8_t ByteCursor::u8(std::string_view field) {
    need(1, field);
    return data_[offset_++];
}

std::uint16_t ByteCursor::u16(std::string_view field) {
    need(2, field);
    const auto value = static_cast<std::uint16_t>(data_[offset_] | data_[offset_ + 1] << 8);
    offset_ += 2;
    return value;
}

std::uint32_t ByteCursor::u32(std::string_view field) {
    need(4, field);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(data_[offset_ + i]) << (8 * i);
    offset_ += 4;
    return value;
}

std::span<const std::uint8_t> ByteCursor::bytes(std::size_t count, std::string_view field) {
    need(count, field);
    const auto result = data_.subspan(offset_, count);
    offset_ += count;
    return result;
}

void ByteCursor::seek(std::size_t offset, std::string_view field) {
    if (offset > data_.size()) {
        fail("offset", offset_,
             std::string(field) + " leads to byte " + std::to_string(offset) + ", beyond the " +
                 std::to_string(data_.size()) + " bytes");
    }
    offset_ = offset;
}

std::string ByteCursor::c_text(std::string_view field) {
    const auto rest = data_.subspan(offset_);
    const auto nul = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (nul == rest.end()) fail("text end", offset_, std::string(field) + " has no closing NUL");
    std::string text(rest.begin(), nul);
    offset_ += text.size() + 1;
    return text;
}

}  // namespace rt
