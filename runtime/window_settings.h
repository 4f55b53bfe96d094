// What the runtime needs to build a window and its one button: the settings
// read from the window description, in pixels. Picture bytes are borrowed
// from the executable's read-only image and stay valid for the whole run.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace rt {

struct ButtonSettings {
    std::string name;                        // control name, e.g. "Command1"
    int left = 0, top = 0;                   // in the window's client area
    int width = 0, height = 0;
    std::uint32_t back_colour = 0;           // 0x00BBGGRR: red in the low byte
    int tab_index = 0;
    bool graphical = false;                  // face shows the picture
    std::span<const std::uint8_t> picture;   // a whole BMP file
};

struct WindowSettings {
    std::string name;                        // object name, e.g. "Tovrane"
    std::string title;                       // title bar text
    int client_width = 0, client_height = 0;
    int startup_placement = 0;               // 3: the window manager chooses
    std::span<const std::uint8_t> background;  // a whole BMP file, drawn at natural size
    ButtonSettings button;
};

}  // namespace rt
