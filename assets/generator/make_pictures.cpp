// Build-time generator: writes the spiral picture and the button picture.
//   make_pictures <words.coverage> <out-dir>
#include <exception>
#include <iostream>
#include <string>

#include "bmp_writer.h"
#include "coverage_map.h"
#include "file_io.h"
#include "spiral_rule.h"
#include "white_blend.h"

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

// The button picture: the spiral with the words blended over it in white, and
// one white row added at the bottom.
assets::Picture make_button(const assets::Picture& spiral, const assets::CoverageMap& words) {
    assets::Picture picture{spiral.width, spiral.height + 1, spiral.pixels};
    for (int y = words.box.top; y < words.box.top + words.box.height; ++y) {
        for (int x = words.box.left; x < words.box.left + words.box.width; ++x) {
            picture.at(x, y) = assets::blend_white(picture.at(x, y), words.at(x, y));
        }
    }
    picture.pixels.resize(picture.pixels.size() + static_cast<std::size_t>(spiral.width), assets::Rgb{255, 255, 255});
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_pictures <words.coverage> <out-dir>\n";
        return 2;
    }
    try {
        const std::string map_path = argv[1];
        const std::string dir = argv[2];
        const assets::CoverageMap words = assets::parse_coverage_map(assets::read_text(map_path), assets::kWordsBox, map_path);
        const assets::Picture spiral = make_spiral();
        assets::write_bytes(dir + "/spiral.bmp", assets::encode_bmp(spiral));
        assets::write_bytes(dir + "/button.bmp", assets::encode_bmp(make_button(spiral, words)));
    } catch (const std::exception& e) {
        std::cerr << "make_pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
