// The window the runtime builds from its settings: the background picture
// drawn at its natural size at the client area's top-left, the button, and
// the text that print operations wrote, drawn again on every repaint.
#pragma once

#include <memory>
#include <string>

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include "bmp_reader.h"
#include "picture_button.h"
#include "printed_text.h"
#include "window_settings.h"

namespace rt {

class FormWindow : public Fl_Double_Window {
public:
    explicit FormWindow(const WindowSettings& settings);

    PictureButton& button() { return *button_; }

    // The printed text to draw; the window repaints when it changes.
    void show_printed(PrintedText& printed);

protected:
    void draw() override;

private:
    std::string title_, button_name_;
    Bitmap background_;
    std::unique_ptr<Fl_RGB_Image> background_image_;
    PictureButton* button_;  // a child: the window deletes it
    const PrintedText* printed_ = nullptr;
};

}  // namespace rt
