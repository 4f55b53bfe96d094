#include "numbers.h"

#include <cfenv>
#include <cmath>

#include "runtime_error.h"

std::int32_t __vbaR8IntI4(double value) {
    const double floored = std::floor(value);
    // NaN fails both comparisons and so lands here too.
    if (!(floored >= -2147483648.0 && floored <= 2147483647.0)) rt::raise(rt::ErrorNumber::overflow);
    return static_cast<std::int32_t>(floored);
}

void __vbaGenerateBoundsError() { rt::raise(rt::ErrorNumber::subscript_out_of_range); }

void __vbaFPException() { rt::raise(rt::ErrorNumber::floating_point); }

namespace rt {

void clear_fp_error_flags() { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }

bool fp_error_flags_set() { return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0; }

}  // namespace rt
