// Number conversion and the errors raised by the handlers' own checks.
#pragma once

#include <cstdint>

// The floor of `value` as a 32-bit integer. A value outside the 32-bit range
// (or not a number) raises the overflow error instead of wrapping.
std::int32_t __vbaR8IntI4(double value);

// Raise the subscript-out-of-range and floating-point errors. They never return.
[[noreturn]] void __vbaGenerateBoundsError();
[[noreturn]] void __vbaFPException();

namespace rt {

// Clears the invalid-operation, division-by-zero and overflow flags. The
// runtime does this before every handler so that a flag left by toolkit code
// never turns into an error.
void clear_fp_error_flags();

// Whether any of those three flags is set.
bool fp_error_flags_set();

}  // namespace rt

namespace rt {

// Makes `value` be computed here, in full, before anything that follows: the
// compiler may neither fold the computation away nor move it past a later
// test of the floating-point flags.
inline void keep_computed_here(double& value) { asm volatile("" : "+m"(value) : : "memory"); }

}  // namespace rt
