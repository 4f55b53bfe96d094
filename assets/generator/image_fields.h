// Field writers that the project image and the window description add to
// ByteWriter: raw bytes, zero runs and NUL-closed 8-bit texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>

#include "byte_writer.h"

namespace assets {

inline void put_bytes(ByteWriter& out, std::span<const std::uint8_t> data) {
    for (std::uint8_t b : data) out.u8(b);
}

inline void put_zeros(ByteWriter& out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out.u8(0);
}

// 8-bit characters and a closing NUL.
inline void put_c_text(ByteWriter& out, std::string_view text) {
    for (char c : text) {
        if (c == '\0') throw std::invalid_argument("a NUL-closed text cannot hold a NUL");
        out.u8(static_cast<std::uint8_t>(c));
    }
    out.u8(0);
}

}  // namespace assets
