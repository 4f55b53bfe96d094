// A window description with the real layout and settings but 2 x 2 pictures,
// small enough to truncate and mutate at every byte.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> small_description();

// The project image around small_description(), with the real names.
std::vector<std::uint8_t> small_project_image();
