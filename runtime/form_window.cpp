#include "form_window.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "runtime_error.h"

namespace rt {
namespace {

constexpr int kPlacementWindowManager = 3;

void check(bool ok, const std::string& what) {
    if (!ok) raise(ErrorNumber::bad_project, "Bad window settings: " + what);
}

Fl_Color colour_of(std::uint32_t bgr) {  // 0x00BBGGRR
    return fl_rgb_color(static_cast<uchar>(bgr & 0xFF), static_cast<uchar>((bgr >> 8) & 0xFF),
                        static_cast<uchar>((bgr >> 16) & 0xFF));
}

const WindowSettings& checked(const WindowSettings& s) {
    check(s.client_width > 0 && s.client_height > 0 && s.client_width <= 16384 && s.client_height <= 16384,
          "client area size");
    check(s.startup_placement == kPlacementWindowManager, "start-up placement " + std::to_string(s.startup_placement));
    const ButtonSettings& b = s.button;
    check(b.width > 0 && b.height > 0 && b.left >= 0 && b.top >= 0 && b.left <= s.client_width &&
              b.top <= s.client_height && b.width <= 16384 && b.height <= 16384,
          "button place or size");
    check(!b.graphical || !b.picture.empty(), "graphical button without a picture");
    return s;
}

}  // namespace

FormWindow::FormWindow(const WindowSettings& settings)
    : Fl_Double_Window(checked(settings).client_width, settings.client_height),
      title_(settings.title),
      button_name_(settings.button.name) {
    label(title_.c_str());
    if (!settings.background.empty()) {
        background_ = read_bmp(settings.background);
        background_image_ = std::make_unique<Fl_RGB_Image>(background_.rgb.data(), background_.width,
                                                           background_.height, 3);
    }
    const ButtonSettings& b = settings.button;
    // The button is the window's only control, so it is first in the tab order.
    button_ = new PictureButton(b.left, b.top, b.width, b.height);
    button_->color(colour_of(b.back_colour));
    button_->selection_color(colour_of(b.back_colour));
    if (b.graphical) button_->set_picture(read_bmp(b.picture));
    end();
    // Only the close button closes the window; Escape does nothing here.
    callback([](Fl_Widget* w, void*) {
        if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
        w->hide();
    });
}

void FormWindow::show_printed(PrintedText& printed) {
    printed_ = &printed;
    printed.on_change([this] { redraw(); });
}

void FormWindow::draw() {
    fl_rectf(0, 0, w(), h(), color());
    if (background_image_) background_image_->draw(0, 0);
    if (printed_) {
        // The window's font and text colour: the toolkit's defaults.
        fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
        fl_color(FL_FOREGROUND_COLOR);
        const int line = fl_height();
        for (const PrintedLine& p : printed_->lines()) {
            fl_draw(p.text.c_str(), 0, p.row * line + line - fl_descent());
        }
    }
    draw_children();
}

}  // namespace rt
