#include "resource_table.h"

#include <cstring>
#include <string>

#include "resource_table_format.h"

namespace resources {
namespace {

// One bounds-checked cursor over the table.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void seek(std::size_t offset) { at_ = offset; }

    std::uint16_t u16(const char* field) {
        require(2, field);
        const auto value = static_cast<std::uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }

    std::uint32_t u32(const char* field) {
        require(4, field);
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes_[at_ + i]) << (8 * i);
        at_ += 4;
        return value;
    }

    std::span<const std::uint8_t> take(std::size_t count, const char* field) {
        require(count, field);
        const auto result = bytes_.subspan(at_, count);
        at_ += count;
        return result;
    }

private:
    void require(std::size_t count, const char* field) const {
        if (at_ > bytes_.size() || count > bytes_.size() - at_) {
            throw ResourceError(std::string("resource table: ") + field + " at offset " + std::to_string(at_) +
                                " runs past the end of the table (" + std::to_string(bytes_.size()) + " bytes)");
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

std::string describe(const ResourceEntry& entry) {
    return "type " + std::to_string(entry.type) + " id " + std::to_string(entry.id) + " language " +
           std::to_string(entry.language);
}

}  // namespace

ResourceTable ResourceTable::parse(std::span<const std::uint8_t> bytes) {
    Reader reader(bytes);
    const auto magic = reader.take(sizeof kTableMagic, "magic");
    if (std::memcmp(magic.data(), kTableMagic, sizeof kTableMagic) != 0) {
        throw ResourceError("resource table: bad magic at offset 0");
    }
    const std::uint32_t version = reader.u32("format version");
    if (version != kTableFormatVersion) {
        throw ResourceError("resource table: format version " + std::to_string(version) + " at offset 4, expected " +
                            std::to_string(kTableFormatVersion));
    }
    const std::uint32_t count = reader.u32("entry count");
    // Checked before multiplying: the entries must fit what is left.
    if (count > (bytes.size() - kTableHeaderBytes) / kEntryBytes) {
        throw ResourceError("resource table: entry count " + std::to_string(count) +
                            " at offset 8 does not fit the table's " + std::to_string(bytes.size()) + " bytes");
    }

    ResourceTable table;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry_at = kTableHeaderBytes + i * kEntryBytes;
        reader.seek(entry_at);
        ResourceEntry entry;
        entry.type = reader.u16("resource type");
        entry.id = reader.u16("identifier");
        entry.language = reader.u16("language");
        if (reader.u16("reserved") != 0) {
            throw ResourceError("resource table: reserved field at offset " + std::to_string(entry_at + 6) +
                                " is not 0");
        }
        entry.code_page = reader.u32("code page");
        const std::uint32_t offset = reader.u32("data offset");
        const std::uint32_t size = reader.u32("data size");
        if (offset < kTableHeaderBytes + static_cast<std::size_t>(count) * kEntryBytes) {
            throw ResourceError("resource table: data offset " + std::to_string(offset) + " at offset " +
                                std::to_string(entry_at + 12) + " points into the entries");
        }
        Reader data_reader(bytes);
        data_reader.seek(offset);
        entry.data = data_reader.take(size, "resource data");
        if (table.find(entry.type, entry.id, entry.language)) {
            throw ResourceError("resource table: entry at offset " + std::to_string(entry_at) + " repeats " +
                                describe(entry));
        }
        table.entries_.push_back(entry);
    }
    return table;
}

std::optional<ResourceEntry> ResourceTable::find(std::uint16_t type, std::uint16_t id, std::uint16_t language) const {
    for (const ResourceEntry& entry : entries_) {
        if (entry.type == type && entry.id == id && entry.language == language) return entry;
    }
    return std::nullopt;
}

}  // namespace resources
