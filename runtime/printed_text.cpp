#include "printed_text.h"

namespace rt {

void PrintedText::print_line(std::string text) {
    lines_.push_back(PrintedLine{next_row_, std::move(text)});
    ++next_row_;
    if (on_change_) on_change_();
}

}  // namespace rt
