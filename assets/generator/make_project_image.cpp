// Build-time generator: turns the readable window description and project
// names into generated/description.bin and generated/project_image.bin.
//   make_project_image <window_description.txt> <project_names.txt> <pictures-dir> <out-dir>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "description_source.h"
#include "description_writer.h"
#include "project_image_writer.h"
#include "project_source.h"

namespace {

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void load_pictures(assets::SourceRecord& record, const std::string& dir) {
    for (assets::SourceProperty& property : record.properties) {
        if (property.form == assets::ValueForm::Picture) property.bytes = read_bytes(dir + "/" + property.picture_name);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: make_project_image <window_description.txt> <project_names.txt> <pictures-dir> <out-dir>\n";
        return 2;
    }
    try {
        assets::DescriptionSource description = assets::parse_description_source(read_text(argv[1]), argv[1]);
        const assets::ProjectSource project = assets::parse_project_source(read_text(argv[2]), argv[2]);
        load_pictures(description.window, argv[3]);
        load_pictures(description.button, argv[3]);
        const std::vector<std::uint8_t> bytes = assets::write_description(description);
        const std::string out = argv[4];
        write_bytes(out + "/description.bin", bytes);
        write_bytes(out + "/project_image.bin",
                    assets::write_project_image(project, description.window_id, description.object_id, bytes));
    } catch (const std::exception& e) {
        std::cerr << "make_project_image: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
