// The icon group directory and the stand-alone icon file.
#include <gtest/gtest.h>

#include <string>

#include "test_files.h"

namespace {

using resource_tests::generated;
using resource_tests::read_bytes;
using resource_tests::u16_at;
using resource_tests::u32_at;
using Bytes = std::vector<std::uint8_t>;

struct Entry {
    int width, rows, colours, reserved, planes, bits;
    std::uint32_t size;
    int id;
    friend bool operator==(const Entry&, const Entry&) = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
    return out << e.width << "x" << e.rows << " colours " << e.colours << " reserved " << e.reserved << " planes "
               << e.planes << " bits " << e.bits << " size " << e.size << " id " << e.id;
}

TEST(IconGroup, ListsTheThreeImagesInOrder) {
    const Bytes group = read_bytes(generated("icon-group.bin"));
    ASSERT_EQ(group.size(), 48u);  // nothing behind the third entry
    EXPECT_EQ(u16_at(group, 0), 0);
    EXPECT_EQ(u16_at(group, 2), 1);  // icon
    EXPECT_EQ(u16_at(group, 4), 3);
    std::vector<Entry> entries;
    for (std::size_t at = 6; at < group.size(); at += 14) {
        entries.push_back({group[at], group[at + 1], group[at + 2], group[at + 3], u16_at(group, at + 4),
                           u16_at(group, at + 6), u32_at(group, at + 8), u16_at(group, at + 12)});
    }
    EXPECT_EQ(entries, (std::vector<Entry>{{32, 32, 2, 0, 1, 1, 304, 30001},
                                           {32, 32, 16, 0, 1, 4, 744, 30002},
                                           {16, 16, 16, 0, 1, 4, 296, 30003}}));
    for (const Entry& entry : entries) {
        EXPECT_EQ(read_bytes(generated("icon-" + std::to_string(entry.id) + ".bin")).size(), entry.size) << entry.id;
    }
}

// The icon file's entries match the group's but give file offsets, and the
// images follow back to back.
TEST(IconFile, HoldsTheSameImagesAtTheirOffsets) {
    const Bytes file = read_bytes(generated("icon.ico"));
    const Bytes group = read_bytes(generated("icon-group.bin"));
    ASSERT_GE(file.size(), 6u + 3 * 16);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), Bytes(group.begin(), group.begin() + 6));
    std::uint32_t expected_offset = 6 + 3 * 16;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::size_t file_entry = 6 + 16 * i;
        const std::size_t group_entry = 6 + 14 * i;
        EXPECT_EQ(Bytes(file.begin() + static_cast<std::ptrdiff_t>(file_entry),
                        file.begin() + static_cast<std::ptrdiff_t>(file_entry + 12)),
                  Bytes(group.begin() + static_cast<std::ptrdiff_t>(group_entry),
                        group.begin() + static_cast<std::ptrdiff_t>(group_entry + 12)));
        const std::uint32_t size = u32_at(file, file_entry + 8);
        const std::uint32_t offset = u32_at(file, file_entry + 12);
        EXPECT_EQ(offset, expected_offset);
        ASSERT_LE(static_cast<std::size_t>(offset) + size, file.size());
        const Bytes image = read_bytes(generated("icon-" + std::to_string(u16_at(group, group_entry + 12)) + ".bin"));
        EXPECT_EQ(Bytes(file.begin() + offset, file.begin() + offset + size), image);
        expected_offset += size;
    }
    EXPECT_EQ(expected_offset, file.size());
}

}  // namespace
