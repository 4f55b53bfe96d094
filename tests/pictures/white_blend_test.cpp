// Blending white over spiral pixels by coverage.
#include <gtest/gtest.h>

#include <stdexcept>

#include "white_blend.h"

namespace {

using assets::blend_white;
using assets::Rgb;

TEST(WhiteBlend, WorkedExamples) {
    // (blue, green, red) (0, 0, 175) at k = 2 and (0, 0, 43) at k = 12.
    EXPECT_EQ(blend_white(Rgb{175, 0, 0}, 2), (Rgb{207, 104, 104}));
    EXPECT_EQ(blend_white(Rgb{43, 0, 0}, 12), (Rgb{230, 225, 225}));
}

TEST(WhiteBlend, LevelOverBlackForEachCoverage) {
    const int levels[] = {104, 124, 140, 154, 167, 178, 189, 199, 208, 217, 225, 233, 240, 248};
    for (int k = 2; k <= 15; ++k) {
        const Rgb p = blend_white(Rgb{0, 0, 0}, k);
        EXPECT_EQ(p, (Rgb{p.red, p.red, p.red})) << "k=" << k;
        EXPECT_EQ(p.red, levels[k - 2]) << "k=" << k;
    }
}

TEST(WhiteBlend, FloorsWithTheExactOpacity) {
    // 43 + 0.7013 * 212 = 191.68: rounding would give 192, and blending with
    // the level 178 / 255 instead of the opacity would give 190.
    EXPECT_EQ(blend_white(Rgb{43, 0, 0}, 7), (Rgb{191, 178, 178}));
}

TEST(WhiteBlend, NoneFaintFullAndOutOfRange) {
    const Rgb red{131, 0, 0};
    EXPECT_EQ(blend_white(red, 0), red);
    EXPECT_EQ(blend_white(red, 1), red);
    EXPECT_EQ(blend_white(red, 16), (Rgb{255, 255, 255}));
    EXPECT_THROW(blend_white(red, -1), std::invalid_argument);
    EXPECT_THROW(blend_white(red, 17), std::invalid_argument);
}

}  // namespace
