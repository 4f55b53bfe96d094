#include "project_source.h"

#include <functional>
#include <map>
#include <set>
#include <stdexcept>

#include "source_text.h"

namespace assets {

ProjectSource parse_project_source(const std::string& content, const std::string& file) {
    ProjectSource p;
    const std::map<std::string, std::string*> texts = {
        {"application_title", &p.application_title}, {"executable_name", &p.executable_name},
        {"help_file", &p.help_file},                 {"project_name", &p.project_name},
        {"object_name", &p.object_name},
    };
    const std::map<std::string, std::uint32_t*> longs = {
        {"locale", &p.locale},
        {"second_locale", &p.second_locale},
        {"table_locale", &p.table_locale},
        {"table_second_locale", &p.table_second_locale},
        {"startup_procedure", &p.startup_procedure},
        {"threading_flags", &p.threading_flags},
        {"thread_count", &p.thread_count},
    };
    const std::map<std::string, std::uint16_t*> shorts = {
        {"window_count", &p.window_count},
        {"external_count", &p.external_count},
    };
    std::set<std::string> seen;
    for (const SourceLine& line : split_source(content, file)) {
        const std::string& key = line.tokens[0].text;
        if (line.tokens.size() != 2) source_error(file, line, "expected a key and one value");
        if (!seen.insert(key).second) source_error(file, line, "key given twice: " + key);
        const Token& value = line.tokens[1];
        if (auto t = texts.find(key); t != texts.end()) {
            if (!value.quoted) source_error(file, line, key + " wants a quoted text");
            *t->second = value.text;
        } else if (auto l = longs.find(key); l != longs.end()) {
            const std::int64_t n = parse_number(value, line, file);
            if (n < 0 || n > 0xFFFFFFFFLL) source_error(file, line, "not a 32-bit value: " + value.text);
            *l->second = static_cast<std::uint32_t>(n);
        } else if (auto s = shorts.find(key); s != shorts.end()) {
            const std::int64_t n = parse_number(value, line, file);
            if (n < 0 || n > 0xFFFF) source_error(file, line, "not a 16-bit value: " + value.text);
            *s->second = static_cast<std::uint16_t>(n);
        } else {
            source_error(file, line, "unknown key: " + key);
        }
    }
    if (seen.size() != texts.size() + longs.size() + shorts.size()) {
        throw std::runtime_error(file + ": some keys are missing");
    }
    return p;
}

}  // namespace assets
