// The runtime's modal boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text.h"
#include "variant.h"

// A modal box with `title` and `prompt` (texts), an empty entry, OK and
// Cancel, at the window manager's default place. Returns the text typed on
// OK, a new text the caller releases; Cancel, Escape and closing return the
// empty text. The default text, place and help arguments must be missing.
rt::BSTR rtcInputBox(const rt::VARIANT* prompt, const rt::VARIANT* title, const rt::VARIANT* default_text,
                     const rt::VARIANT* x, const rt::VARIANT* y, const rt::VARIANT* help_file,
                     const rt::VARIANT* help_context);

// A modal box showing `prompt` (a text, or a text by reference, left
// unchanged) with OK alone and no icon: button code 0 is the only one taken.
// With `title` missing it shows the application title. Returns 1, the code of
// OK, also when closed with Escape or the close button.
std::int32_t rtcMsgBox(const rt::VARIANT* prompt, std::int32_t buttons, const rt::VARIANT* title,
                       const rt::VARIANT* help_file, const rt::VARIANT* help_context);

namespace rt {

// The boxes themselves, for the runtime's own messages.
std::optional<std::u16string> show_input_box(std::u16string_view title, std::u16string_view prompt);
int show_message_box(std::u16string_view title, std::u16string_view prompt);

}  // namespace rt
