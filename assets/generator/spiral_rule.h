// The rule that gives every pixel of the red-and-black spiral.
#pragma once

#include <array>
#include <cstdint>

namespace assets {

inline constexpr int kSpiralWidth = 640;
inline constexpr int kSpiralHeight = 480;

// Red byte for each shade step 0..6; the steps are deliberately uneven.
inline constexpr std::array<std::uint8_t, 7> kSpiralReds = {0, 43, 87, 131, 175, 215, 255};

// Shade step (0..6) of pixel (x, y), y counted from the top.
int spiral_shade_step(int x, int y);

}  // namespace assets
