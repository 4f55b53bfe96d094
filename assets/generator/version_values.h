// The values that the executable's version block carries.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace assets {

struct VersionValues {
    std::array<std::uint16_t, 4> file_version{};     // major, minor, build, revision
    std::array<std::uint16_t, 4> product_version{};
    std::uint32_t flags_mask = 0;
    std::uint32_t flags = 0;
    std::uint32_t operating_system = 0;
    std::uint32_t file_type = 0;
    std::uint32_t file_subtype = 0;
    std::uint32_t file_date_high = 0;
    std::uint32_t file_date_low = 0;
    std::uint16_t language = 0;                      // the one translation
    std::uint16_t code_page = 0;
    std::vector<std::pair<std::string, std::string>> strings;  // in the order written
};

const VersionValues& tovrane_version_values();

}  // namespace assets
