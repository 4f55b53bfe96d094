// The 32-bit resource file: every entry's header, read back field by field,
// as a readable dump; each entry's data is the matching generated file.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "test_files.h"

namespace {

using resource_tests::generated;
using resource_tests::read_bytes;
using resource_tests::u16_at;
using resource_tests::u32_at;
using Bytes = std::vector<std::uint8_t>;

struct FileEntry {
    std::size_t at = 0;
    std::uint32_t data_size = 0;
    std::uint32_t header_size = 0;
    std::uint16_t type = 0;
    std::uint16_t name = 0;
    std::uint16_t memory_flags = 0;
    std::uint16_t language = 0;
    Bytes data;
};

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::vector<FileEntry> read_entries(const Bytes& file) {
    std::vector<FileEntry> entries;
    std::size_t at = 0;
    while (at < file.size()) {
        FileEntry e;
        e.at = at;
        e.data_size = u32_at(file, at);
        e.header_size = u32_at(file, at + 4);
        // Numeric type and name only: 0xFFFF then the ordinal.
        EXPECT_EQ(u16_at(file, at + 8), 0xFFFF) << "type of entry at " << at;
        e.type = u16_at(file, at + 10);
        EXPECT_EQ(u16_at(file, at + 12), 0xFFFF) << "name of entry at " << at;
        e.name = u16_at(file, at + 14);
        EXPECT_EQ(u32_at(file, at + 16), 0u) << "data version of entry at " << at;
        e.memory_flags = u16_at(file, at + 20);
        e.language = u16_at(file, at + 22);
        EXPECT_EQ(u32_at(file, at + 24), 0u) << "version of entry at " << at;
        EXPECT_EQ(u32_at(file, at + 28), 0u) << "characteristics of entry at " << at;
        EXPECT_EQ(e.header_size, 32u);
        const std::size_t data_at = at + e.header_size;
        if (data_at + e.data_size > file.size()) throw std::runtime_error("entry data past the end");
        e.data.assign(file.begin() + static_cast<std::ptrdiff_t>(data_at),
                      file.begin() + static_cast<std::ptrdiff_t>(data_at + e.data_size));
        const std::size_t next = (data_at + e.data_size + 3) / 4 * 4;
        for (std::size_t pad = data_at + e.data_size; pad < next; ++pad) {
            EXPECT_EQ(file.at(pad), 0) << "padding at " << pad;
        }
        entries.push_back(e);
        at = next;
    }
    return entries;
}

TEST(ResourceFile, EntriesMatchTheExpectedDump) {
    const std::vector<FileEntry> entries = read_entries(read_bytes(generated("tovrane.res")));
    std::ostringstream dump;
    for (const FileEntry& e : entries) {
        dump << hex(static_cast<unsigned>(e.at), 4) << " type " << e.type << " name " << e.name << " flags "
             << hex(e.memory_flags, 4) << " language " << hex(e.language, 4) << " size " << e.data_size << "\n";
    }
    EXPECT_EQ(dump.str(), resource_tests::read_text(resource_tests::test_data("expected/resource-file.txt")));
}

TEST(ResourceFile, StartsWithTheEmptyEntry) {
    const Bytes file = read_bytes(generated("tovrane.res"));
    ASSERT_GE(file.size(), 32u);
    const Bytes expected{0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0,
                         0, 0, 0, 0, 0,    0, 0, 0, 0,    0,    0, 0, 0,    0,    0, 0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 32), expected);
}

TEST(ResourceFile, DataIsTheGeneratedFiles) {
    const std::vector<FileEntry> entries = read_entries(read_bytes(generated("tovrane.res")));
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[1].data, read_bytes(generated("version.bin")));
    EXPECT_EQ(entries[2].data, read_bytes(generated("icon-group.bin")));
    EXPECT_EQ(entries[3].data, read_bytes(generated("icon-30001.bin")));
    EXPECT_EQ(entries[4].data, read_bytes(generated("icon-30002.bin")));
    EXPECT_EQ(entries[5].data, read_bytes(generated("icon-30003.bin")));
}

}  // namespace
