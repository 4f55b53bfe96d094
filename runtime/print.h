// Printing a value onto a window.
#pragma once

#include <cstdint>

#include "form_object.h"

namespace rt {

// Describes the items that follow a print call, stored like a counted text of
// 4 bytes: a 16-bit item count, then one 16-bit code per item.
struct PrintList {
    std::uint32_t byte_count;
    std::uint8_t bytes[4];
};

// The item code of a 32-bit integer.
inline constexpr std::uint16_t kPrintItemI4 = 0x83;

}  // namespace rt

// Writes `value` as decimal text at the window's current text position, then
// moves the position to the next line. The list must name one 32-bit integer.
// Returns 0.
std::int32_t __vbaPrintObj(const rt::PrintList* list, rt::FormObject* target, std::int32_t value);
