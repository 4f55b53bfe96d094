// The version block: its exact layout as a readable dump, and the writer's
// handling of lengths and alignment for other values.
#include <gtest/gtest.h>

#include <string>

#include "test_files.h"
#include "version_block.h"
#include "version_dump.h"
#include "version_values.h"

namespace {

using resource_tests::dump_version_block;
using resource_tests::generated;
using resource_tests::read_bytes;
using Bytes = std::vector<std::uint8_t>;

// Offsets, lengths, keys, value lengths, types and values of every node.
TEST(VersionBlock, MatchesTheExpectedDump) {
    const std::string dump = dump_version_block(read_bytes(generated("version.bin")));
    EXPECT_EQ(dump, resource_tests::read_text(resource_tests::test_data("expected/version-block.txt")));
}

TEST(VersionBlock, RootLengthIsTheWholeBlock) {
    const Bytes block = read_bytes(generated("version.bin"));
    EXPECT_EQ(resource_tests::u16_at(block, 0), block.size());
    EXPECT_EQ(resource_tests::u16_at(block, 2), 52);  // the fixed file information
    EXPECT_EQ(resource_tests::u32_at(block, 40), 0xFEEF04BDu);
}

// The string table's key spells out the one translation pair.
TEST(VersionBlock, TranslationAgreesWithTheStringTableKey) {
    const std::string dump = dump_version_block(read_bytes(generated("version.bin")));
    // "Translation length 36 value 4 binary: 0409 04B0"
    const std::string translation_mark = "Translation length 36 value 4 binary: ";
    const std::size_t translation = dump.find(translation_mark);
    ASSERT_NE(translation, std::string::npos) << dump;
    const std::string pair = dump.substr(translation + translation_mark.size(), 9);
    // The table is the one child of StringFileInfo: "<offset> <key> length ..."
    const std::size_t string_file_info = dump.find("StringFileInfo");
    ASSERT_NE(string_file_info, std::string::npos);
    const std::size_t table_line = dump.find('\n', string_file_info) + 1;
    const std::size_t key_at = dump.find_first_not_of(' ', table_line) + 5;
    const std::string key = dump.substr(key_at, dump.find(' ', key_at) - key_at);
    EXPECT_EQ(key, pair.substr(0, 4) + pair.substr(5, 4));
    EXPECT_EQ(key, "040904B0");
    EXPECT_EQ(assets::string_table_key(assets::tovrane_version_values()), key);
}

TEST(VersionBlock, WritesOnlyTheGivenStrings) {
    assets::VersionValues values = assets::tovrane_version_values();
    values.strings = {{"A", ""}, {"BC", "x"}, {"DEF", "yz"}};
    const std::string dump = dump_version_block(assets::encode_version_block(values));
    // Lengths land on odd and even character counts; the walker checks each
    // node's alignment and that every length ends on its last child.
    EXPECT_NE(dump.find("A length 14 value 1 text: \"\"\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("BC length 16 value 2 text: \"x\"\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("DEF length 22 value 3 text: \"yz\"\n"), std::string::npos) << dump;
    EXPECT_EQ(dump.find("ProductName"), std::string::npos);
}

TEST(VersionBlock, EmptyStringTable) {
    assets::VersionValues values = assets::tovrane_version_values();
    values.strings.clear();
    const std::string dump = dump_version_block(assets::encode_version_block(values));
    EXPECT_NE(dump.find("040904B0 length 24 value 0 text\n"), std::string::npos) << dump;
}

TEST(VersionBlock, RefusesWhatItCannotWrite) {
    assets::VersionValues values = assets::tovrane_version_values();
    values.strings = {{"Comments", std::string(40000, 'x')}};  // over the 16-bit length
    EXPECT_THROW(assets::encode_version_block(values), std::length_error);
    values.strings = {{"Comments", "caf\xC3\xA9"}};
    EXPECT_THROW(assets::encode_version_block(values), std::invalid_argument);
}

TEST(VersionDump, CatchesAMisplacedLength) {
    Bytes block = read_bytes(generated("version.bin"));
    block[0x5C] = static_cast<std::uint8_t>(block[0x5C] + 2);  // VarFileInfo claims two bytes more
    EXPECT_THROW(dump_version_block(block), std::runtime_error);
}

}  // namespace
