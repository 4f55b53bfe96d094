// The window description as its readable source states it: three
// identifiers and two control records, each a list of coded properties.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "source_text.h"

namespace assets {

enum class ValueForm { Byte, Short, Long, Shorts4, Longs4, Text, Picture, Raw };

struct SourceProperty {
    std::uint8_t code = 0;
    ValueForm form = ValueForm::Byte;
    std::vector<std::int64_t> numbers;   // Byte, Short, Long, Shorts4, Longs4
    std::string text;                    // Text
    std::string picture_name;            // Picture: a file name, resolved by the caller
    std::vector<std::uint8_t> bytes;     // Raw bytes; for Picture, the BMP file once loaded
};

struct SourceRecord {
    std::uint8_t index = 0;
    std::string name;
    std::uint8_t type = 0;
    std::vector<SourceProperty> properties;
};

struct DescriptionSource {
    Guid window_id{};
    Guid object_id{};
    Guid class_id{};
    SourceRecord window;
    SourceRecord button;
};

// Parses window_description.txt; throws std::runtime_error naming the line.
DescriptionSource parse_description_source(const std::string& content, const std::string& file);

}  // namespace assets
