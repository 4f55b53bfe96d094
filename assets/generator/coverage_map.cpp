#include "coverage_map.h"

#include <charconv>

namespace assets {
namespace {

// '.' 0, '2'..'9', 'a'..'f' 10..15, '#' 16; -1 for anything else. A share of 1
// never reaches the picture, so '1' is refused rather than silently dropped.
int level_of(char c) {
    if (c == '.') return 0;
    if (c == '#') return kFullCoverage;
    if (c >= '2' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

[[noreturn]] void fail(const std::string& source, int line, const std::string& what) {
    throw CoverageMapError(source + ":" + std::to_string(line) + ": " + what);
}

}  // namespace

int CoverageMap::at(int x, int y) const {
    const int cx = x - box.left;
    const int cy = y - box.top;
    if (cx < 0 || cy < 0 || cx >= box.width || cy >= box.height) return 0;
    return levels[static_cast<std::size_t>(cy) * static_cast<std::size_t>(box.width) + static_cast<std::size_t>(cx)];
}

CoverageMap parse_coverage_map(std::string_view text, const CoverageBox& box, const std::string& source) {
    if (box.width <= 0 || box.height <= 0) {
        throw std::invalid_argument("parse_coverage_map: empty box");
    }
    CoverageMap map{box, {}};
    map.levels.reserve(static_cast<std::size_t>(box.width) * static_cast<std::size_t>(box.height));

    int line_number = 0;
    int rows = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.starts_with("//")) continue;

        const int expected_row = box.top + rows;
        if (rows == box.height) {
            fail(source, line_number, "more than " + std::to_string(box.height) + " rows");
        }
        const std::size_t space = line.find(' ');
        int row = 0;
        const auto [ptr, ec] = std::from_chars(line.data(), line.data() + (space == std::string_view::npos ? line.size() : space), row);
        if (space == std::string_view::npos || ec != std::errc{} || ptr != line.data() + space) {
            fail(source, line_number, "expected a row number, a space and the row's pixels");
        }
        if (row != expected_row) {
            fail(source, line_number, "row " + std::to_string(row) + " where row " + std::to_string(expected_row) + " belongs");
        }
        const std::string_view pixels = line.substr(space + 1);
        if (pixels.size() != static_cast<std::size_t>(box.width)) {
            fail(source, line_number, "row " + std::to_string(row) + " has " + std::to_string(pixels.size()) +
                                          " pixels, not " + std::to_string(box.width));
        }
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const int level = level_of(pixels[i]);
            if (level < 0) {
                fail(source, line_number, "column " + std::to_string(box.left + static_cast<int>(i)) +
                                              ": '" + std::string(1, pixels[i]) +
                                              "' is not a coverage ('.', '2'-'9', 'a'-'f' or '#')");
            }
            map.levels.push_back(static_cast<std::uint8_t>(level));
        }
        ++rows;
    }
    if (rows != box.height) {
        fail(source, line_number, "only " + std::to_string(rows) + " of " + std::to_string(box.height) + " rows");
    }
    return map;
}

}  // namespace assets
