#include "resource_list.h"

#include <stdexcept>

#include "byte_writer.h"
#include "resource_table_format.h"

namespace assets {
namespace {

constexpr std::uint16_t kOrdinal = 0xFFFF;

void write_resource_entry(ByteWriter& out, const Resource& resource) {
    out.pad_to(4);
    const std::size_t data_size_at = out.placeholder_u32();
    const std::size_t header_size_at = out.placeholder_u32();
    out.u16(kOrdinal);
    out.u16(resource.type);
    out.u16(kOrdinal);
    out.u16(resource.id);
    out.pad_to(4);
    out.u32(0);  // data version
    out.u16(resource.memory_flags);
    out.u16(resource.language);
    out.u32(0);  // version
    out.u32(0);  // characteristics
    out.patch_u32(header_size_at, out.size() - data_size_at);
    const std::size_t data_start = out.size();
    out.bytes(resource.data);
    out.patch_u32(data_size_at, out.size() - data_start);
    out.pad_to(4);
}

}  // namespace

std::vector<std::uint8_t> encode_resource_file(const std::vector<Resource>& resources) {
    ByteWriter out;
    // Marks the file as 32-bit: an entry with no data, type 0 and name 0.
    write_resource_entry(out, Resource{});
    for (const Resource& resource : resources) {
        write_resource_entry(out, resource);
    }
    return out.take();
}

std::vector<std::uint8_t> encode_resource_table(const std::vector<Resource>& resources) {
    ByteWriter out;
    for (char c : resources::kTableMagic) out.u8(static_cast<std::uint8_t>(c));
    out.u32(resources::kTableFormatVersion);
    out.u32(static_cast<std::uint32_t>(resources.size()));
    std::vector<std::size_t> offset_at;
    for (const Resource& resource : resources) {
        out.u16(resource.type);
        out.u16(resource.id);
        out.u16(resource.language);
        out.u16(0);
        out.u32(resource.code_page);
        offset_at.push_back(out.placeholder_u32());
        out.u32(static_cast<std::uint32_t>(resource.data.size()));
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        out.pad_to(4);
        out.patch_u32(offset_at[i], out.size());
        out.bytes(resources[i].data);
    }
    out.pad_to(4);
    return out.take();
}

}  // namespace assets
