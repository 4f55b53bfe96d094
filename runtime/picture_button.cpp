#include "picture_button.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace rt {

PictureButton::PictureButton(int x, int y, int w, int h) : Fl_Button(x, y, w, h) {}

void PictureButton::set_picture(Bitmap picture) {
    // Centring rounds toward zero, so an odd surplus leaves the extra column on the right.
    picture_left_ = (picture.width - w()) / 2;
    picture_top_ = (picture.height - h()) / 2;
    // The face's rectangle in picture pixels, cut to the picture.
    shown_left_ = std::max(0, picture_left_);
    shown_top_ = std::max(0, picture_top_);
    const int right = std::min(picture.width, picture_left_ + w());
    const int bottom = std::min(picture.height, picture_top_ + h());
    shown_ = Bitmap{std::max(0, right - shown_left_), std::max(0, bottom - shown_top_), {}};
    shown_.rgb.resize(static_cast<std::size_t>(shown_.width) * static_cast<std::size_t>(shown_.height) * 3);
    for (int y = 0; y < shown_.height; ++y) {
        const auto from = picture.rgb.begin() +
                          ((static_cast<std::ptrdiff_t>(shown_top_) + y) * picture.width + shown_left_) * 3;
        std::copy(from, from + shown_.width * 3, shown_.rgb.begin() + static_cast<std::ptrdiff_t>(y) * shown_.width * 3);
    }
    image_.reset();
    if (shown_.width > 0 && shown_.height > 0) {
        image_ = std::make_unique<Fl_RGB_Image>(shown_.rgb.data(), shown_.width, shown_.height, 3);
    }
    redraw();
}

int PictureButton::picture_left() const { return picture_left_; }
int PictureButton::picture_top() const { return picture_top_; }

void PictureButton::draw() {
    fl_push_clip(x(), y(), w(), h());
    fl_rectf(x(), y(), w(), h(), color());
    if (image_) image_->draw(x() - picture_left_ + shown_left_, y() - picture_top_ + shown_top_);
    // The frame takes the face's outer two pixels only, well clear of what
    // the picture shows in its middle.
    draw_box(value() ? FL_DOWN_FRAME : FL_UP_FRAME, x(), y(), w(), h(), color());
    if (Fl::focus() == this && visible_focus()) draw_focus(FL_UP_BOX, x(), y(), w(), h());
    draw_label();
    fl_pop_clip();
}

}  // namespace rt
