#include "print.h"

#include <string>

#include "runtime_error.h"

std::int32_t __vbaPrintObj(const rt::PrintList* list, rt::FormObject* target, std::int32_t value) {
    if (!list || !target) rt::raise(rt::ErrorNumber::invalid_call, "Print needs a list and a window");
    const auto item_count = static_cast<std::uint16_t>(list->bytes[0] | (list->bytes[1] << 8));
    const auto item_code = static_cast<std::uint16_t>(list->bytes[2] | (list->bytes[3] << 8));
    if (list->byte_count != 4 || item_count != 1 || item_code != rt::kPrintItemI4) {
        rt::raise(rt::ErrorNumber::invalid_call, "Print list must name exactly one 32-bit integer");
    }
    target->printed().print_line(std::to_string(value));
    return 0;
}
