// The generated button picture, read back from its BMP file and compared with
// the spiral picture under it.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bmp_file.h"

namespace {

using picture_tests::BmpFile;
using picture_tests::Pixel;

constexpr int kInkLeft = 244, kInkRight = 392, kInkTop = 232, kInkBottom = 247;

// Blue (= green) of a blended pixel for each coverage k, and the opacity to
// four places that gives it.
const std::map<int, int> kLevelOfCoverage = {{2, 104},  {3, 124},  {4, 140},  {5, 154},  {6, 167},
                                             {7, 178},  {8, 189},  {9, 199},  {10, 208}, {11, 217},
                                             {12, 225}, {13, 233}, {14, 240}, {15, 248}, {16, 255}};
const std::map<int, double> kOpacity = {{2, 0.4096},  {3, 0.4875},  {4, 0.5516},  {5, 0.6070},  {6, 0.6564},
                                        {7, 0.7013},  {8, 0.7427},  {9, 0.7812},  {10, 0.8173}, {11, 0.8515},
                                        {12, 0.8838}, {13, 0.9147}, {14, 0.9443}, {15, 0.9727}};

class ButtonPicture : public ::testing::Test {
protected:
    static const BmpFile& button() {
        static const BmpFile file(TOVRANE_BUTTON_BMP);
        return file;
    }
    static const BmpFile& spiral() {
        static const BmpFile file(TOVRANE_SPIRAL_BMP);
        return file;
    }
    static bool changed(int x, int y) { return button().at(x, y) != spiral().at(x, y); }

    // The coverage k that the words left on a pixel, read back from its blue:
    // 0 where the spiral is unchanged, -1 where the blue is no level of the table.
    static int coverage(int x, int y) {
        if (x < 0 || x >= 640 || y < 0 || y >= 480 || !changed(x, y)) return 0;
        const int blue = button().at(x, y).blue;
        for (const auto& [k, level] : kLevelOfCoverage) {
            if (level == blue) return k;
        }
        return -1;
    }
    static bool white(int x, int y) { return coverage(x, y) == 16; }

    // Columns with ink on row y between x0 and x1, as "a-b" runs.
    static std::string ink_runs(int y, int x0, int x1) {
        std::ostringstream out;
        int start = -1;
        for (int x = x0; x <= x1 + 1; ++x) {
            const bool ink = x <= x1 && changed(x, y);
            if (ink && start < 0) start = x;
            if (!ink && start >= 0) {
                out << start << '-' << x - 1 << ' ';
                start = -1;
            }
        }
        return out.str();
    }
    // Rows with ink in column x, as a list.
    static std::string ink_rows(int x) {
        std::ostringstream out;
        for (int y = kInkTop - 1; y <= kInkBottom + 1; ++y) {
            if (changed(x, y)) out << y << ' ';
        }
        return out.str();
    }
};

TEST_F(ButtonPicture, HeaderDiffersFromTheSpiralsInThreeFields) {
    const auto& b = button().bytes();
    const auto& s = spiral().bytes();
    ASSERT_EQ(b.size(), 923'574u);
    EXPECT_EQ(button().u32(2), 923'574u);
    EXPECT_EQ(button().i32(22), 481);
    EXPECT_EQ(button().u32(34), 923'520u);
    for (std::size_t offset = 0; offset < 54; ++offset) {
        const bool one_of_the_three = (offset >= 2 && offset < 6) || (offset >= 22 && offset < 26) || (offset >= 34 && offset < 38);
        if (!one_of_the_three) {
            EXPECT_EQ(b[offset], s[offset]) << "header byte " << offset;
        }
    }
}

TEST_F(ButtonPicture, BottomRowIsWhite) {
    const auto& b = button().bytes();
    for (std::size_t i = 54; i < 54 + 1920; ++i) ASSERT_EQ(b[i], 255) << "byte " << i;
    for (int x = 0; x < 640; ++x) ASSERT_EQ(button().at(x, 480), (Pixel{255, 255, 255})) << "column " << x;
}

TEST_F(ButtonPicture, EqualsTheSpiralOutsideTheInkBox) {
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (!changed(x, y)) continue;
            const bool in_box = x >= kInkLeft && x <= kInkRight && y >= kInkTop && y <= kInkBottom;
            (in_box ? inside : outside) += 1;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(inside, 815);
    EXPECT_EQ(ink_runs(231, 0, 639), "");
    EXPECT_EQ(ink_runs(248, 0, 639), "");
}

TEST_F(ButtonPicture, ChangedPixelsAreWhiteOrWhiteBlends) {
    int whites = 0, smoothed = 0;
    std::set<int> blues;
    for (int y = kInkTop; y <= kInkBottom; ++y) {
        for (int x = kInkLeft; x <= kInkRight; ++x) {
            if (!changed(x, y)) continue;
            const Pixel p = button().at(x, y);
            const Pixel under = spiral().at(x, y);
            EXPECT_EQ(p.blue, p.green) << x << "," << y;
            EXPECT_GE(p.red, under.red) << x << "," << y;
            EXPECT_GE(p.red, p.blue) << x << "," << y;
            blues.insert(p.blue);
            (p == Pixel{255, 255, 255} ? whites : smoothed) += 1;
        }
    }
    EXPECT_EQ(whites, 546);
    EXPECT_EQ(smoothed, 269);
    EXPECT_EQ(blues, (std::set<int>{104, 124, 140, 154, 167, 178, 189, 199, 208, 217, 225, 233, 240, 248, 255}));
}

TEST_F(ButtonPicture, PixelsAtEachCoverage) {
    std::map<int, int> counts;
    for (int y = kInkTop; y <= kInkBottom; ++y) {
        for (int x = kInkLeft; x <= kInkRight; ++x) {
            if (changed(x, y)) ++counts[coverage(x, y)];
        }
    }
    const std::map<int, int> expected = {{2, 17},  {3, 35},  {4, 18},  {5, 16},  {6, 20},
                                         {7, 5},   {8, 8},   {9, 11},  {10, 18}, {11, 16},
                                         {12, 29}, {13, 22}, {14, 25}, {15, 29}, {16, 546}};
    EXPECT_EQ(counts, expected);  // a key -1 would be a blue that is no level
}

TEST_F(ButtonPicture, BlendsFollowTheFourPlaceOpacities) {
    for (int y = kInkTop; y <= kInkBottom; ++y) {
        for (int x = kInkLeft; x <= kInkRight; ++x) {
            const int k = coverage(x, y);
            if (k < 2 || k > 15) continue;
            const double alpha = kOpacity.at(k);
            const int c = spiral().at(x, y).red;
            EXPECT_EQ(button().at(x, y).red, static_cast<int>(std::floor(c + alpha * (255 - c)))) << x << "," << y << " k=" << k;
            EXPECT_EQ(button().at(x, y).blue, static_cast<int>(std::floor(alpha * 255))) << x << "," << y << " k=" << k;
        }
    }
}

TEST_F(ButtonPicture, EightyNineColours) {
    std::set<Pixel> colours;
    std::set<Pixel> blends;
    for (int y = 0; y < 481; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Pixel p = button().at(x, y);
            colours.insert(p);
            if (p.blue != 0 && p.blue != 255) blends.insert(p);
        }
    }
    EXPECT_EQ(colours.size(), 89u);
    EXPECT_EQ(blends.size(), 81u);
}

TEST_F(ButtonPicture, InkOnTheBoxEdges) {
    EXPECT_EQ(ink_runs(232, 0, 639), "250-251 265-268 365-365 369-371 ");
    for (int y = 244; y <= 246; ++y) EXPECT_EQ(ink_runs(y, 0, 639), "331-333 ") << "row " << y;
    EXPECT_EQ(ink_runs(247, 0, 639), "330-334 ");
    EXPECT_EQ(ink_rows(244), "243 ");
    EXPECT_EQ(ink_rows(392), "243 ");
    EXPECT_EQ(ink_rows(243), "");
    EXPECT_EQ(ink_rows(393), "");
}

struct Letter {
    char name;
    int left, right, top, bottom;
};
const std::vector<Letter> kLetters = {
    {'A', 244, 256, 232, 243}, {'s', 258, 263, 235, 243}, {'k', 265, 275, 232, 243}, {'m', 281, 295, 235, 243},
    {'e', 297, 303, 235, 243}, {'a', 311, 319, 235, 243}, {'q', 326, 334, 235, 247}, {'u', 335, 344, 235, 243},
    {'e', 346, 352, 235, 243}, {'s', 355, 360, 235, 243}, {'t', 362, 367, 232, 243}, {'i', 368, 372, 232, 243},
    {'o', 374, 381, 235, 243}, {'n', 383, 392, 235, 243}};

TEST_F(ButtonPicture, EachLetterFillsItsBox) {
    for (const Letter& l : kLetters) {
        int left = 999, right = -1, top = 999, bottom = -1;
        for (int y = kInkTop; y <= kInkBottom; ++y) {
            for (int x = l.left; x <= l.right; ++x) {
                if (!changed(x, y)) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        EXPECT_EQ(std::vector({left, right, top, bottom}), std::vector({l.left, l.right, l.top, l.bottom}))
            << "letter " << l.name << " at column " << l.left;
    }
}

TEST_F(ButtonPicture, SpacingAndWordGaps) {
    // Columns of the ink box that no letter's box holds: one between most
    // letters, two between e and s, none at q|u and t|i, and the word spaces.
    std::ostringstream empty;
    for (int x = kInkLeft; x <= kInkRight; ++x) {
        bool in_letter = false;
        for (const Letter& l : kLetters) in_letter = in_letter || (x >= l.left && x <= l.right);
        if (in_letter) continue;
        empty << x << ' ';
        for (int y = kInkTop; y <= kInkBottom; ++y) EXPECT_FALSE(changed(x, y)) << x << "," << y;
    }
    EXPECT_EQ(empty.str(),
              "257 264 276 277 278 279 280 296 304 305 306 307 308 309 310 320 321 322 323 324 325 "
              "345 353 354 361 373 382 ");
    // q and u do not touch; t and i do, on the bar row and on the baseline row.
    for (int y = kInkTop; y <= kInkBottom; ++y) {
        if (!changed(334, y)) continue;
        for (int dy = -1; dy <= 1; ++dy) EXPECT_FALSE(changed(335, y + dy)) << "q touches u near row " << y;
    }
    EXPECT_TRUE(changed(367, 235) && changed(368, 235));
    EXPECT_TRUE(changed(367, 243) && changed(368, 243));
}

TEST_F(ButtonPicture, StemsOnRow238AreThreeWhitePixels) {
    for (const int left : {266, 282, 287, 292, 331, 336, 341, 363, 369, 384, 389}) {
        EXPECT_EQ(ink_runs(238, left - 1, left + 3), std::to_string(left) + "-" + std::to_string(left + 2) + " ") << "stem " << left;
        for (int x = left; x < left + 3; ++x) EXPECT_TRUE(white(x, 238)) << "stem " << left << " column " << x;
    }
}

TEST_F(ButtonPicture, FootSerifsOnTheBaselineRow) {
    EXPECT_EQ(ink_runs(243, 244, 256), "244-248 251-256 ");  // A
    EXPECT_EQ(ink_runs(243, 265, 275), "265-269 271-275 ");  // k
    EXPECT_EQ(ink_runs(243, 281, 295), "281-285 287-290 292-295 ");  // m
    EXPECT_EQ(ink_runs(243, 383, 392), "383-387 389-392 ");  // n
    for (int x = 341; x <= 344; ++x) EXPECT_TRUE(changed(x, 243)) << "u foot " << x;
    EXPECT_FALSE(changed(345, 243));
}

TEST_F(ButtonPicture, MarksOfTheLetters) {
    // A: apex, crossbar, and a left stroke that is a hairline but for the crossbar and feet.
    EXPECT_TRUE(changed(250, 232));
    EXPECT_EQ(ink_runs(240, 246, 254), "246-254 ");
    for (int y = 233; y <= 242; ++y) {
        if (y == 240) continue;
        for (int x = 244; x <= 249; ++x) EXPECT_FALSE(white(x, y)) << "A hairline " << x << "," << y;
    }
    // k: serifs at the top of the stem and of the arm.
    EXPECT_EQ(ink_runs(235, 270, 275), "272-274 ");
    // e: left side and the bar on row 238.
    for (const int left : {297, 346}) {
        EXPECT_EQ(ink_runs(238, left, left + 6), std::to_string(left) + "-" + std::to_string(left + 6) + " ");
        for (int x = left; x < left + 3; ++x) EXPECT_TRUE(white(x, 239) && white(x, 240)) << "e side " << x;
    }
    // a, q, o: stems and bowl sides are three white pixels across.
    for (const int x : {311, 312, 313, 316, 317, 318}) EXPECT_TRUE(white(x, 241)) << "a " << x;
    for (const int x : {326, 327, 328}) EXPECT_TRUE(white(x, 239)) << "q bowl " << x;
    for (int y = 236; y <= 247; ++y) {
        for (const int x : {331, 332, 333}) EXPECT_TRUE(white(x, y)) << "q stem " << x << "," << y;
    }
    for (const int x : {374, 375, 376, 379, 380, 381}) EXPECT_TRUE(white(x, 239)) << "o side " << x;
    // o: thin at top and bottom, its counter open between.
    EXPECT_EQ(ink_rows(377), "235 243 ");
    EXPECT_EQ(ink_rows(378), "235 243 ");
    // t: its top starts in column 365 on row 232; its bar on row 235 runs into the i.
    EXPECT_EQ(ink_runs(235, 362, 372), "362-371 ");
    // i: a dot white in column 370, then an empty row above the stem.
    EXPECT_TRUE(white(370, 232) || white(370, 233));
    EXPECT_EQ(ink_runs(234, 366, 373), "");
    // Counters of m, n and u are two columns wide.
    for (const int x : {285, 286, 290, 291, 339, 340, 387, 388}) {
        for (int y = 238; y <= 241; ++y) EXPECT_FALSE(changed(x, y)) << "counter " << x << "," << y;
    }
}

}  // namespace
