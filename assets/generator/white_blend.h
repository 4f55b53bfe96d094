// Lays white over a picture pixel by the share of it that the words cover.
#pragma once

#include "bmp_writer.h"

namespace assets {

// coverage 0..16 sixteenths: 0 and 1 leave the pixel, 16 makes it white, and
// 2..15 blend white in with opacity (coverage / 16)^(1 / 2.33), each channel
// floored. Throws std::invalid_argument outside 0..16.
Rgb blend_white(Rgb under, int coverage);

}  // namespace assets
