// How the runtime finds the program's window class and its event tables.
//
// The program defines program_form_class() once: the name of its window
// object, how to create an instance, and its control list, one event table
// per control entry, named like the control (the button's name from the
// window settings, and "Form" for the window itself). At start-up the runtime
// checks that the window it builds has the class's name and binds each control
// to the table of the same name. Events reach the program only through these
// tables; an empty slot runs nothing.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "form_object.h"

namespace rt {

using EventHandler = std::int32_t (*)(FormObject* me);

struct EventTable {
    std::string_view control;             // "Form" for the window itself
    std::span<const EventHandler> slots;  // one slot per event of the control's kind
};

struct FormClass {
    std::string_view name;                // the window's object name
    FormObject* (*create)();              // a new instance holding one reference
    std::span<const EventTable> controls;  // the control list, in its order
};

// The events the runtime raises, and how many each kind of control has.
inline constexpr std::string_view kFormControl = "Form";
inline constexpr std::size_t kFormEventCount = 31;
inline constexpr int kFormLoadEvent = 6;
inline constexpr std::size_t kButtonEventCount = 17;
inline constexpr int kButtonClickEvent = 0;

// Defined by the program.
const FormClass& program_form_class();

// The table of the named control; raises bad_project when there is none or
// its slot count is not `slot_count`.
const EventTable& find_event_table(const FormClass& form_class, std::string_view control, std::size_t slot_count);

// Raises one event: clears the stale floating-point flags, then calls the
// handler bound to `slot`, if any. An error that leaves the handler goes to
// the default handling, which ends the process.
void raise_event(FormObject* me, const EventTable& table, int slot);

// The same, but lets the handler's error through (for tests of the error path).
std::int32_t call_event_handler(FormObject* me, const EventTable& table, int slot);

}  // namespace rt
