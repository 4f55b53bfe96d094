// The project's names and start-up settings as project_names.txt states them.
#pragma once

#include <cstdint>
#include <string>

namespace assets {

struct ProjectSource {
    std::string application_title;
    std::string executable_name;
    std::string help_file;
    std::string project_name;
    std::string object_name;
    std::uint32_t locale = 0;
    std::uint32_t second_locale = 0;
    std::uint32_t table_locale = 0;
    std::uint32_t table_second_locale = 0;
    std::uint32_t startup_procedure = 0;
    std::uint32_t threading_flags = 0;
    std::uint32_t thread_count = 0;
    std::uint16_t window_count = 0;
    std::uint16_t external_count = 0;
};

// Every key must appear exactly once; throws std::runtime_error naming the line.
ProjectSource parse_project_source(const std::string& content, const std::string& file);

}  // namespace assets
