// Until the stored window description is read, start-up takes the window's
// settings from these constants. The pictures are embedded by
// interim_pictures.S.in.
#include <cstdint>

#include "project.h"
#include "project_image.h"

extern "C" const unsigned char interim_spiral_bmp[];
extern "C" const unsigned char interim_spiral_bmp_end[];
extern "C" const unsigned char interim_button_bmp[];
extern "C" const unsigned char interim_button_bmp_end[];

extern "C" const unsigned char tovrane_project_image[] = {'T', 'o', 'v', 'r', 'a', 'n', 'e', 0};

namespace {
std::span<const std::uint8_t> between(const unsigned char* first, const unsigned char* end) {
    return {first, static_cast<std::size_t>(end - first)};
}
}  // namespace

rt::LoadedProject rt::load_project(const void*) {
    LoadedProject project;
    project.application_title = "Tovrane";
    WindowSettings& w = project.window;
    w.name = "Tovrane";
    w.title = "Form1";
    w.client_width = 639;
    w.client_height = 479;
    w.startup_placement = 3;
    w.background = between(interim_spiral_bmp, interim_spiral_bmp_end);
    ButtonSettings& b = w.button;
    b.name = "Command1";
    b.left = 240;
    b.top = 208;
    b.width = 161;
    b.height = 73;
    b.back_colour = 0x000000FF;
    b.tab_index = 0;
    b.graphical = true;
    b.picture = between(interim_button_bmp, interim_button_bmp_end);
    return project;
}
