// The yardstick for Tovrane's start-up time and idle memory: the least FLTK
// program that shows what Tovrane shows, a 639 x 479 window holding a
// 640 x 480 picture and a button, with no window description to read.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstddef>
#include <vector>

int main() {
    constexpr int kPictureWidth = 640;
    constexpr int kPictureHeight = 480;

    // A red ramp stands in for the spiral: what matters here is the size of
    // the picture, not what it shows.
    std::vector<unsigned char> pixels(static_cast<std::size_t>(kPictureWidth) * kPictureHeight * 3);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            unsigned char* p = &pixels[(static_cast<std::size_t>(y) * kPictureWidth + static_cast<std::size_t>(x)) * 3];
            p[0] = static_cast<unsigned char>((x + y) & 0xFF);
            p[1] = 0;
            p[2] = 0;
        }
    }
    Fl_RGB_Image picture(pixels.data(), kPictureWidth, kPictureHeight, 3);

    Fl_Window window(639, 479, "Form1");
    Fl_Box background(0, 0, kPictureWidth, kPictureHeight);
    background.box(FL_NO_BOX);
    background.image(&picture);
    Fl_Button button(240, 208, 161, 73, "Ask me a question");
    window.end();
    window.show();
    return Fl::run();
}
