#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "numbers.h"
#include "runtime_error.h"

namespace {

int error_number_of(void (*f)()) {
    try {
        f();
    } catch (const rt::Error& e) {
        return e.number();
    }
    return 0;
}

TEST(Numbers, FloorToInt32) {
    EXPECT_EQ(__vbaR8IntI4(1.0), 1);
    EXPECT_EQ(__vbaR8IntI4(2.9999998), 2);
    EXPECT_EQ(__vbaR8IntI4(6.9999996), 6);
    EXPECT_EQ(__vbaR8IntI4(-0.5), -1);  // the floor, not truncation toward zero
    EXPECT_EQ(__vbaR8IntI4(2147483647.9), 2147483647);
    EXPECT_EQ(__vbaR8IntI4(-2147483648.0), std::numeric_limits<std::int32_t>::min());
}

TEST(Numbers, OutOfRangeRaisesOverflowInsteadOfWrapping) {
    for (double v : {2147483648.0, -2147483648.5, 1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        try {
            __vbaR8IntI4(v);
            ADD_FAILURE() << v << " did not raise";
        } catch (const rt::Error& e) {
            EXPECT_EQ(e.kind(), rt::ErrorNumber::overflow) << v;
        }
    }
}

TEST(Numbers, BoundsAndFloatingPointErrorsAreRaised) {
    EXPECT_EQ(error_number_of([] { __vbaGenerateBoundsError(); }), 9);
    EXPECT_EQ(error_number_of([] { __vbaFPException(); }), static_cast<int>(rt::ErrorNumber::floating_point));
}

TEST(Numbers, ClearingLeavesTheThreeFlagsClearAndNoOthersMatter) {
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    EXPECT_TRUE(rt::fp_error_flags_set());
    rt::clear_fp_error_flags();
    EXPECT_FALSE(rt::fp_error_flags_set());
    std::feraiseexcept(FE_INEXACT | FE_UNDERFLOW);
    EXPECT_FALSE(rt::fp_error_flags_set());
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
