#include "white_blend.h"

#include <cmath>
#include <stdexcept>

namespace assets {
namespace {

std::uint8_t blend_channel(std::uint8_t c, double alpha) {
    return static_cast<std::uint8_t>(std::floor(c + alpha * (255.0 - c)));
}

}  // namespace

Rgb blend_white(Rgb under, int coverage) {
    if (coverage < 0 || coverage > 16) {
        throw std::invalid_argument("blend_white: coverage " + std::to_string(coverage) + " outside 0..16");
    }
    if (coverage <= 1) return under;
    if (coverage == 16) return Rgb{255, 255, 255};
    // The gamma-like exponent makes thin edges stand out against the dark spiral.
    const double alpha = std::pow(coverage / 16.0, 1.0 / 2.33);
    return Rgb{blend_channel(under.red, alpha), blend_channel(under.green, alpha), blend_channel(under.blue, alpha)};
}

}  // namespace assets
