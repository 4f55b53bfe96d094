// Layout of the resource table that the executable carries (little-endian):
//
//   +0   magic "TVRS"
//   +4   u32 format version (1)
//   +8   u32 entry count
//   +12  the entries, 20 bytes each:
//          +0  u16 resource type     +2  u16 identifier
//          +4  u16 language          +6  u16 reserved, 0
//          +8  u32 code page
//          +12 u32 data offset, counted from the table's first byte
//          +16 u32 data size
//   then the data blocks, each starting on a 4-byte boundary.
#pragma once

#include <cstddef>
#include <cstdint>

namespace resources {

inline constexpr char kTableMagic[4] = {'T', 'V', 'R', 'S'};
inline constexpr std::uint32_t kTableFormatVersion = 1;
inline constexpr std::size_t kTableHeaderBytes = 12;
inline constexpr std::size_t kEntryBytes = 20;

inline constexpr std::uint16_t kTypeIcon = 3;
inline constexpr std::uint16_t kTypeIconGroup = 14;
inline constexpr std::uint16_t kTypeVersion = 16;

inline constexpr std::uint32_t kCodePageUtf16 = 1200;

}  // namespace resources
