#include "box_windows.h"

#include <algorithm>
#include <climits>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace rt {
namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;
constexpr int kMaxTextWidth = 460;

// The size a wrapped prompt needs in the boxes' font.
void measure_prompt(const std::string& text, int& w, int& h) {
    fl_open_display();  // fonts need the display
    fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
    w = kMaxTextWidth;
    h = 0;
    fl_measure(text.c_str(), w, h, 0);
    w = std::max(w, 1);
    h = std::max(h, fl_height());
}

// The window must be modal before anything creates its X window (even
// giving a child the focus does): the toolkit reads the flag only then.
void wait_until_hidden(Fl_Window& window, Fl_Widget& focus) {
    window.set_modal();
    window.show();
    focus.take_focus();
    while (window.shown()) Fl::wait();
}

}  // namespace

void PlainText::draw() {
    draw_box();
    fl_font(labelfont(), labelsize());
    fl_color(labelcolor());
    fl_draw(label(), x(), y(), w(), h(), align(), nullptr, 0);
}

InputBoxWindow::InputBoxWindow(const std::string& title, const std::string& prompt)
    : Fl_Window(400, 150),  // the two-argument form: always a top-level window
      title_(title),
      prompt_text_(prompt),
      prompt_(kMargin, kMargin, 400 - 2 * kMargin, 50),
      entry_(kMargin, 70, 400 - 2 * kMargin, 25),
      ok_(400 - 2 * (kButtonWidth + kMargin), 110, kButtonWidth, kButtonHeight, "OK"),
      cancel_(400 - kButtonWidth - kMargin, 110, kButtonWidth, kButtonHeight, "Cancel") {
    end();
    label(title_.c_str());
    prompt_.label(prompt_text_.c_str());
    prompt_.align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT | FL_ALIGN_WRAP);
    entry_.maximum_size(INT_MAX);  // any length the user types
    ok_.callback([](Fl_Widget* w, void*) {
        auto* box = static_cast<InputBoxWindow*>(w->window());
        box->accepted_ = true;
        box->hide();
    });
    cancel_.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    // Escape and the close button reach the window's own callback: a cancel.
    callback([](Fl_Widget* w, void*) { w->hide(); });
}

std::optional<std::string> InputBoxWindow::run() {
    accepted_ = false;
    entry_.value("");
    wait_until_hidden(*this, entry_);
    if (!accepted_) return std::nullopt;
    return std::string(entry_.value(), static_cast<std::size_t>(entry_.size()));
}

MessageBoxWindow::MessageBoxWindow(const std::string& title, const std::string& prompt)
    : Fl_Window(100, 100),
      title_(title),
      prompt_text_(prompt),
      prompt_(kMargin, kMargin, 10, 10),
      ok_(0, 0, kButtonWidth, kButtonHeight, "OK") {
    end();
    label(title_.c_str());
    prompt_.label(prompt_text_.c_str());
    prompt_.align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT | FL_ALIGN_WRAP);
    int tw = 0, th = 0;
    measure_prompt(prompt_text_, tw, th);
    const int width = std::max(tw, kButtonWidth + 120) + 2 * kMargin;
    const int height = th + 3 * kMargin + kButtonHeight;
    prompt_.resize(kMargin, kMargin, width - 2 * kMargin, th);
    ok_.resize((width - kButtonWidth) / 2, th + 2 * kMargin, kButtonWidth, kButtonHeight);
    size(width, height);
    ok_.callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    callback([](Fl_Widget* w, void*) { w->hide(); });
}

int MessageBoxWindow::run() {
    wait_until_hidden(*this, ok_);
    return 1;
}

}  // namespace rt
