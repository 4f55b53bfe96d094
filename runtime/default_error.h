// What the runtime does with an error that no handler traps: it shows the
// error's number and words in a message box under the application title, then
// ends the process with a non-zero status.
#pragma once

#include <exception>

#include "runtime_error.h"

namespace rt {

inline constexpr int kErrorExitStatus = 1;

// The words of the box, e.g. "Run-time error 9:\n\nSubscript out of range".
std::u16string error_box_text(const Error& error);

[[noreturn]] void default_error_handling(const Error& error);

// For any exception: the runtime's errors as they are, running out of memory
// as the out-of-memory error, anything else as an internal error.
[[noreturn]] void default_error_handling(std::exception_ptr error);

}  // namespace rt
