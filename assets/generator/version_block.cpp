#include "version_block.h"

#include <cstdio>
#include <string_view>

#include "byte_writer.h"

namespace assets {
namespace {

constexpr std::uint16_t kBinary = 0;
constexpr std::uint16_t kText = 1;
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::uint32_t kFixedStructVersion = 0x00010000;  // 1.0

// Every node starts on a 4-byte boundary with its length, its value length
// and its type, then its key; the value starts on the next 4-byte boundary.
// The length is patched when the node closes and leaves out any padding
// after the node's last byte.
struct OpenNode {
    std::size_t start = 0;
    std::size_t value_length_at = 0;
};

OpenNode open_node(ByteWriter& out, std::uint16_t type, std::string_view key) {
    out.pad_to(4);
    OpenNode node;
    node.start = out.placeholder_u16();
    node.value_length_at = out.placeholder_u16();
    out.u16(type);
    out.utf16z(key);
    out.pad_to(4);
    return node;
}

void close_node(ByteWriter& out, const OpenNode& node) { out.patch_u16(node.start, out.size() - node.start); }

std::uint32_t high_low(std::uint16_t high, std::uint16_t low) {
    return (static_cast<std::uint32_t>(high) << 16) | low;
}

void write_fixed_info(ByteWriter& out, const VersionValues& v) {
    out.u32(kFixedSignature);
    out.u32(kFixedStructVersion);
    out.u32(high_low(v.file_version[0], v.file_version[1]));
    out.u32(high_low(v.file_version[2], v.file_version[3]));
    out.u32(high_low(v.product_version[0], v.product_version[1]));
    out.u32(high_low(v.product_version[2], v.product_version[3]));
    out.u32(v.flags_mask);
    out.u32(v.flags);
    out.u32(v.operating_system);
    out.u32(v.file_type);
    out.u32(v.file_subtype);
    out.u32(v.file_date_high);
    out.u32(v.file_date_low);
}

void write_var_file_info(ByteWriter& out, const VersionValues& v) {
    const OpenNode var_file_info = open_node(out, kText, "VarFileInfo");
    const OpenNode translation = open_node(out, kBinary, "Translation");
    const std::size_t value_start = out.size();
    out.u16(v.language);
    out.u16(v.code_page);
    out.patch_u16(translation.value_length_at, out.size() - value_start);  // binary: in bytes
    close_node(out, translation);
    close_node(out, var_file_info);
}

void write_string_file_info(ByteWriter& out, const VersionValues& v) {
    const OpenNode string_file_info = open_node(out, kText, "StringFileInfo");
    const OpenNode table = open_node(out, kText, string_table_key(v));
    for (const auto& [key, value] : v.strings) {
        const OpenNode entry = open_node(out, kText, key);
        out.utf16z(value);
        out.patch_u16(entry.value_length_at, value.size() + 1);  // text: in characters with the NUL
        close_node(out, entry);
    }
    close_node(out, table);
    close_node(out, string_file_info);
}

}  // namespace

std::string string_table_key(const VersionValues& values) {
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(values.language),
                  static_cast<unsigned>(values.code_page));
    return key;
}

std::vector<std::uint8_t> encode_version_block(const VersionValues& values) {
    ByteWriter out;
    const OpenNode root = open_node(out, kBinary, "VS_VERSION_INFO");
    const std::size_t fixed_start = out.size();
    write_fixed_info(out, values);
    out.patch_u16(root.value_length_at, out.size() - fixed_start);
    write_var_file_info(out, values);
    write_string_file_info(out, values);
    close_node(out, root);
    return out.take();
}

}  // namespace assets
