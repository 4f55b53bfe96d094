// Where the tests find the generated files, the icon maps and their own data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resource_tests {

std::string generated(const std::string& name);
std::string icon_map_path(int id);
std::string test_data(const std::string& name);

// The whole file; fails the calling test's assertion when it cannot be read.
std::vector<std::uint8_t> read_bytes(const std::string& path);
std::string read_text(const std::string& path);

std::uint16_t u16_at(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at);

}  // namespace resource_tests
