#include "random.h"

#include <chrono>

#include "runtime_error.h"

namespace {

// A 64-bit linear congruential generator; its top 24 bits are the draw. The
// top bits of such a generator have the full period 2^64.
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

std::uint64_t g_state = 0x853C49E6748FEA9BULL;

constexpr std::uint64_t inverse_of_multiplier() {
    std::uint64_t x = kMultiplier;  // Newton's iteration for the inverse modulo 2^64
    for (int i = 0; i < 6; ++i) x *= 2 - kMultiplier * x;
    return x;
}
static_assert(inverse_of_multiplier() * kMultiplier == 1);

void require_missing(const rt::VARIANT* v, const char* operation) {
    if (!v || !rt::is_missing(*v)) rt::raise(rt::ErrorNumber::invalid_call, std::string(operation) + " takes only a missing argument");
}

}  // namespace

void rtcRandomize(const rt::VARIANT* seed) {
    require_missing(seed, "rtcRandomize");
    // Mix the clock's nanoseconds so that runs started close together differ everywhere.
    auto z = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    g_state = z ^ (z >> 31);
}

float rtcRandomNext(const rt::VARIANT* missing) {
    require_missing(missing, "rtcRandomNext");
    g_state = g_state * kMultiplier + kIncrement;
    const auto bits = static_cast<std::uint32_t>(g_state >> 40);
    return static_cast<float>(bits) / 16777216.0f;  // exact: 24 bits fit the significand
}

namespace rt::random {

std::uint64_t state() { return g_state; }
void set_state(std::uint64_t s) { g_state = s; }

void set_next_draw(std::uint32_t bits) {
    if (bits >= (1u << 24)) raise(ErrorNumber::invalid_call, "A draw has 24 bits");
    const std::uint64_t next = static_cast<std::uint64_t>(bits) << 40;
    g_state = (next - kIncrement) * inverse_of_multiplier();
}

}  // namespace rt::random
