// A button whose face can show a picture, laid centred on the face and cut to
// it, over the button's back colour.
#pragma once

#include <memory>

#include <FL/Fl_Button.H>
#include <FL/Fl_RGB_Image.H>

#include "bmp_reader.h"

namespace rt {

class PictureButton : public Fl_Button {
public:
    PictureButton(int x, int y, int w, int h);

    // Shows `picture` on the face; without one the face shows the back colour.
    void set_picture(Bitmap picture);
    // The picture's pixel that the face's top-left pixel shows.
    int picture_left() const;
    int picture_top() const;

protected:
    void draw() override;

private:
    // Only the part of the picture that the face can show is kept: the rest
    // would never be drawn, yet would cost memory and time to hand to X.
    Bitmap shown_;
    int picture_left_ = 0, picture_top_ = 0;  // picture pixel at the face's top-left
    int shown_left_ = 0, shown_top_ = 0;      // picture pixel at shown_'s top-left
    std::unique_ptr<Fl_RGB_Image> image_;
};

}  // namespace rt
