// Whole-file reads and writes for the generators; failures throw with the path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

std::string read_text(const std::string& path);
std::vector<std::uint8_t> read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace assets
