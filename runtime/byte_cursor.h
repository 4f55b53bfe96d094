// A bounds-checked cursor over read-only little-endian data. Every read
// either yields its value or raises rt::DataError naming the field and the
// byte offset; nothing is ever read outside the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "data_error.h"

namespace rt {

class ByteCursor {
public:
    // `data_name` heads every error message, e.g. "window description".
    ByteCursor(std::span<const std::uint8_t> data, std::string data_name);

    std::size_t offset() const { return offset_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return data_.size() - offset_; }

    std::uint8_t u8(std::string_view field);
    std::uint16_t u16(std::string_view field);
    std::uint32_t u32(std::string_view field);
    std::int16_t i16(std::string_view field) { return static_cast<std::int16_t>(u16(field)); }
    std::int32_t i32(std::string_view field) { return static_cast<std::int32_t>(u32(field)); }
    // The next `count` bytes, borrowed from the underlying data.
    std::span<const std::uint8_t> bytes(std::size_t count, std::string_view field);
    void skip(std::size_t count, std::string_view field) { (void)bytes(count, field); }
    // Moves to `offset`, which may be the end but not beyond it.
    void seek(std::size_t offset, std::string_view field);
    // 8-bit characters up to a NUL; the cursor ends after the NUL.
    std::string c_text(std::string_view field);

    // Raises the error for a failed check at `offset`.
    [[noreturn]] void fail(std::string check, std::size_t offset, const std::string& detail) const;

private:
    // Throws "truncated" unless `count` bytes remain.
    void need(std::size_t count, std::string_view field) const;

    std::span<const std::uint8_t> data_;
    std::string data_name_;
    std::size_t offset_ = 0;
};

}  // namespace rt
