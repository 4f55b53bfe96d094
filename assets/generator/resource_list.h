// The resources that the executable carries, in the order they are written,
// and the two forms they are written in: the standard 32-bit resource file
// and the executable's own resource table.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

struct Resource {
    std::uint16_t type = 0;
    std::uint16_t id = 0;
    std::uint16_t language = 0;
    std::uint32_t code_page = 0;
    std::uint16_t memory_flags = 0;  // only the resource file records these
    std::vector<std::uint8_t> data;
};

// Memory flags as resource compilers conventionally give these types.
inline constexpr std::uint16_t kMoveable = 0x0010;
inline constexpr std::uint16_t kPure = 0x0020;
inline constexpr std::uint16_t kDiscardable = 0x1000;

// A leading empty entry, then per resource: data size, header size, type and
// name as numeric ordinals, data version, memory flags, language, version and
// characteristics; the data follows, each entry padded to 4 bytes.
std::vector<std::uint8_t> encode_resource_file(const std::vector<Resource>& resources);

// The table that is embedded in the executable (see resource_table_format.h).
std::vector<std::uint8_t> encode_resource_table(const std::vector<Resource>& resources);

}  // namespace assets
