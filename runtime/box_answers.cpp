#include "box_answers.h"

#include <deque>

#include "runtime_error.h"

namespace rt::test {
namespace {

struct Answer {
    BoxKind kind;
    std::optional<std::u16string> typed;
};

std::deque<Answer>& queue() {
    static std::deque<Answer> q;
    return q;
}

std::vector<AskedBox>& asked() {
    static std::vector<AskedBox> a;
    return a;
}

}  // namespace

void answer_next_input(std::optional<std::u16string> typed) { queue().push_back({BoxKind::input, std::move(typed)}); }
void answer_next_message() { queue().push_back({BoxKind::message, std::nullopt}); }

const std::vector<AskedBox>& asked_boxes() { return asked(); }

void reset_boxes() {
    queue().clear();
    asked().clear();
}

bool take_answer(BoxKind kind, std::u16string_view title, std::u16string_view prompt,
                 std::optional<std::u16string>& typed) {
    if (queue().empty()) return false;
    if (queue().front().kind != kind) {
        // A test that expected another box must fail loudly, not open a real one.
        raise(ErrorNumber::internal, "A box opened that differs from the answer queued for it");
    }
    typed = std::move(queue().front().typed);
    queue().pop_front();
    asked().push_back({kind, std::u16string(title), std::u16string(prompt)});
    return true;
}

}  // namespace rt::test
