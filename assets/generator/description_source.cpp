#include "description_source.h"

#include <map>
#include <stdexcept>

namespace assets {
namespace {

struct FormInfo {
    ValueForm form;
    std::size_t numbers;  // how many numbers the line carries
    std::int64_t min, max;
};

const std::map<std::string, FormInfo>& forms() {
    static const std::map<std::string, FormInfo> table = {
        {"byte", {ValueForm::Byte, 1, 0, 0xFF}},
        {"short", {ValueForm::Short, 1, -0x8000, 0xFFFF}},
        {"long", {ValueForm::Long, 1, -0x80000000LL, 0xFFFFFFFFLL}},
        {"shorts4", {ValueForm::Shorts4, 4, -0x8000, 0x7FFF}},
        {"longs4", {ValueForm::Longs4, 4, -0x80000000LL, 0x7FFFFFFF}},
        {"text", {ValueForm::Text, 0, 0, 0}},
        {"picture", {ValueForm::Picture, 0, 0, 0}},
        {"raw", {ValueForm::Raw, 0, 0, 0}},
    };
    return table;
}

std::uint8_t parse_byte(const Token& token, const SourceLine& line, const std::string& file) {
    const std::int64_t value = parse_number(token, line, file);
    if (value < 0 || value > 0xFF) source_error(file, line, "not a byte: " + token.text);
    return static_cast<std::uint8_t>(value);
}

SourceProperty parse_property(const SourceLine& line, const std::string& file) {
    if (line.tokens.size() < 2) source_error(file, line, "a property needs a code and a form");
    SourceProperty property;
    property.code = parse_byte(line.tokens[0], line, file);
    const auto found = forms().find(line.tokens[1].text);
    if (found == forms().end()) source_error(file, line, "unknown form: " + line.tokens[1].text);
    const FormInfo& info = found->second;
    property.form = info.form;
    const std::size_t values = line.tokens.size() - 2;
    switch (info.form) {
    case ValueForm::Text:
        if (values != 1 || !line.tokens[2].quoted) source_error(file, line, "text wants one quoted value");
        property.text = line.tokens[2].text;
        break;
    case ValueForm::Picture:
        if (values != 1) source_error(file, line, "picture wants one file name");
        property.picture_name = line.tokens[2].text;
        break;
    case ValueForm::Raw:
        if (values == 0) source_error(file, line, "raw wants at least one byte");
        for (std::size_t i = 2; i < line.tokens.size(); ++i) {
            property.bytes.push_back(static_cast<std::uint8_t>(
                parse_number(Token{"0x" + line.tokens[i].text, false}, line, file)));
            if (line.tokens[i].text.size() != 2) source_error(file, line, "raw bytes are two hex digits each");
        }
        break;
    default:
        if (values != info.numbers) {
            source_error(file, line, "form " + line.tokens[1].text + " wants " + std::to_string(info.numbers) + " numbers");
        }
        for (std::size_t i = 2; i < line.tokens.size(); ++i) {
            const std::int64_t value = parse_number(line.tokens[i], line, file);
            if (value < info.min || value > info.max) source_error(file, line, "value out of range: " + line.tokens[i].text);
            property.numbers.push_back(value);
        }
    }
    return property;
}

}  // namespace

DescriptionSource parse_description_source(const std::string& content, const std::string& file) {
    DescriptionSource source;
    int records = 0;
    int identifiers = 0;
    SourceRecord* open = nullptr;
    for (const SourceLine& line : split_source(content, file)) {
        const std::string& head = line.tokens[0].text;
        if (open != nullptr && head == "end") {
            open = nullptr;
        } else if (open != nullptr) {
            open->properties.push_back(parse_property(line, file));
        } else if (head == "identifier" && line.tokens.size() == 3) {
            const std::string& which = line.tokens[1].text;
            Guid* target = which == "window" ? &source.window_id
                           : which == "object" ? &source.object_id
                           : which == "class"  ? &source.class_id
                                               : nullptr;
            if (target == nullptr) source_error(file, line, "unknown identifier: " + which);
            *target = parse_guid(line.tokens[2].text);
            ++identifiers;
        } else if (head == "record" && line.tokens.size() == 4) {
            if (records == 2) source_error(file, line, "the description holds a window and one button");
            open = records++ == 0 ? &source.window : &source.button;
            open->index = parse_byte(line.tokens[1], line, file);
            open->name = line.tokens[2].text;
            open->type = parse_byte(line.tokens[3], line, file);
        } else {
            source_error(file, line, "expected 'identifier', 'record' or a property");
        }
    }
    if (open != nullptr) throw std::runtime_error(file + ": record without 'end'");
    if (records != 2 || identifiers != 3) {
        throw std::runtime_error(file + ": needs three identifiers and two records");
    }
    return source;
}

}  // namespace assets
