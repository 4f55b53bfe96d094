// Reads the executable's resource table: finds a resource by type,
// identifier and language. Every read is bounds-checked; a malformed table
// raises ResourceError naming the field and its byte offset.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

namespace resources {

class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ResourceEntry {
    std::uint16_t type = 0;
    std::uint16_t id = 0;
    std::uint16_t language = 0;
    std::uint32_t code_page = 0;
    std::span<const std::uint8_t> data;
};

class ResourceTable {
public:
    // Checks the whole table up front; the entries' data stay in `bytes`,
    // which must outlive the table.
    static ResourceTable parse(std::span<const std::uint8_t> bytes);

    const std::vector<ResourceEntry>& entries() const { return entries_; }

    // The resource with this type, identifier and language, if there is one.
    std::optional<ResourceEntry> find(std::uint16_t type, std::uint16_t id, std::uint16_t language) const;

private:
    std::vector<ResourceEntry> entries_;
};

// The table linked into this program.
std::span<const std::uint8_t> embedded_resource_table();

}  // namespace resources
