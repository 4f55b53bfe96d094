// Follows the project header to the window list and on to the window
// description. Every 32-bit "pointer" in the image is an offset from the
// header's first byte.
#include <algorithm>
#include <array>
#include <cstring>

#include "byte_cursor.h"
#include "project.h"
#include "window_description.h"

namespace rt {
namespace {

constexpr std::array<std::uint8_t, 4> kHeaderSignature = {'T', 'V', 'P', 'H'};
constexpr std::size_t kHeaderFixedSize = 0x68;
constexpr std::size_t kStartupProcedure = 0x2C;
constexpr std::size_t kWindowCount = 0x44;
constexpr std::size_t kWindowList = 0x4C;
constexpr std::size_t kTitleText = 0x58;
constexpr std::uint32_t kWindowEntrySize = 80;
constexpr std::size_t kEntryIdentifier = 4;
constexpr std::size_t kEntryTotalSize = 64;
constexpr std::size_t kEntryLocation = 72;

std::uint32_t u32_at(ByteCursor& in, std::size_t offset, const char* field) {
    in.seek(offset, field);
    return in.u32(field);
}

std::uint32_t raw_u32(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

}  // namespace

LoadedProject load_project(std::span<const std::uint8_t> image) {
    ByteCursor in(image, "project image");
    const auto signature = in.bytes(4, "header signature");
    if (!std::equal(signature.begin(), signature.end(), kHeaderSignature.begin())) {
        in.fail("header signature", 0, "not a project header");
    }
    in.skip(kHeaderFixedSize - 4, "project header");

    // The runtime builds one window and calls no start-up procedure.
    if (const std::uint32_t procedure = u32_at(in, kStartupProcedure, "start-up procedure"); procedure != 0) {
        in.fail("start-up procedure", kStartupProcedure, "a start-up procedure is named; only a start-up window is run");
    }
    in.seek(kWindowCount, "window count");
    if (const std::uint16_t windows = in.u16("window count"); windows != 1) {
        in.fail("window count", kWindowCount, std::to_string(windows) + " windows; the project has one");
    }

    LoadedProject project;
    in.seek(u32_at(in, kTitleText, "title text offset"), "title text offset");
    project.application_title = latin1_to_utf8(in.c_text("title text"));

    // The window list's one entry names the description's place and size.
    const std::size_t entry = u32_at(in, kWindowList, "window list offset");
    in.seek(entry, "window list offset");
    if (const std::uint32_t entry_size = in.u32("window list entry size"); entry_size != kWindowEntrySize) {
        in.fail("window list entry", entry, "entry size " + std::to_string(entry_size) + ", expected 80");
    }
    in.seek(entry + kEntryIdentifier, "window identifier");
    Identifier window_id{};
    const auto id_bytes = in.bytes(window_id.size(), "window identifier");
    std::copy(id_bytes.begin(), id_bytes.end(), window_id.begin());
    in.seek(entry + kEntryTotalSize, "description size");
    const std::uint32_t total = in.u32("description size");
    in.seek(entry + kEntryLocation, "description location");
    const std::uint32_t location = in.u32("description location");
    in.seek(location, "description location");
    const auto description_bytes = in.bytes(total, "window description");

    const WindowDescription description = read_window_description(description_bytes);
    if (description.window_id != window_id) {
        in.fail("window identifier", entry + kEntryIdentifier,
                "the window list entry and the description name different windows");
    }
    project.window = window_settings_from(description);
    return project;
}

LoadedProject load_project(const void* project_header) {
    if (project_header == nullptr) throw DataError("project image", "header address", 0, "no project header");
    const auto* header = static_cast<const std::uint8_t*>(project_header);
    if (std::memcmp(header, kHeaderSignature.data(), kHeaderSignature.size()) != 0) {
        throw DataError("project image", "header signature", 0, "not a project header");
    }
    // The extent that the header's own fields claim: its texts, the window
    // list entry and the description it names. Sums are taken in 64 bits, so
    // no 32-bit field can wrap them.
    std::uint64_t extent = kHeaderFixedSize;
    for (std::size_t i = 0; i < 4; ++i) {
        extent = std::max<std::uint64_t>(extent, std::uint64_t{raw_u32(header + kTitleText + 4 * i)} + 1);
    }
    const std::uint64_t entry = raw_u32(header + kWindowList);
    extent = std::max(extent, entry + kWindowEntrySize);
    const std::uint8_t* entry_bytes = header + entry;
    extent = std::max(extent, std::uint64_t{raw_u32(entry_bytes + kEntryLocation)} +
                                  raw_u32(entry_bytes + kEntryTotalSize));
    return load_project(std::span<const std::uint8_t>(header, static_cast<std::size_t>(extent)));
}

}  // namespace rt
