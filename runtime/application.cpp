#include "application.h"

namespace rt {
namespace {
std::u16string& title_storage() {
    static std::u16string title;
    return title;
}
}  // namespace

void set_application_title(std::u16string title) { title_storage() = std::move(title); }
const std::u16string& application_title() { return title_storage(); }

}  // namespace rt
