// The icon's pictures as text maps: one letter a pixel, top row first.
//
//     0    5    10
//     |    |    |        <- ruler lines start with a space and are skipped
// 00  .....K.....        <- row number, spaces, then the row's letters
//
// '.' transparent, K black, W white, and in sixteen colours only A cyan,
// L light grey and G dark grey.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace assets {

enum class IconDepth { two_colours, sixteen_colours };

class MapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct IconMap {
    int width = 0;
    int height = 0;
    IconDepth depth = IconDepth::sixteen_colours;
    std::vector<std::string> rows;  // height rows of width letters, top row first

    char at(int x, int y) const { return rows.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x)); }
};

// Reads a map that must be exactly width x height and use only the letters
// of its depth. `name` goes into every error message, with the line number.
IconMap read_icon_map(std::string_view text, int width, int height, IconDepth depth, std::string_view name);

// Reads the file at `path` the same way; a missing file is a MapError too.
IconMap read_icon_map_file(const std::string& path, int width, int height, IconDepth depth);

bool is_transparent(char letter);

// The value stored in the colour image for a letter: a palette index (0 or 1
// in two colours, 0-15 in sixteen). Transparent pixels are white (1) in two
// colours so the background shows inverted there, black (0) in sixteen.
std::uint8_t colour_index(char letter, IconDepth depth);

}  // namespace assets
