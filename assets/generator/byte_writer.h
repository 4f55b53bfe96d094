// Builds a little-endian byte image: fields appended in order, lengths written
// as placeholders and patched once the data they count is in place, padding
// written explicitly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace assets {

class ByteWriter {
public:
    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void append(std::span<const std::uint8_t> data);
    void zeros(std::size_t count);
    // 8-bit characters and a closing NUL.
    void c_text(std::string_view text);
    // Zero bytes up to the next multiple of `alignment`.
    void pad_to(std::size_t alignment);

    // Reserves a 32-bit field and returns where it stands, for patch_u32.
    std::size_t placeholder_u32();
    void patch_u32(std::size_t at, std::uint32_t value);
    void patch_bytes(std::size_t at, std::span<const std::uint8_t> data);

    // The current size as a 32-bit offset; throws if it no longer fits.
    std::uint32_t offset32() const;

private:
    std::vector<std::uint8_t> bytes_;
};

// Narrows a size to 32 bits, throwing std::length_error if it does not fit.
std::uint32_t to_u32(std::size_t value, const char* what);

}  // namespace assets
