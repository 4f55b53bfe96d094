// Splits the readable source files of the project image into lines of
// tokens: words, numbers and "quoted texts"; '#' starts a comment.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct Token {
    std::string text;
    bool quoted = false;
};

struct SourceLine {
    int number = 0;  // 1-based, for error messages
    std::vector<Token> tokens;
};

// Throws std::runtime_error naming `file` and the line on a malformed line.
std::vector<SourceLine> split_source(const std::string& content, const std::string& file);

// "0x.." is hexadecimal, anything else decimal; throws naming the line.
std::int64_t parse_number(const Token& token, const SourceLine& line, const std::string& file);

// A GUID written {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, in its standard
// 16-byte layout: three little-endian groups, then eight bytes as they stand.
using Guid = std::array<std::uint8_t, 16>;
Guid parse_guid(const std::string& text);

[[noreturn]] void source_error(const std::string& file, const SourceLine& line, const std::string& what);

}  // namespace assets
