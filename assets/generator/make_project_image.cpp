// Build-time generator: turns the readable window description and project
// names into generated/description.bin and generated/project_image.bin.
//   make_project_image <window_description.txt> <project_names.txt> <pictures-dir> <out-dir>
#include <iostream>
#include <stdexcept>
#include <string>

#include "description_source.h"
#include "description_writer.h"
#include "file_io.h"
#include "project_image_writer.h"
#include "project_source.h"

namespace {

void load_pictures(assets::SourceRecord& record, const std::string& dir) {
    for (assets::SourceProperty& property : record.properties) {
        if (property.form == assets::ValueForm::Picture) property.bytes = assets::read_bytes(dir + "/" + property.picture_name);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: make_project_image <window_description.txt> <project_names.txt> <pictures-dir> <out-dir>\n";
        return 2;
    }
    try {
        assets::DescriptionSource description = assets::parse_description_source(assets::read_text(argv[1]), argv[1]);
        const assets::ProjectSource project = assets::parse_project_source(assets::read_text(argv[2]), argv[2]);
        load_pictures(description.window, argv[3]);
        load_pictures(description.button, argv[3]);
        const std::vector<std::uint8_t> bytes = assets::write_description(description);
        const std::string out = argv[4];
        assets::write_bytes(out + "/description.bin", bytes);
        assets::write_bytes(out + "/project_image.bin",
                    assets::write_project_image(project, description.window_id, description.object_id, bytes));
    } catch (const std::exception& e) {
        std::cerr << "make_project_image: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
