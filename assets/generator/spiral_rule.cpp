#include "spiral_rule.h"

#include <cmath>
#include <numbers>

namespace assets {

int spiral_shade_step(int x, int y) {
    // Offsets from the centre pixel (320, 239), with dy growing upward.
    const double dx = x - 320;
    const double dy = 239 - y;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double theta = std::atan2(dy, dx);

    // Turn count: a quintic in u = r / 400, so the turns widen outward.
    const double u = r / 400.0;
    const double g = -0.1018581 +
                     u * (10.885287 + u * (-5.520106 + u * (4.306914 + u * (-2.759032 + u * 0.7813231))));

    double psi = g - theta / (2.0 * std::numbers::pi);
    psi -= std::floor(psi);

    // Within 32 pixels of the centre the arm fades into black.
    const double fade = r < 32.0 ? r / 32.0 : 1.0;
    const double brightness = fade * (1.0 - std::cos(2.0 * std::numbers::pi * psi)) / 2.0;
    return static_cast<int>(std::floor(6.0 * brightness + 0.5));
}

}  // namespace assets
