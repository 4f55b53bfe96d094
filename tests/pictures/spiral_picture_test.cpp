// The generated spiral picture, read back from its BMP file.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bmp_file.h"

namespace {

using picture_tests::BmpFile;
using picture_tests::Pixel;

const BmpFile& spiral() {
    static const BmpFile file(TOVRANE_SPIRAL_BMP);
    return file;
}

// "first-last" for each run of pixels of the given red along a line.
template <typename RedAt>
std::string runs_of(int red, int length, RedAt red_at) {
    std::ostringstream out;
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool in_run = i < length && red_at(i) == red;
        if (in_run && start < 0) start = i;
        if (!in_run && start >= 0) {
            out << start << '-' << i - 1 << ' ';
            start = -1;
        }
    }
    return out.str();
}

TEST(SpiralPicture, HeaderFields) {
    const BmpFile& f = spiral();
    EXPECT_EQ(f.bytes().size(), 921'654u);
    EXPECT_EQ(f.bytes()[0], 'B');
    EXPECT_EQ(f.bytes()[1], 'M');
    EXPECT_EQ(f.u32(2), 921'654u);
    EXPECT_EQ(f.u16(6), 0u);
    EXPECT_EQ(f.u16(8), 0u);
    EXPECT_EQ(f.u32(10), 54u);
    EXPECT_EQ(f.u32(14), 40u);
    EXPECT_EQ(f.i32(18), 640);
    EXPECT_EQ(f.i32(22), 480);
    EXPECT_EQ(f.u16(26), 1u);
    EXPECT_EQ(f.u16(28), 24u);
    EXPECT_EQ(f.u32(30), 0u);
    EXPECT_EQ(f.u32(34), 921'600u);
    for (std::size_t offset : {38u, 42u, 46u, 50u}) EXPECT_EQ(f.u32(offset), 0u) << "offset " << offset;
}

TEST(SpiralPicture, CornersAndStoredOrder) {
    const BmpFile& f = spiral();
    const auto& b = f.bytes();
    // The first stored pixel is the bottom-left one, the last the top-right one.
    EXPECT_EQ((std::array{b[54], b[55], b[56]}), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ((std::array{b[b.size() - 3], b[b.size() - 2], b[b.size() - 1]}), (std::array<std::uint8_t, 3>{0, 0, 255}));
    EXPECT_EQ(f.at(0, 0), (Pixel{0, 0, 87}));
    EXPECT_EQ(f.at(639, 479), (Pixel{0, 0, 175}));
}

TEST(SpiralPicture, SevenRedsAndRuleCounts) {
    const BmpFile& f = spiral();
    std::map<int, int> counts;
    int not_pure_red = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Pixel p = f.at(x, y);
            if (p.green != 0 || p.blue != 0) ++not_pure_red;
            ++counts[p.red];
        }
    }
    EXPECT_EQ(not_pure_red, 0);
    const std::map<int, int> rule_counts = {{0, 57'145},  {43, 45'429},  {87, 35'180}, {131, 33'038},
                                            {175, 35'053}, {215, 45'026}, {255, 56'329}};
    EXPECT_EQ(counts, rule_counts);
}

TEST(SpiralPicture, BlackCentre) {
    const BmpFile& f = spiral();
    int near = 0;
    for (int y = 230; y <= 248; ++y) {
        for (int x = 311; x <= 329; ++x) {
            if (std::hypot(x - 320, y - 239) < 32.0 / 12.0) {
                ++near;
                EXPECT_EQ(f.at(x, y), (Pixel{0, 0, 0})) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(near, 21);
}

TEST(SpiralPicture, RunsAlongTheMiddleRow) {
    const BmpFile& f = spiral();
    const auto row239 = [&](int x) { return f.at(x, 239).red; };
    // Black: five bands to the left, one in the fade (294-302), the centre
    // (318-330) and six to the right.
    EXPECT_EQ(runs_of(0, 640, row239),
              "50-60 107-117 160-168 208-216 253-260 294-302 318-330 359-366 401-409 447-455 497-506 551-561 609-620 ");
    EXPECT_EQ(runs_of(255, 640, row239),
              "20-31 79-89 134-143 185-193 231-239 274-281 380-387 424-432 472-480 523-533 580-590 ");
}

TEST(SpiralPicture, BlackBandsDownTheMiddleColumn) {
    const BmpFile& f = spiral();
    // With row 239 this gives the band middles by distance from the centre:
    // 42.5 right, 53 up (186), 63.5 left, 74.5 down (313.5): one arm, wound
    // counter-clockwise on the way out.
    const auto column320 = [&](int y) { return f.at(320, y).red; };
    EXPECT_EQ(runs_of(0, 480, column320), "40-49 91-100 139-146 183-189 222-243 268-275 310-317 355-362 403-412 456-465 ");
}

}  // namespace
