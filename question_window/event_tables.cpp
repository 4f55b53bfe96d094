// The question window's class as the runtime sees it: its name, how an
// instance is made, and its control list with one event table per control.
// Only the button's click and the window's load are bound; every other slot
// is empty, so those events run none of the program's code.
#include <array>

#include "form_class.h"
#include "handlers.h"

namespace {

// Adapts a handler of the question window to a slot of an event table.
template <std::int32_t (*Handler)(QuestionWindow*)>
std::int32_t bound(rt::FormObject* me) {
    return Handler(static_cast<QuestionWindow*>(me));
}

constexpr std::array<rt::EventHandler, rt::kButtonEventCount> kCommand1Events = [] {
    std::array<rt::EventHandler, rt::kButtonEventCount> slots{};
    slots[rt::kButtonClickEvent] = &bound<&Command1_Click>;
    return slots;
}();

constexpr std::array<rt::EventHandler, rt::kFormEventCount> kFormEvents = [] {
    std::array<rt::EventHandler, rt::kFormEventCount> slots{};
    slots[rt::kFormLoadEvent] = &bound<&Form_Load>;
    return slots;
}();

// The control list, in its stored order: the button, then the window itself.
constexpr std::array<rt::EventTable, 2> kControls{{
    {"Command1", kCommand1Events},
    {rt::kFormControl, kFormEvents},
}};

rt::FormObject* create_instance() { return QuestionWindow::create(); }

constexpr rt::FormClass kQuestionWindowClass{"Tovrane", &create_instance, kControls};

}  // namespace

const rt::FormClass& rt::program_form_class() { return kQuestionWindowClass; }
