// Build-time generator: writes the spiral picture and the button picture.
//   make_pictures <out-dir>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "bmp_writer.h"
#include "spiral_rule.h"

namespace {

assets::Picture make_spiral() {
    assets::Picture picture{assets::kSpiralWidth, assets::kSpiralHeight, {}};
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            picture.at(x, y).red = assets::kSpiralReds.at(static_cast<std::size_t>(assets::spiral_shade_step(x, y)));
        }
    }
    return picture;
}

// The button picture: the spiral with one white row added at the bottom.
assets::Picture make_button(const assets::Picture& spiral) {
    assets::Picture picture{spiral.width, spiral.height + 1, spiral.pixels};
    picture.pixels.resize(picture.pixels.size() + static_cast<std::size_t>(spiral.width), assets::Rgb{255, 255, 255});
    return picture;
}

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::cerr << "make_pictures: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_pictures <out-dir>\n";
        return 2;
    }
    const std::string dir = argv[1];
    const assets::Picture spiral = make_spiral();
    const assets::Picture button = make_button(spiral);
    if (!write_file(dir + "/spiral.bmp", assets::encode_bmp(spiral)) ||
        !write_file(dir + "/button.bmp", assets::encode_bmp(button))) {
        return 1;
    }
    return 0;
}
