// Lets tests answer the next boxes without showing them. While an answer is
// queued for a box of that kind, the box is not shown: what it would have
// shown is recorded and the queued answer is returned. With nothing queued the
// real box opens. The shipped program never queues anything.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rt::test {

enum class BoxKind { input, message };

struct AskedBox {
    BoxKind kind;
    std::u16string title;
    std::u16string prompt;
};

// The next input box returns `typed`; nothing means Cancel.
void answer_next_input(std::optional<std::u16string> typed);
// The next message box is closed with OK.
void answer_next_message();

// The boxes answered from the queue, oldest first.
const std::vector<AskedBox>& asked_boxes();
// Forgets queued answers and asked boxes.
void reset_boxes();

// Used by the boxes themselves: takes the queued answer for a box of `kind`
// and records the box; returns false when none is queued.
bool take_answer(BoxKind kind, std::u16string_view title, std::u16string_view prompt,
                 std::optional<std::u16string>& typed);

}  // namespace rt::test
