// Reading the words' coverage map, the shipped one and malformed ones.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "coverage_map.h"

namespace {

using assets::CoverageBox;
using assets::CoverageMapError;
using assets::parse_coverage_map;

constexpr CoverageBox kSmall{10, 20, 4, 2};

std::string error_of(const std::string& text) {
    try {
        parse_coverage_map(text, kSmall, "test.coverage");
    } catch (const CoverageMapError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CoverageMap, ReadsLevelsAtTheirPlaces) {
    const auto map = parse_coverage_map("// comment\n\n20 .29a\r\n21 f#..\n", kSmall, "test.coverage");
    EXPECT_EQ(map.at(10, 20), 0);
    EXPECT_EQ(map.at(11, 20), 2);
    EXPECT_EQ(map.at(12, 20), 9);
    EXPECT_EQ(map.at(13, 20), 10);
    EXPECT_EQ(map.at(10, 21), 15);
    EXPECT_EQ(map.at(11, 21), 16);
    // Outside the box nothing is covered.
    EXPECT_EQ(map.at(9, 20), 0);
    EXPECT_EQ(map.at(14, 21), 0);
    EXPECT_EQ(map.at(11, 22), 0);
    EXPECT_EQ(map.at(-5, -5), 0);
}

TEST(CoverageMap, RejectsMalformedMaps) {
    EXPECT_EQ(error_of("20 ....\n"), "test.coverage:1: only 1 of 2 rows");
    EXPECT_EQ(error_of(""), "test.coverage:0: only 0 of 2 rows");
    EXPECT_EQ(error_of("20 ....\n21 ....\n22 ....\n"), "test.coverage:3: more than 2 rows");
    EXPECT_EQ(error_of("20 ....\n21 .....\n"), "test.coverage:2: row 21 has 5 pixels, not 4");
    EXPECT_EQ(error_of("20 ...\n21 ....\n"), "test.coverage:1: row 20 has 3 pixels, not 4");
    EXPECT_EQ(error_of("20 ..x.\n21 ....\n"), "test.coverage:1: column 12: 'x' is not a coverage ('.', '2'-'9', 'a'-'f' or '#')");
    EXPECT_EQ(error_of("20 ...1\n21 ....\n"), "test.coverage:1: column 13: '1' is not a coverage ('.', '2'-'9', 'a'-'f' or '#')");
    EXPECT_EQ(error_of("20 ....\n20 ....\n"), "test.coverage:2: row 20 where row 21 belongs");
    EXPECT_EQ(error_of("....\n21 ....\n"), "test.coverage:1: expected a row number, a space and the row's pixels");
    EXPECT_EQ(error_of("2x ....\n21 ....\n"), "test.coverage:1: expected a row number, a space and the row's pixels");
    EXPECT_EQ(error_of("# comment\n20 ....\n21 ....\n"), "test.coverage:1: expected a row number, a space and the row's pixels");
}

TEST(CoverageMap, ShippedMapFitsTheInkBox) {
    std::ifstream in(TOVRANE_WORDS_COVERAGE, std::ios::binary);
    ASSERT_TRUE(in) << TOVRANE_WORDS_COVERAGE;
    std::ostringstream text;
    text << in.rdbuf();
    const auto map = parse_coverage_map(text.str(), assets::kWordsBox, TOVRANE_WORDS_COVERAGE);
    EXPECT_EQ(map.levels.size(), 149u * 16u);
}

}  // namespace
