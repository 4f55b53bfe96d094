#include "form_class.h"

#include <exception>
#include <string>

#include "default_error.h"
#include "numbers.h"
#include "runtime_error.h"

namespace rt {

const EventTable& find_event_table(const FormClass& form_class, std::string_view control, std::size_t slot_count) {
    for (const EventTable& table : form_class.controls) {
        if (table.control != control) continue;
        if (table.slots.size() != slot_count) {
            raise(ErrorNumber::bad_project, "Event table of " + std::string(control) + " has " +
                                                std::to_string(table.slots.size()) + " slots, not " +
                                                std::to_string(slot_count));
        }
        return table;
    }
    raise(ErrorNumber::bad_project, "No event table for control " + std::string(control));
}

std::int32_t call_event_handler(FormObject* me, const EventTable& table, int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= table.slots.size()) raise(ErrorNumber::internal, "No such event slot");
    const EventHandler handler = table.slots[static_cast<std::size_t>(slot)];
    if (!handler) return 0;
    // Toolkit code may have left a flag set; it must not become the handler's error.
    clear_fp_error_flags();
    return handler(me);
}

void raise_event(FormObject* me, const EventTable& table, int slot) {
    try {
        call_event_handler(me, table, slot);
    } catch (...) {
        default_error_handling(std::current_exception());
    }
}

}  // namespace rt
