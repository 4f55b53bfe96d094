// What the runtime takes from the project's read-only image at start-up.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "window_settings.h"

namespace rt {

struct LoadedProject {
    std::string application_title;  // shown on every message box given no title
    WindowSettings window;           // the start-up window and its button
};

// Follows the project header to the window list and reads the window
// description it names. `project_header` is the start of the image that the
// process entry hands to ThunRTMain. Bad data raises an error that names the
// failed check and its byte offset.
//
// The header comes with no length of its own: the image is taken to reach as
// far as the header's own fields say (its texts, the window list entry and
// the description it names), and everything is then read within that extent.
LoadedProject load_project(const void* project_header);

// The same, over an image of known length; nothing outside `image` is read.
LoadedProject load_project(std::span<const std::uint8_t> image);

}  // namespace rt
