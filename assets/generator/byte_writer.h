// A growing little-endian byte buffer for the resource writers. Lengths that
// are only known after a block's children are written go in as placeholders
// and are patched afterwards; padding is always written explicitly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace assets {

class ByteWriter {
public:
    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void bytes(const std::vector<std::uint8_t>& data);

    // ASCII text as UTF-16 little-endian with its closing NUL. Only 7-bit
    // characters are accepted: every key and value we write is plain ASCII.
    void utf16z(std::string_view text);

    // Zero bytes up to the next multiple of `alignment`.
    void pad_to(std::size_t alignment);

    // Writes a zero of the given width and returns where it sits.
    std::size_t placeholder_u16();
    std::size_t placeholder_u32();
    // Overwrites an earlier placeholder; the value must fit.
    void patch_u16(std::size_t offset, std::size_t value);
    void patch_u32(std::size_t offset, std::size_t value);

    std::size_t size() const { return buffer_.size(); }
    const std::vector<std::uint8_t>& data() const { return buffer_; }
    std::vector<std::uint8_t> take() { return std::move(buffer_); }

private:
    std::vector<std::uint8_t> buffer_;
};

}  // namespace assets
