#include "picture_button.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace rt {

PictureButton::PictureButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {}

void PictureButton::set_picture(Bitmap picture) {
    picture_ = std::move(picture);
    image_ = std::make_unique<Fl_RGB_Image>(picture_.rgb.data(), picture_.width, picture_.height, 3);
    redraw();
}

// Centring rounds toward zero, so an odd surplus leaves the extra column on the right.
int PictureButton::picture_left() const { return (picture_.width - w()) / 2; }
int PictureButton::picture_top() const { return (picture_.height - h()) / 2; }

void PictureButton::draw() {
    fl_push_clip(x(), y(), w(), h());
    fl_rectf(x(), y(), w(), h(), color());
    if (image_) image_->draw(x() - picture_left(), y() - picture_top());
    // The frame takes the face's outer two pixels only, well clear of what
    // the picture shows in its middle.
    draw_box(value() ? FL_DOWN_FRAME : FL_UP_FRAME, x(), y(), w(), h(), color());
    if (Fl::focus() == this && visible_focus()) draw_focus(FL_UP_BOX, x(), y(), w(), h());
    draw_label();
    fl_pop_clip();
}

}  // namespace rt
