// Start-up: from the project header to a running window.
#pragma once

#include <memory>

#include "form_class.h"
#include "form_window.h"

namespace rt {

struct RunningProgram {
    std::unique_ptr<FormWindow> window;
    FormObject* instance = nullptr;  // holds the runtime's reference for the whole run
    const FormClass* form_class = nullptr;
};

// Reads the project, builds the start-up window and its button, creates the
// window instance, raises the load event once and shows the window. A click on
// the button then raises the button's click event. Errors are raised, not handled.
RunningProgram start_program(const void* project_header);

}  // namespace rt

// Runs the whole program: start-up, the event loop, and the end of the process
// when the window closes (status 0). An error that no handler traps ends the
// process through the default handling. Never returns.
[[noreturn]] void ThunRTMain(const void* project_header);
