// The icon maps: the committed maps hold the figure the icon is drawn from,
// and malformed maps are refused with an error that says where and why.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "icon_map.h"
#include "test_files.h"

namespace {

using assets::IconDepth;
using assets::IconMap;
using resource_tests::icon_map_path;

IconMap load(int id) {
    const int size = id == 30003 ? 16 : 32;
    return assets::read_icon_map_file(icon_map_path(id), size, size,
                                      id == 30001 ? IconDepth::two_colours : IconDepth::sixteen_colours);
}

std::map<char, int> letter_counts(const IconMap& map) {
    std::map<char, int> counts;
    for (const std::string& row : map.rows) {
        for (char c : row) ++counts[c];
    }
    return counts;
}

// Opaque pixels by colour, as the figure is drawn.
TEST(IconMaps, HoldTheFigureColourForColour) {
    EXPECT_EQ(letter_counts(load(30001)), (std::map<char, int>{{'.', 1024 - 325}, {'K', 101}, {'W', 224}}));
    EXPECT_EQ(letter_counts(load(30002)),
              (std::map<char, int>{{'.', 1024 - 326}, {'K', 83}, {'W', 190}, {'A', 16}, {'L', 19}, {'G', 18}}));
    EXPECT_EQ(letter_counts(load(30003)),
              (std::map<char, int>{{'.', 256 - 96}, {'K', 42}, {'W', 36}, {'A', 8}, {'L', 4}, {'G', 6}}));
}

TEST(IconMaps, FigureSitsTheRightWayUp) {
    const IconMap large = load(30002);
    EXPECT_EQ(large.at(5, 6), 'K');   // the lone pixel above the top edge
    EXPECT_EQ(large.at(5, 5), '.');
    EXPECT_EQ(large.at(28, 23), 'G');  // the triangle's tip at the lower right
    EXPECT_EQ(large.at(9, 23), 'L');
}

// The two-colour image is the sixteen-colour one folded to black and white,
// except at two pixels of the bottom edge's first step.
TEST(IconMaps, TwoColourImageDiffersFromSixteenColourOnlyAtTwoPixels) {
    const IconMap two = load(30001);
    const IconMap sixteen = load(30002);
    const std::map<char, char> fold{{'.', '.'}, {'K', 'K'}, {'G', 'K'}, {'W', 'W'}, {'A', 'W'}, {'L', 'W'}};
    std::vector<std::pair<int, int>> differ;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (fold.at(sixteen.at(x, y)) != two.at(x, y)) differ.emplace_back(x, y);
        }
    }
    EXPECT_EQ(differ, (std::vector<std::pair<int, int>>{{9, 23}, {9, 24}}));
    EXPECT_EQ(two.at(9, 23), 'K');
    EXPECT_EQ(two.at(9, 24), '.');
}

TEST(IconMapReader, SkipsRulersAndReadsRows) {
    const IconMap map = assets::read_icon_map("    0\n    |\n00  .KW.\n01  WWKK\r\n\n", 4, 2, IconDepth::two_colours, "t");
    EXPECT_EQ(map.rows, (std::vector<std::string>{".KW.", "WWKK"}));
}

TEST(IconMapReader, LetterValues) {
    EXPECT_EQ(assets::colour_index('.', IconDepth::two_colours), 1);  // transparent shows the background inverted
    EXPECT_EQ(assets::colour_index('.', IconDepth::sixteen_colours), 0);
    EXPECT_EQ(assets::colour_index('W', IconDepth::two_colours), 1);
    EXPECT_EQ(assets::colour_index('W', IconDepth::sixteen_colours), 15);
    EXPECT_EQ(assets::colour_index('A', IconDepth::sixteen_colours), 14);
    EXPECT_EQ(assets::colour_index('L', IconDepth::sixteen_colours), 8);
    EXPECT_EQ(assets::colour_index('G', IconDepth::sixteen_colours), 7);
    EXPECT_THROW(assets::colour_index('G', IconDepth::two_colours), assets::MapError);
}

struct MalformedMap {
    const char* file;
    IconDepth depth;
    const char* message;  // a part of the error that must appear
};

class MalformedMaps : public testing::TestWithParam<MalformedMap> {};

TEST_P(MalformedMaps, AreRefusedWithAClearError) {
    const MalformedMap& bad = GetParam();
    const std::string path = resource_tests::test_data(std::string("malformed/") + bad.file);
    try {
        assets::read_icon_map_file(path, 4, 3, bad.depth);
        FAIL() << bad.file << " was accepted";
    } catch (const assets::MapError& error) {
        EXPECT_NE(std::string(error.what()).find(bad.message), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find(bad.file), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedMaps,
    testing::Values(
        MalformedMap{"short-row.txt", IconDepth::two_colours, "line 2: row 1 has 3 pixels, the map is 4 wide"},
        MalformedMap{"long-row.txt", IconDepth::two_colours, "row 1 has 5 pixels"},
        MalformedMap{"missing-row.txt", IconDepth::two_colours, "2 rows, the map must have 3"},
        MalformedMap{"extra-row.txt", IconDepth::two_colours, "line 4: too many rows"},
        MalformedMap{"unknown-letter.txt", IconDepth::sixteen_colours, "column 2: 'X' is not a pixel letter"},
        MalformedMap{"cyan-in-two-colours.txt", IconDepth::two_colours, "'A' is not a pixel letter of a two-colour map"},
        MalformedMap{"rows-out-of-order.txt", IconDepth::two_colours, "row number 2 where row 1 belongs"},
        MalformedMap{"no-row-number.txt", IconDepth::two_colours, "line 2: expected a row number"},
        MalformedMap{"no-space-after-number.txt", IconDepth::two_colours, "expected spaces"},
        MalformedMap{"tab-in-row.txt", IconDepth::two_colours, "byte 0x9 is not a pixel letter"},
        MalformedMap{"empty.txt", IconDepth::two_colours, "0 rows"},
        MalformedMap{"does-not-exist.txt", IconDepth::two_colours, "cannot open"}),
    [](const testing::TestParamInfo<MalformedMap>& param_info) {
        std::string name = param_info.param.file;
        name = name.substr(0, name.find('.'));
        for (char& c : name) if (c == '-') c = '_';
        return name;
    });

}  // namespace
