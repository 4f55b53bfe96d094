// Where the tests find the generated files, the icon maps and their own data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_io.h"

namespace resource_tests {

std::string generated(const std::string& name);
std::string icon_map_path(int id);
std::string test_data(const std::string& name);

// Whole-file reads, shared with the generators; they throw when a file cannot be read.
using assets::read_bytes;
using assets::read_text;

std::uint16_t u16_at(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at);

}  // namespace resource_tests
