#include "project_image_writer.h"

#include <stdexcept>

#include "byte_writer.h"

namespace assets {
namespace {

constexpr std::uint32_t kHeaderFixedSize = 0x68;
constexpr std::uint32_t kProjectInfoSize = 0x08;
constexpr std::uint32_t kObjectTableSize = 0x4C;
constexpr std::uint32_t kDescriptorSize = 0x30;
constexpr std::uint32_t kWindowEntrySize = 80;

// Writes `value` into the 32-bit field `field` bytes into the block at `block`.
void patch(ByteWriter& out, std::size_t block, std::size_t field, std::uint32_t value) {
    out.patch_u32(block + field, value);
}

// Reserves a zero-filled block of `size` bytes and returns where it starts.
std::size_t block(ByteWriter& out, std::uint32_t size) {
    const std::size_t at = out.size();
    out.zeros(size);
    return at;
}

}  // namespace

std::vector<std::uint8_t> write_project_image(const ProjectSource& project, const Guid& window_id,
                                              const Guid& object_id, std::span<const std::uint8_t> description) {
    ByteWriter out;

    // Project header: the fixed part, its settings written in place.
    const std::size_t header = block(out, kHeaderFixedSize);
    out.patch_u32(header, 'T' | 'V' << 8 | 'P' << 16 | 'H' << 24);
    patch(out, header, 0x24, project.locale);
    patch(out, header, 0x28, project.second_locale);
    patch(out, header, 0x2C, project.startup_procedure);
    patch(out, header, 0x3C, project.threading_flags);
    patch(out, header, 0x40, project.thread_count);
    patch(out, header, 0x44, static_cast<std::uint32_t>(project.window_count) |
                                  static_cast<std::uint32_t>(project.external_count) << 16);
    out.zeros(16);

    // The header's four texts, packed, then filled to the next 32-bit boundary.
    const std::string* const texts[] = {&project.application_title, &project.executable_name, &project.help_file,
                                        &project.project_name};
    for (std::size_t i = 0; i < 4; ++i) {
        patch(out, header, 0x58 + 4 * i, out.offset32());
        out.c_text(*texts[i]);
    }
    out.pad_to(4);

    const std::size_t info = block(out, kProjectInfoSize);
    patch(out, header, 0x30, static_cast<std::uint32_t>(info));

    const std::size_t table = block(out, kObjectTableSize);
    patch(out, info, 0x04, static_cast<std::uint32_t>(table));
    patch(out, table, 0x2C, 1);
    patch(out, table, 0x44, project.table_locale);
    patch(out, table, 0x48, project.table_second_locale);

    const std::size_t descriptor = block(out, kDescriptorSize);
    patch(out, table, 0x30, static_cast<std::uint32_t>(descriptor));
    out.patch_bytes(descriptor, object_id);

    patch(out, table, 0x40, out.offset32());
    out.c_text(project.project_name);
    out.pad_to(4);
    patch(out, descriptor, 0x18, out.offset32());
    out.c_text(project.object_name);
    out.pad_to(4);

    // Window list: one entry giving the description's identifier, size and place.
    const std::size_t entry = block(out, kWindowEntrySize);
    patch(out, header, 0x4C, static_cast<std::uint32_t>(entry));
    patch(out, entry, 0, kWindowEntrySize);
    out.patch_bytes(entry + 4, window_id);
    patch(out, entry, 40, 0x90);
    patch(out, entry, 64, to_u32(description.size(), "window description"));
    patch(out, entry, 76, 0x4C);

    out.pad_to(4);
    patch(out, entry, 72, out.offset32());
    out.append(description);
    return out.bytes();
}

}  // namespace assets
