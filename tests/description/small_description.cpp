#include "small_description.h"

#include <fstream>
#include <sstream>

#include "bmp_writer.h"
#include "description_source.h"
#include "description_writer.h"

namespace {

std::vector<std::uint8_t> tiny_bmp(std::uint8_t red) {
    assets::Picture picture{2, 2, std::vector<assets::Rgb>(4, assets::Rgb{red, 0, 0})};
    return assets::encode_bmp(picture);
}

}  // namespace

std::vector<std::uint8_t> small_description() {
    std::ifstream in(TOVRANE_DESCRIPTION_SOURCE);
    std::ostringstream text;
    text << in.rdbuf();
    assets::DescriptionSource source = assets::parse_description_source(text.str(), TOVRANE_DESCRIPTION_SOURCE);
    std::uint8_t red = 10;
    for (auto* record : {&source.window, &source.button}) {
        for (auto& property : record->properties) {
            if (property.form == assets::ValueForm::Picture) property.bytes = tiny_bmp(red++);
        }
    }
    return assets::write_description(source);
}
