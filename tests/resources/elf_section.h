// Finds a named section in a 64-bit ELF file, checking every offset against
// the file's size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace resource_tests {

std::optional<std::vector<std::uint8_t>> elf_section(const std::vector<std::uint8_t>& file, const std::string& name);

}  // namespace resource_tests
