// What the runtime takes from the project's read-only image at start-up.
#pragma once

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
LoadedProject load_project(const void* project_header);

}  // namespace rt
