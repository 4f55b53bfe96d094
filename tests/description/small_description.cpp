#include "small_description.h"

#include <fstream>
#include <sstream>

#include "bmp_writer.h"
#include "description_source.h"
#include "description_writer.h"
#include "project_image_writer.h"
#include "project_source.h"

namespace {

std::vector<std::uint8_t> tiny_bmp(std::uint8_t red) {
    assets::Picture picture{2, 2, std::vector<assets::Rgb>(4, assets::Rgb{red, 0, 0})};
    return assets::encode_bmp(picture);
}

std::string read_text(const char* path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

assets::DescriptionSource small_source() {
    assets::DescriptionSource source =
        assets::parse_description_source(read_text(TOVRANE_DESCRIPTION_SOURCE), TOVRANE_DESCRIPTION_SOURCE);
    std::uint8_t red = 10;
    for (auto* record : {&source.window, &source.button}) {
        for (auto& property : record->properties) {
            if (property.form == assets::ValueForm::Picture) property.bytes = tiny_bmp(red++);
        }
    }
    return source;
}

}  // namespace

std::vector<std::uint8_t> small_description() { return assets::write_description(small_source()); }

std::vector<std::uint8_t> small_project_image() {
    const assets::DescriptionSource source = small_source();
    const assets::ProjectSource names = assets::parse_project_source(read_text(TOVRANE_NAMES_SOURCE), TOVRANE_NAMES_SOURCE);
    return assets::write_project_image(names, source.window_id, source.object_id, assets::write_description(source));
}
