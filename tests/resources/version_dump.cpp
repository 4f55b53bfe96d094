#include "version_dump.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "test_files.h"

namespace resource_tests {
namespace {

std::size_t align4(std::size_t at) { return (at + 3) / 4 * 4; }

std::string hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

[[noreturn]] void fail(std::size_t at, const std::string& what) {
    throw std::runtime_error("version block at 0x" + hex(static_cast<std::uint32_t>(at), 4) + ": " + what);
}

// UTF-16 text from `at` up to its NUL, which must come before `end`. Returns
// the offset after the NUL.
std::size_t read_text(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end, std::string& text) {
    for (; at + 2 <= end; at += 2) {
        const std::uint16_t c = u16_at(bytes, at);
        if (c == 0) return at + 2;
        text += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : "\\u" + hex(c, 4);
    }
    fail(at, "text without its NUL");
}

std::string fixed_info(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    const auto word = [&](int i) { return u32_at(bytes, at + 4 * static_cast<std::size_t>(i)); };
    const auto version = [](std::uint32_t high, std::uint32_t low) {
        return std::to_string(high >> 16) + "." + std::to_string(high & 0xFFFF) + "." + std::to_string(low >> 16) +
               "." + std::to_string(low & 0xFFFF);
    };
    std::ostringstream out;
    out << "signature " << hex(word(0), 8) << " struct " << (word(1) >> 16) << "." << (word(1) & 0xFFFF)
        << " file " << version(word(2), word(3)) << " product " << version(word(4), word(5)) << " flags-mask "
        << word(6) << " flags " << word(7) << " os " << word(8) << " type " << word(9) << " subtype " << word(10)
        << " date " << word(11) << " " << word(12);
    return out.str();
}

// Dumps the node at `at`, which must end by `limit`; returns its end.
std::size_t dump_node(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t limit, int depth,
                      std::ostringstream& out) {
    if (at % 4 != 0) fail(at, "node not on a 4-byte boundary");
    if (at + 6 > limit) fail(at, "node header runs past its parent");
    const std::uint16_t length = u16_at(bytes, at);
    const std::uint16_t value_length = u16_at(bytes, at + 2);
    const std::uint16_t type = u16_at(bytes, at + 4);
    const std::size_t end = at + length;
    if (length < 6 || end > limit) fail(at, "length " + std::to_string(length) + " runs past its parent");
    if (type > 1) fail(at, "type " + std::to_string(type) + " is neither binary nor text");

    std::string key;
    const std::size_t value_at = align4(read_text(bytes, at + 6, end, key));
    const std::size_t value_bytes = type == 1 ? 2u * value_length : value_length;
    if (value_bytes > 0 && value_at + value_bytes > end) fail(at, "value of " + key + " runs past the node");

    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out << indent << hex(static_cast<std::uint32_t>(at), 4) << " " << key << " length " << length << " value "
        << value_length << (type == 1 ? " text" : " binary");
    std::size_t children_at = value_at;
    if (value_bytes > 0) {
        if (type == 1) {
            std::string value;
            if (read_text(bytes, value_at, end, value) != value_at + value_bytes) {
                fail(value_at, "value length of " + key + " does not count its characters and NUL");
            }
            out << ": \"" << value << "\"\n";
        } else if (key == "VS_VERSION_INFO" && value_bytes == 52) {
            out << "\n" << indent << "  " << fixed_info(bytes, value_at) << "\n";
        } else {
            out << ":";
            for (std::size_t i = 0; i + 1 < value_bytes; i += 2) out << " " << hex(u16_at(bytes, value_at + i), 4);
            out << "\n";
        }
        children_at = value_at + value_bytes;
    } else {
        out << "\n";
    }

    std::size_t last_end = children_at;
    for (std::size_t child = align4(children_at); child < end; child = align4(last_end)) {
        last_end = dump_node(bytes, child, end, depth + 1, out);
    }
    if (last_end != end) {
        fail(at, "length " + std::to_string(length) + " of " + key + " does not end on its last child");
    }
    return end;
}

}  // namespace

std::string dump_version_block(const std::vector<std::uint8_t>& bytes) {
    std::ostringstream out;
    const std::size_t end = dump_node(bytes, 0, bytes.size(), 0, out);
    if (end != bytes.size()) fail(end, "bytes after the root node");
    return out.str();
}

}  // namespace resource_tests
