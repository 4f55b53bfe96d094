// Lays out the read-only project image that the process entry hands to the
// runtime. Every 32-bit "pointer" in it is an offset from the image's first
// byte, where the project header stands; 0 means none.
//
//   0x00  project header, fixed part of 0x68 bytes:
//         +0x00 signature "TVPH"      +0x24 locale         +0x28 second locale
//         +0x2C start-up procedure    +0x30 -> project information record
//         +0x3C threading flags       +0x40 thread count
//         +0x44 window count (16)     +0x46 external component count (16)
//         +0x4C -> window list        +0x50 -> external components (none: 0)
//         +0x58 +0x5C +0x60 +0x64 -> title, executable name, help file, project name
//   0x68  16 zero bytes, then the four NUL-closed texts, zero-filled to 4
//         project information record, 8 bytes: +0x04 -> object table
//         object table, 0x4C bytes: +0x2C object count, +0x30 -> object
//             descriptors, +0x40 -> project name, +0x44 locale, +0x48 second locale
//         object descriptor, 0x30 bytes: +0x00 the window object's identifier,
//             +0x18 -> object name
//         the object table's texts, each NUL-closed and zero-filled to 4
//         window list: one 80-byte entry naming the window description
//         the window description
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "project_source.h"
#include "source_text.h"

namespace assets {

std::vector<std::uint8_t> write_project_image(const ProjectSource& project, const Guid& window_id,
                                              const Guid& object_id, std::span<const std::uint8_t> description);

}  // namespace assets
