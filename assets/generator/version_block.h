// Writes the version block: the root "VS_VERSION_INFO" with its fixed file
// information, then "VarFileInfo" (the translation pair), then
// "StringFileInfo" with one string table keyed by that pair.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "version_values.h"

namespace assets {

// The string table's key: language and code page as 8 capital hex digits.
std::string string_table_key(const VersionValues& values);

std::vector<std::uint8_t> encode_version_block(const VersionValues& values);

}  // namespace assets
