// Reads the stored window description in one pass, checking every field on
// the way, and turns what it holds into the settings the window is built from.
//
// Layout: a 93-byte head (signature FF CC 31 00, the byte 01, three 16-byte
// identifiers, 36 zero bytes, a 32-bit count of the bytes from itself through
// the end byte), the window's record, list marker 0x01, the button's record,
// list marker 0x02, end byte 0x04. A record: 32-bit size (through its closing
// 0xFF), index, name (16-bit count, characters, zero), type byte, coded
// properties, 0xFF. A property's code fixes the width of its value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "window_settings.h"

namespace rt {

enum class ValueForm {
    Byte,     // 1 byte
    Short,    // 2 bytes
    Long,     // 4 bytes
    Shorts4,  // four signed 16-bit numbers: left, top, width, height
    Longs4,   // four signed 32-bit numbers: left, top, width, height
    Text,     // 16-bit count, 8-bit characters, a zero byte
    Picture,  // 32-bit L, then tag 6C 74 00 00, N = L - 8, a BMP file of N bytes
};

struct DescriptionProperty {
    std::uint8_t code = 0;
    ValueForm form = ValueForm::Byte;
    std::size_t offset = 0;               // of the code byte
    std::size_t size = 0;                 // code byte included
    std::uint32_t number = 0;             // Byte, Short, Long
    std::array<std::int32_t, 4> rect{};   // Shorts4, Longs4
    std::string text;                     // Text, as stored (8-bit)
    std::span<const std::uint8_t> bmp;    // Picture: the whole BMP file
};

struct DescriptionRecord {
    std::size_t offset = 0;  // of the record size
    std::uint32_t size = 0;
    std::uint8_t index = 0;
    std::string name;
    std::uint8_t type = 0;   // 0x0D window, 0x04 button
    std::vector<DescriptionProperty> properties;

    const DescriptionProperty* find(std::uint8_t code) const;
};

using Identifier = std::array<std::uint8_t, 16>;

struct WindowDescription {
    Identifier window_id{};
    Identifier object_id{};
    Identifier class_id{};
    std::uint32_t count = 0;
    DescriptionRecord window;
    DescriptionRecord button;
};

inline constexpr std::uint8_t kWindowType = 0x0D;
inline constexpr std::uint8_t kButtonType = 0x04;

// The value form of `code` in a record of `type`; false if the type does not
// know the code.
bool description_code_form(std::uint8_t type, std::uint8_t code, ValueForm& form);

// Reads and checks the whole description; `data` is exactly its total size.
// Raises rt::DataError naming the failed check and its byte offset.
WindowDescription read_window_description(std::span<const std::uint8_t> data);

// Converts to pixels (15 twips to a pixel) and to the runtime's settings.
// Raises rt::DataError if a stored size is not positive.
WindowSettings window_settings_from(const WindowDescription& description);

// 8-bit stored text (Latin-1) as UTF-8, the toolkit's text encoding.
std::string latin1_to_utf8(const std::string& text);

}  // namespace rt
