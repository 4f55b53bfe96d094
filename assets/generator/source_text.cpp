#include "source_text.h"

#include <cctype>
#include <stdexcept>

namespace assets {

void source_error(const std::string& file, const SourceLine& line, const std::string& what) {
    throw std::runtime_error(file + ":" + std::to_string(line.number) + ": " + what);
}

std::vector<SourceLine> split_source(const std::string& content, const std::string& file) {
    std::vector<SourceLine> lines;
    SourceLine line{1, {}};
    std::size_t i = 0;
    auto finish_line = [&] {
        if (!line.tokens.empty()) lines.push_back(line);
        line = SourceLine{line.number + 1, {}};
    };
    while (i < content.size()) {
        const char c = content[i];
        if (c == '\n') {
            finish_line();
            ++i;
        } else if (c == '#') {
            while (i < content.size() && content[i] != '\n') ++i;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '"') {
            const std::size_t close = content.find('"', i + 1);
            const std::size_t newline = content.find('\n', i + 1);
            if (close == std::string::npos || close > newline) source_error(file, line, "unclosed quoted text");
            line.tokens.push_back(Token{content.substr(i + 1, close - i - 1), true});
            i = close + 1;
        } else {
            const std::size_t start = i;
            while (i < content.size() && !std::isspace(static_cast<unsigned char>(content[i])) && content[i] != '#') ++i;
            line.tokens.push_back(Token{content.substr(start, i - start), false});
        }
    }
    finish_line();
    return lines;
}

std::int64_t parse_number(const Token& token, const SourceLine& line, const std::string& file) {
    const std::string& s = token.text;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const bool negative = !hex && !s.empty() && s[0] == '-';
    const std::size_t first = hex ? 2 : (negative ? 1 : 0);
    if (token.quoted || first >= s.size() || s.size() - first > 16) {
        source_error(file, line, "not a number: " + s);
    }
    std::int64_t value = 0;
    for (std::size_t i = first; i < s.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) source_error(file, line, "not a number: " + s);
        value = value * (hex ? 16 : 10) + digit;
    }
    return negative ? -value : value;
}

Guid parse_guid(const std::string& text) {
    // Byte order of the 32 hex digits: groups 1-3 reversed, the rest as written.
    static constexpr std::array<int, 16> kOrder = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-') {
        throw std::runtime_error("not a GUID: " + text);
    }
    std::array<std::uint8_t, 16> digits_in_order{};
    int n = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '-') continue;
        if (!std::isxdigit(static_cast<unsigned char>(text[i])) || !std::isxdigit(static_cast<unsigned char>(text[i + 1]))) {
            throw std::runtime_error("not a GUID: " + text);
        }
        digits_in_order[static_cast<std::size_t>(n++)] =
            static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16));
        ++i;
    }
    Guid guid{};
    for (std::size_t i = 0; i < 16; ++i) guid[i] = digits_in_order[static_cast<std::size_t>(kOrder[i])];
    return guid;
}

}  // namespace assets
