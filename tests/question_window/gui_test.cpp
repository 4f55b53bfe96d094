// The real program under a real display: the window as built, and one click
// answered through the real boxes, driven by X events the test sends.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "box_windows.h"
#include "project_image.h"
#include "startup.h"

namespace {

// Presses and releases mouse button 1 over the middle of `widget`.
void click(Fl_Widget& widget) {
    Fl_Window* window = widget.as_window() ? widget.as_window() : widget.window();
    XEvent e{};
    e.xbutton.display = fl_display;
    e.xbutton.window = fl_xid(window);
    e.xbutton.root = RootWindow(fl_display, fl_screen);
    e.xbutton.x = (widget.as_window() ? 0 : widget.x()) + widget.w() / 2;
    e.xbutton.y = (widget.as_window() ? 0 : widget.y()) + widget.h() / 2;
    e.xbutton.button = Button1;
    e.xbutton.same_screen = True;
    e.type = ButtonPress;
    XSendEvent(fl_display, e.xbutton.window, True, ButtonPressMask, &e);
    e.type = ButtonRelease;
    e.xbutton.state = Button1Mask;
    XSendEvent(fl_display, e.xbutton.window, True, ButtonReleaseMask, &e);
    XFlush(fl_display);
}

// What the window manager sends when the user closes a window.
void close_window(Fl_Window& window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.display = fl_display;
    e.xclient.window = fl_xid(&window);
    e.xclient.message_type = XInternAtom(fl_display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(fl_display, "WM_DELETE_WINDOW", False));
    XSendEvent(fl_display, e.xclient.window, False, NoEventMask, &e);
    XFlush(fl_display);
}

// The pixels of the window's top-left corner, where printed text begins,
// after a full repaint.
std::vector<unsigned char> repainted_corner(Fl_Window& window) {
    window.redraw();
    Fl::flush();
    window.make_current();
    unsigned char* pixels = fl_read_image(nullptr, 0, 0, 24, 24);
    std::vector<unsigned char> copy(pixels, pixels + 24 * 24 * 3);
    delete[] pixels;
    return copy;
}

bool wait_for(const std::function<bool()>& done, double seconds = 5.0) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Fl::wait(0.02);
    }
    return true;
}

// What the user saw in one box.
struct SeenBox {
    std::string kind, title, prompt, entry;
};

// Answers the boxes as they open, in order: the input box with `typed`
// (nothing: Cancel), then OK on the message box.
class BoxDriver {
public:
    // With `close_boxes`, each box is closed through the window manager instead.
    BoxDriver(rt::FormWindow& main, std::optional<std::string> typed, bool close_boxes = false)
        : main_(main), typed_(std::move(typed)), close_boxes_(close_boxes) {
        Fl::add_timeout(0.05, poll, this);
    }
    ~BoxDriver() { Fl::remove_timeout(poll, this); }

    std::vector<SeenBox> seen;
    int clicks_while_open = 0;
    int not_modal = 0;

private:
    static void poll(void* self) {
        static_cast<BoxDriver*>(self)->act();
        Fl::repeat_timeout(0.05, poll, self);
    }

    void act() {
        Fl_Window* open = nullptr;  // the box on top, found whether it is modal or not
        for (Fl_Window* w = Fl::first_window(); w && !open; w = Fl::next_window(w)) {
            if (dynamic_cast<rt::InputBoxWindow*>(w) || dynamic_cast<rt::MessageBoxWindow*>(w)) open = w;
        }
        if (!open || !open->visible()) return;
        if (Fl::modal() != open) ++not_modal;
        if (auto* input = dynamic_cast<rt::InputBoxWindow*>(open)) {
            seen.push_back({"input", input->label(), input->prompt(), input->entry().value()});
            // While the box is open a click on the window's button must not get through.
            click(main_.button());
            ++clicks_while_open;
            if (close_boxes_) {
                close_window(*input);
            } else if (typed_) {
                input->entry().value(typed_->c_str());
                click(input->ok_button());
            } else {
                click(input->cancel_button());
            }
        } else if (auto* message = dynamic_cast<rt::MessageBoxWindow*>(open)) {
            seen.push_back({"message", message->label(), message->prompt(), ""});
            if (close_boxes_) {
                close_window(*message);
            } else {
                click(message->ok_button());
            }
        } else {
            return;
        }
        // Let the box close before looking for the next one.
        wait_for([open] { return !open->shown(); });
    }

    rt::FormWindow& main_;
    std::optional<std::string> typed_;
    bool close_boxes_;
};

class RealWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) GTEST_FAIL() << "DISPLAY is not set: run under scripts/with-xvfb";
    }
};

TEST_F(RealWindow, IsBuiltAsDescribedAndAnswersThroughTheRealBoxes) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "DISPLAY is not set: run under scripts/with-xvfb";
    rt::RunningProgram program = rt::start_program(tovrane_project_image);
    rt::FormWindow& window = *program.window;
    ASSERT_TRUE(wait_for([&] { return window.visible() != 0; }));

    // The window and its button as built.
    EXPECT_STREQ(window.label(), "Form1");
    EXPECT_EQ(window.w(), 639);
    EXPECT_EQ(window.h(), 479);
    rt::PictureButton& button = window.button();
    EXPECT_EQ(window.child(0), &button);  // first, and only, in the tab order
    EXPECT_EQ(button.x(), 240);
    EXPECT_EQ(button.y(), 208);
    EXPECT_EQ(button.w(), 161);
    EXPECT_EQ(button.h(), 73);
    EXPECT_EQ(button.color(), fl_rgb_color(255, 0, 0));
    EXPECT_TRUE(button.label() == nullptr || *button.label() == '\0');
    EXPECT_TRUE(button.picture_left() == 239 || button.picture_left() == 240);
    EXPECT_EQ(button.picture_top(), 204);

    wait_for([] { return false; }, 0.3);  // let the window be mapped and drawn first
    const std::vector<unsigned char> corner_before = repainted_corner(window);
    ASSERT_NE(corner_before, std::vector<unsigned char>(corner_before.size(), 0)) << "the window was not drawn";

    // A question: the input box, then a reply under the application title.
    {
        BoxDriver driver(window, std::string("Will it rain?"));
        click(button);
        ASSERT_TRUE(wait_for([&] { return driver.seen.size() == 2 && !Fl::modal(); }));
        EXPECT_EQ(driver.seen[0].kind, "input");
        EXPECT_EQ(driver.seen[0].title, "question");
        EXPECT_EQ(driver.seen[0].prompt, "what is your question");
        EXPECT_EQ(driver.seen[0].entry, "");
        EXPECT_EQ(driver.seen[1].kind, "message");
        EXPECT_EQ(driver.seen[1].title, "Tovrane");
        const std::vector<std::string> replies = {
            "My sources say Yes", "I think you already know the answer", "Most unlikely", "The answer is clouded",
            "Ask again later", "Am i your slave or something, STOP asking me questions!!"};
        EXPECT_NE(std::find(replies.begin(), replies.end(), driver.seen[1].prompt), replies.end())
            << driver.seen[1].prompt;
        EXPECT_EQ(driver.clicks_while_open, 1);
        EXPECT_EQ(driver.not_modal, 0);
    }
    EXPECT_TRUE(program.instance->printed().lines().empty());

    // Cancel: the complaint, then "1" written onto the window.
    {
        BoxDriver driver(window, std::nullopt);
        click(button);
        ASSERT_TRUE(wait_for([&] { return driver.seen.size() == 2 && !Fl::modal(); }));
        EXPECT_EQ(driver.seen[0].entry, "");  // the previous question is not offered again
        EXPECT_EQ(driver.seen[1].title, "Tovrane");
        EXPECT_EQ(driver.seen[1].prompt, "How am i supposed to answer when you don't give me a question!");
    }
    // Closing both boxes: the input box returns nothing, the message box OK.
    {
        BoxDriver driver(window, std::nullopt, true);
        click(button);
        ASSERT_TRUE(wait_for([&] { return driver.seen.size() == 2 && !Fl::modal(); }));
        EXPECT_EQ(driver.seen[1].prompt, "How am i supposed to answer when you don't give me a question!");
    }
    // Exactly the three clicks made it through: the ones sent while a box was open did not.
    wait_for([] { return false; }, 0.3);
    ASSERT_EQ(program.instance->printed().lines().size(), 2u);
    EXPECT_EQ(program.instance->printed().lines()[0].text, "1");
    EXPECT_EQ(program.instance->printed().lines()[1].text, "1");
    EXPECT_EQ(program.instance->printed().lines()[1].row, 1);
    EXPECT_FALSE(Fl::modal());
    // The printed text is drawn again when the window repaints.
    EXPECT_NE(repainted_corner(window), corner_before);

    window.hide();
    program.instance->Release();
}

TEST_F(RealWindow, ClosingTheWindowEndsTheProcessWithSuccess) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "DISPLAY is not set: run under scripts/with-xvfb";
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, with a display of its own
    EXPECT_EXIT(
        {
            Fl::add_timeout(0.5, [](void*) {
                if (Fl_Window* window = Fl::first_window()) close_window(*window);
            });
            ThunRTMain(tovrane_project_image);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
