// Reads the text map that stores how much of each pixel the button's words
// cover, in sixteenths (see assets/words.coverage for the format).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace assets {

// Where the map lies in the picture and how big it is.
struct CoverageBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The words' ink box on the button picture: columns 244-392, rows 232-247.
inline constexpr CoverageBox kWordsBox{244, 232, 149, 16};

inline constexpr int kFullCoverage = 16;

struct CoverageMap {
    CoverageBox box;
    std::vector<std::uint8_t> levels;  // box.width * box.height, top row first

    // Coverage (0..16) of picture pixel (x, y); 0 outside the box.
    int at(int x, int y) const;
};

// A malformed map; the message names the line and, where it helps, the column.
class CoverageMapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the map text for the given box. `source` names the text in errors.
CoverageMap parse_coverage_map(std::string_view text, const CoverageBox& box, const std::string& source);

}  // namespace assets
