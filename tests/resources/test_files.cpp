#include "test_files.h"

#include <stdexcept>

namespace resource_tests {

std::string generated(const std::string& name) { return std::string(TOVRANE_GENERATED_DIR) + "/" + name; }

std::string icon_map_path(int id) {
    return std::string(TOVRANE_ICON_MAP_DIR) + "/icon-" + std::to_string(id) + ".txt";
}

std::string test_data(const std::string& name) { return std::string(RESOURCE_TEST_DIR) + "/" + name; }

std::uint16_t u16_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    if (at + 2 > bytes.size()) throw std::out_of_range("u16 at " + std::to_string(at) + " past the end");
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t u32_at(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    if (at + 4 > bytes.size()) throw std::out_of_range("u32 at " + std::to_string(at) + " past the end");
    return static_cast<std::uint32_t>(u16_at(bytes, at)) | (static_cast<std::uint32_t>(u16_at(bytes, at + 2)) << 16);
}

}  // namespace resource_tests
