// The two modal boxes as toolkit windows. Each runs its own nested event loop
// in run(); while it is open the toolkit lets no event reach another window.
#pragma once

#include <optional>
#include <string>

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>

namespace rt {

// A label drawn as plain text: no '@' symbols, wrapped at the box's width.
class PlainText : public Fl_Box {
public:
    using Fl_Box::Fl_Box;

protected:
    void draw() override;
};

// A prompt, an entry that starts empty, OK and Cancel.
class InputBoxWindow : public Fl_Window {
public:
    InputBoxWindow(const std::string& title, const std::string& prompt);

    // Shows the box and waits until it closes. The text typed on OK;
    // nothing on Cancel, Escape or the window's close button.
    std::optional<std::string> run();

    const char* prompt() const { return prompt_.label(); }
    Fl_Input& entry() { return entry_; }
    Fl_Button& ok_button() { return ok_; }
    Fl_Button& cancel_button() { return cancel_; }

private:
    std::string title_, prompt_text_;
    PlainText prompt_;
    Fl_Input entry_;
    Fl_Return_Button ok_;
    Fl_Button cancel_;
    bool accepted_ = false;
};

// A prompt and OK alone, no icon. Escape and the close button count as OK.
class MessageBoxWindow : public Fl_Window {
public:
    MessageBoxWindow(const std::string& title, const std::string& prompt);

    // Shows the box and waits until it closes; returns 1, the code of OK.
    int run();

    const char* prompt() const { return prompt_.label(); }
    Fl_Button& ok_button() { return ok_; }

private:
    std::string title_, prompt_text_;
    PlainText prompt_;
    Fl_Return_Button ok_;
};

}  // namespace rt
