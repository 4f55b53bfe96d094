#include "icon_map.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace assets {
namespace {

bool letter_allowed(char letter, IconDepth depth) {
    switch (letter) {
    case '.': case 'K': case 'W':
        return true;
    case 'A': case 'L': case 'G':
        return depth == IconDepth::sixteen_colours;
    default:
        return false;
    }
}

std::string describe(char c) {
    if (std::isprint(static_cast<unsigned char>(c))) {
        return std::string("'") + c + "'";
    }
    std::ostringstream out;
    out << "byte 0x" << std::hex << static_cast<int>(static_cast<unsigned char>(c));
    return out.str();
}

}  // namespace

IconMap read_icon_map(std::string_view text, int width, int height, IconDepth depth, std::string_view name) {
    IconMap map{width, height, depth, {}};
    const std::string where(name);
    std::size_t line_number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ' ') continue;  // blank or ruler

        const std::string at = where + " line " + std::to_string(line_number) + ": ";
        std::size_t digits = 0;
        while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
        if (digits == 0 || digits > 4) {
            throw MapError(at + "expected a row number at the start of the line");
        }
        const int row_number = std::stoi(std::string(line.substr(0, digits)));
        std::size_t pixels_at = digits;
        while (pixels_at < line.size() && line[pixels_at] == ' ') ++pixels_at;
        if (pixels_at == digits) {
            throw MapError(at + "expected spaces between the row number and the pixels");
        }
        const int expected_row = static_cast<int>(map.rows.size());
        if (expected_row >= height) {
            throw MapError(at + "too many rows: the map must have " + std::to_string(height));
        }
        if (row_number != expected_row) {
            throw MapError(at + "row number " + std::to_string(row_number) + " where row " +
                           std::to_string(expected_row) + " belongs");
        }
        const std::string_view pixels = line.substr(pixels_at);
        for (std::size_t x = 0; x < pixels.size(); ++x) {
            if (!letter_allowed(pixels[x], depth)) {
                throw MapError(at + "column " + std::to_string(x) + ": " + describe(pixels[x]) +
                               " is not a pixel letter of a " +
                               (depth == IconDepth::two_colours ? "two-colour" : "sixteen-colour") + " map");
            }
        }
        if (pixels.size() != static_cast<std::size_t>(width)) {
            throw MapError(at + "row " + std::to_string(expected_row) + " has " + std::to_string(pixels.size()) +
                           " pixels, the map is " + std::to_string(width) + " wide");
        }
        map.rows.emplace_back(pixels);
    }
    if (map.rows.size() != static_cast<std::size_t>(height)) {
        throw MapError(where + ": " + std::to_string(map.rows.size()) + " rows, the map must have " +
                       std::to_string(height));
    }
    return map;
}

IconMap read_icon_map_file(const std::string& path, int width, int height, IconDepth depth) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw MapError(path + ": cannot open the map");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return read_icon_map(text.str(), width, height, depth, path);
}

bool is_transparent(char letter) { return letter == '.'; }

std::uint8_t colour_index(char letter, IconDepth depth) {
    const bool two = depth == IconDepth::two_colours;
    switch (letter) {
    case '.': return two ? 1 : 0;
    case 'K': return 0;
    case 'W': return two ? 1 : 15;
    case 'A': if (!two) return 14; break;
    case 'L': if (!two) return 8; break;
    case 'G': if (!two) return 7; break;
    default: break;
    }
    throw MapError(describe(letter) + " is not a pixel letter of this map");
}

}  // namespace assets
