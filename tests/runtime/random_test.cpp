#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "random.h"
#include "runtime_error.h"

namespace {

float next() {
    rt::VARIANT missing;
    rt::set_missing(missing);
    return rtcRandomNext(&missing);
}

TEST(Random, ChosenDrawsGiveExactValuesAndNeverOne) {
    rt::random::set_next_draw(0);
    EXPECT_EQ(next(), 0.0f);
    rt::random::set_next_draw(1u << 23);
    EXPECT_EQ(next(), 0.5f);
    rt::random::set_next_draw((1u << 24) - 1);
    const float top = next();
    EXPECT_LT(top, 1.0f);
    EXPECT_EQ(top, std::nextafter(1.0f, 0.0f));
    EXPECT_THROW(rt::random::set_next_draw(1u << 24), rt::Error);
}

TEST(Random, ValuesStayInRangeAndSpreadEvenly) {
    rt::random::set_state(12345);
    std::array<int, 6> buckets{};
    constexpr int kDraws = 60000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(static_cast<double>(r) * 6)];
    }
    for (int count : buckets) EXPECT_NEAR(count, kDraws / 6, 500);
}

TEST(Random, TheSameStateReplaysTheSameSequence) {
    rt::random::set_state(99);
    const float a = next(), b = next();
    rt::random::set_state(99);
    EXPECT_EQ(next(), a);
    EXPECT_EQ(next(), b);
}

TEST(Random, RandomizeSeedsFromTheClockAndTakesOnlyAMissingSeed) {
    rt::VARIANT missing;
    rt::set_missing(missing);
    rt::random::set_state(0);
    rtcRandomize(&missing);
    const std::uint64_t first = rt::random::state();
    EXPECT_NE(first, 0u);
    rtcRandomize(&missing);
    EXPECT_NE(rt::random::state(), first);  // a later time gives another seed

    rt::VARIANT number;
    number.vt = rt::VT_I4;
    number.lVal = 7;
    EXPECT_THROW(rtcRandomize(&number), rt::Error);
    EXPECT_THROW(rtcRandomNext(&number), rt::Error);
    EXPECT_THROW(rtcRandomNext(nullptr), rt::Error);
}

}  // namespace
