// Lays out the window description: the 93-byte head, the window's record,
// list marker 0x01, the button's record, list marker 0x02, end byte 0x04.
#pragma once

#include <cstdint>
#include <vector>

#include "description_source.h"

namespace assets {

// Every picture property must already hold its BMP file in `bytes`.
// Throws std::runtime_error when a BMP's own size field disagrees with its
// length, or a text or size does not fit its field.
std::vector<std::uint8_t> write_description(const DescriptionSource& source);

}  // namespace assets
