#include "description_dump.h"

#include <cstdio>

namespace {

std::string hex(std::uint32_t value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string value_text(const rt::DescriptionProperty& p) {
    switch (p.form) {
    case rt::ValueForm::Byte: return "byte " + std::to_string(p.number);
    case rt::ValueForm::Short: return "short " + std::to_string(p.number);
    case rt::ValueForm::Long: return "long " + hex(p.number, 8);
    case rt::ValueForm::Shorts4:
    case rt::ValueForm::Longs4:
        return std::string(p.form == rt::ValueForm::Shorts4 ? "shorts4 " : "longs4 ") + std::to_string(p.rect[0]) +
               " " + std::to_string(p.rect[1]) + " " + std::to_string(p.rect[2]) + " " + std::to_string(p.rect[3]);
    case rt::ValueForm::Text: return "text \"" + p.text + "\"";
    case rt::ValueForm::Picture: return "picture N=" + std::to_string(p.bmp.size());
    }
    return "?";
}

std::string dump_record(const rt::DescriptionRecord& r) {
    std::string out = "record " + std::to_string(r.index) + " \"" + r.name + "\" type " + hex(r.type, 2) + " at " +
                      std::to_string(r.offset) + " size " + std::to_string(r.size) + "\n";
    for (const auto& p : r.properties) {
        out += "  " + hex(p.code, 2) + " at " + std::to_string(p.offset) + " (" + std::to_string(p.size) +
               " bytes) " + value_text(p) + "\n";
    }
    return out;
}

}  // namespace

std::string hex_identifier(const rt::Identifier& id) {
    std::string out;
    for (std::uint8_t b : id) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        out += buffer;
    }
    return out;
}

std::string dump_description(const rt::WindowDescription& d) {
    return "count " + std::to_string(d.count) + "\n" + dump_record(d.window) + dump_record(d.button);
}
