#include "boxes.h"

#include "application.h"
#include "box_answers.h"
#include "box_windows.h"
#include "runtime_error.h"

namespace rt {
namespace {

void require_missing(const VARIANT* v, const char* what) {
    if (!v || !is_missing(*v)) raise(ErrorNumber::invalid_call, std::string("The ") + what + " of a box is not supported");
}

// A box's prompt or title: a text, directly or by reference. An empty variant
// is the empty text; a missing one is an error.
std::u16string_view text_argument(const VARIANT* v, const char* what) {
    if (!v || is_missing(*v)) raise(ErrorNumber::invalid_call, std::string("A box needs its ") + what);
    if (v->vt == VT_EMPTY) return {};
    return text_view(text_of(*v));
}

}  // namespace

std::optional<std::u16string> show_input_box(std::u16string_view title, std::u16string_view prompt) {
    std::optional<std::u16string> typed;
    if (test::take_answer(test::BoxKind::input, title, prompt, typed)) return typed;
    InputBoxWindow box(utf16_to_utf8(title), utf16_to_utf8(prompt));
    std::optional<std::string> entered = box.run();
    if (!entered) return std::nullopt;
    return utf8_to_utf16(*entered);
}

int show_message_box(std::u16string_view title, std::u16string_view prompt) {
    std::optional<std::u16string> unused;
    if (test::take_answer(test::BoxKind::message, title, prompt, unused)) return 1;
    MessageBoxWindow box(utf16_to_utf8(title), utf16_to_utf8(prompt));
    return box.run();
}

}  // namespace rt

rt::BSTR rtcInputBox(const rt::VARIANT* prompt, const rt::VARIANT* title, const rt::VARIANT* default_text,
                     const rt::VARIANT* x, const rt::VARIANT* y, const rt::VARIANT* help_file,
                     const rt::VARIANT* help_context) {
    const std::u16string_view prompt_text = rt::text_argument(prompt, "prompt");
    const std::u16string_view title_text =
        title && rt::is_missing(*title) ? std::u16string_view(rt::application_title()) : rt::text_argument(title, "title");
    rt::require_missing(default_text, "default text");
    rt::require_missing(x, "x position");
    rt::require_missing(y, "y position");
    rt::require_missing(help_file, "help file");
    rt::require_missing(help_context, "help context");
    const std::optional<std::u16string> typed = rt::show_input_box(title_text, prompt_text);
    return typed ? rt::alloc_text(*typed) : nullptr;
}

std::int32_t rtcMsgBox(const rt::VARIANT* prompt, std::int32_t buttons, const rt::VARIANT* title,
                       const rt::VARIANT* help_file, const rt::VARIANT* help_context) {
    const std::u16string_view prompt_text = rt::text_argument(prompt, "prompt");
    if (buttons != 0) rt::raise(rt::ErrorNumber::invalid_call, "Only button code 0 (OK alone) is supported");
    const std::u16string_view title_text =
        title && rt::is_missing(*title) ? std::u16string_view(rt::application_title()) : rt::text_argument(title, "title");
    rt::require_missing(help_file, "help file");
    rt::require_missing(help_context, "help context");
    return rt::show_message_box(title_text, prompt_text);
}
