// The runtime's random generator: one sequence for the whole run, seeded once
// from the system clock. Each value has 24 random bits, divided by 2^24, so it
// is exact in single precision and 0 <= r < 1 always holds.
#pragma once

#include <cstdint>

#include "variant.h"

// Seeds the generator from the system clock. Only a missing seed is accepted.
void rtcRandomize(const rt::VARIANT* seed);

// The next value r of the sequence, 0 <= r < 1. Only a missing argument is
// accepted (no other form of the call is used).
float rtcRandomNext(const rt::VARIANT* missing);

namespace rt::random {

// The generator's whole state, for tests that compare or replay sequences.
std::uint64_t state();
void set_state(std::uint64_t state);

// Sets the state so that the next value drawn is exactly bits / 2^24
// (bits below 2^24), for tests that need a chosen r.
void set_next_draw(std::uint32_t bits);

}  // namespace rt::random
