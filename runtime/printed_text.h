// What print operations have written onto a window: kept as lines so that the
// window can draw them again on every repaint.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rt {

struct PrintedLine {
    int row;           // text rows from the window's top, starting at 0
    std::string text;  // UTF-8, as the toolkit draws it
};

class PrintedText {
public:
    // Writes `text` at the current text position and moves the position to
    // the start of the next line.
    void print_line(std::string text);

    const std::vector<PrintedLine>& lines() const { return lines_; }
    int current_row() const { return next_row_; }

    // Called after every write, so the window can repaint itself.
    void on_change(std::function<void()> callback) { on_change_ = std::move(callback); }

private:
    std::vector<PrintedLine> lines_;
    int next_row_ = 0;
    std::function<void()> on_change_;
};

}  // namespace rt
