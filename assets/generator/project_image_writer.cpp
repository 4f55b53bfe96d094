#include "project_image_writer.h"

#include <stdexcept>

#include "byte_writer.h"
#include "image_fields.h"

namespace assets {
namespace {

constexpr std::size_t kHeaderFixedSize = 0x68;
constexpr std::uint32_t kWindowEntrySize = 80;

// Writes zeros up to `offset` bytes past `block`, so the next field stands there.
void zeros_to(ByteWriter& out, std::size_t block, std::size_t offset) {
    if (out.size() > block + offset) throw std::logic_error("fields of a block written out of order");
    put_zeros(out, block + offset - out.size());
}

}  // namespace

std::vector<std::uint8_t> write_project_image(const ProjectSource& project, const Guid& window_id,
                                              const Guid& object_id, std::span<const std::uint8_t> description) {
    ByteWriter out;

    // Project header, fixed part. Pointers to what follows are placeholders
    // patched once their targets are written.
    const std::size_t header = out.size();
    put_bytes(out, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("TVPH"), 4));
    zeros_to(out, header, 0x24);
    out.u32(project.locale);
    out.u32(project.second_locale);
    out.u32(project.startup_procedure);
    const std::size_t info_pointer = out.placeholder_u32();  // +0x30
    zeros_to(out, header, 0x3C);
    out.u32(project.threading_flags);
    out.u32(project.thread_count);
    out.u16(project.window_count);
    out.u16(project.external_count);
    zeros_to(out, header, 0x4C);
    const std::size_t window_list_pointer = out.placeholder_u32();
    zeros_to(out, header, 0x58);
    std::size_t text_pointers[4];
    for (std::size_t& at : text_pointers) at = out.placeholder_u32();
    if (out.size() != kHeaderFixedSize) throw std::logic_error("project header's fixed part is not 0x68 bytes");
    put_zeros(out, 16);

    // The header's four texts, packed, then filled to the next 32-bit boundary.
    const std::string* const texts[] = {&project.application_title, &project.executable_name, &project.help_file,
                                        &project.project_name};
    for (std::size_t i = 0; i < 4; ++i) {
        out.patch_u32(text_pointers[i], out.size());
        put_c_text(out, *texts[i]);
    }
    out.pad_to(4);

    // Project information record: +0x04 leads to the object table.
    out.patch_u32(info_pointer, out.size());
    out.u32(0);
    const std::size_t table_pointer = out.placeholder_u32();

    // Object table.
    const std::size_t table = out.size();
    out.patch_u32(table_pointer, table);
    zeros_to(out, table, 0x2C);
    out.u32(1);  // one object: the question window
    const std::size_t descriptors_pointer = out.placeholder_u32();  // +0x30
    zeros_to(out, table, 0x40);
    const std::size_t project_name_pointer = out.placeholder_u32();
    out.u32(project.table_locale);
    out.u32(project.table_second_locale);

    // The window's object descriptor: its identifier, and +0x18 its name.
    const std::size_t descriptor = out.size();
    out.patch_u32(descriptors_pointer, descriptor);
    put_bytes(out, object_id);
    zeros_to(out, descriptor, 0x18);
    const std::size_t object_name_pointer = out.placeholder_u32();
    zeros_to(out, descriptor, 0x30);

    out.patch_u32(project_name_pointer, out.size());
    put_c_text(out, project.project_name);
    out.pad_to(4);
    out.patch_u32(object_name_pointer, out.size());
    put_c_text(out, project.object_name);
    out.pad_to(4);

    // Window list: one entry giving the description's identifier, size and place.
    const std::size_t entry = out.size();
    out.patch_u32(window_list_pointer, entry);
    out.u32(kWindowEntrySize);
    put_bytes(out, window_id);
    zeros_to(out, entry, 40);
    out.u32(0x90);
    zeros_to(out, entry, 64);
    out.patch_u32(out.placeholder_u32(), description.size());
    out.u32(0);
    const std::size_t location_pointer = out.placeholder_u32();
    out.u32(0x4C);

    out.pad_to(4);
    out.patch_u32(location_pointer, out.size());
    put_bytes(out, description);
    return out.take();
}

}  // namespace assets
