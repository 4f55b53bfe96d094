// The resource table carried by the executable: found by type, identifier
// and language, equal to the generated files, and refused when malformed.
#include <gtest/gtest.h>

#include <string>

#include "elf_section.h"
#include "resource_table.h"
#include "resource_table_format.h"
#include "test_files.h"

namespace {

using resource_tests::generated;
using resource_tests::read_bytes;
using resources::ResourceError;
using resources::ResourceTable;
using Bytes = std::vector<std::uint8_t>;

struct Expected {
    std::uint16_t type;
    std::uint16_t id;
    std::uint16_t language;
    const char* file;
};

const Expected kResources[] = {
    {16, 1, 0x0409, "version.bin"},
    {14, 1, 0, "icon-group.bin"},
    {3, 30001, 0, "icon-30001.bin"},
    {3, 30002, 0, "icon-30002.bin"},
    {3, 30003, 0, "icon-30003.bin"},
};

void expect_all_resources(const ResourceTable& table) {
    EXPECT_EQ(table.entries().size(), std::size(kResources));
    for (const Expected& e : kResources) {
        SCOPED_TRACE(e.file);
        const auto entry = table.find(e.type, e.id, e.language);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->code_page, 1200u);
        EXPECT_EQ(Bytes(entry->data.begin(), entry->data.end()), read_bytes(generated(e.file)));
    }
}

TEST(ResourceTable, GeneratedTableHoldsEveryResource) {
    const Bytes bytes = read_bytes(generated("resources.bin"));
    const ResourceTable table = ResourceTable::parse(bytes);
    expect_all_resources(table);
    // The language is part of the key.
    EXPECT_FALSE(table.find(16, 1, 0).has_value());
    EXPECT_FALSE(table.find(3, 1, 0).has_value());
}

TEST(ResourceTable, LinkedIntoThisProgram) {
    const auto embedded = resources::embedded_resource_table();
    EXPECT_EQ(Bytes(embedded.begin(), embedded.end()), read_bytes(generated("resources.bin")));
}

// The program itself carries the table in a section of its own.
TEST(ResourceTable, CarriedByTheExecutable) {
    const Bytes executable = read_bytes(TOVRANE_EXECUTABLE);
    const auto section = resource_tests::elf_section(executable, ".tovrane.resources");
    ASSERT_TRUE(section.has_value()) << TOVRANE_EXECUTABLE << " has no resource section";
    EXPECT_EQ(*section, read_bytes(generated("resources.bin")));
    expect_all_resources(ResourceTable::parse(*section));
}

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

void expect_refused(const Bytes& bytes, const std::string& message) {
    try {
        ResourceTable::parse(bytes);
        ADD_FAILURE() << "accepted; expected: " << message;
    } catch (const ResourceError& error) {
        EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
}

TEST(ResourceTable, EveryTruncationIsRefused) {
    const Bytes bytes = read_bytes(generated("resources.bin"));
    const std::size_t last_data_end = bytes.size();  // the last block ends the table, padding aside
    for (std::size_t size = 0; size + 3 < last_data_end; ++size) {
        const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(ResourceTable::parse(cut), ResourceError) << "cut to " << size << " bytes";
    }
}

TEST(ResourceTable, MalformedFieldsAreNamed) {
    const Bytes good = read_bytes(generated("resources.bin"));
    const std::size_t first_entry = resources::kTableHeaderBytes;

    Bytes bad = good;
    bad[0] = 'X';
    expect_refused(bad, "bad magic at offset 0");

    bad = good;
    put_u32(bad, 4, 2);
    expect_refused(bad, "format version 2 at offset 4");

    bad = good;
    put_u32(bad, 8, 0xFFFFFFFF);
    expect_refused(bad, "entry count 4294967295 at offset 8 does not fit");

    bad = good;
    bad[first_entry + 6] = 1;
    expect_refused(bad, "reserved field at offset 18 is not 0");

    bad = good;
    put_u32(bad, first_entry + 12, 0xFFFFFFF0);
    expect_refused(bad, "resource data at offset 4294967280 runs past the end");

    bad = good;
    put_u32(bad, first_entry + 16, 0xFFFFFFFF);
    expect_refused(bad, "resource data at offset");

    bad = good;
    put_u32(bad, first_entry + 12, 4);
    expect_refused(bad, "data offset 4 at offset 24 points into the entries");

    bad = good;
    // The second entry names the first one's type, identifier and language.
    std::copy(good.begin() + static_cast<std::ptrdiff_t>(first_entry),
              good.begin() + static_cast<std::ptrdiff_t>(first_entry + 6),
              bad.begin() + static_cast<std::ptrdiff_t>(first_entry + resources::kEntryBytes));
    expect_refused(bad, "entry at offset 32 repeats type 16 id 1 language 1033");
}

TEST(ResourceTable, EmptyTableHasNoEntries) {
    const Bytes empty{'T', 'V', 'R', 'S', 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(ResourceTable::parse(empty).entries().empty());
    EXPECT_FALSE(ResourceTable::parse(empty).find(16, 1, 0x0409).has_value());
}

}  // namespace
