// Build-time generator: turns the icon maps and the version values into the
// executable's resources.
//   make_resources <map-dir> <out-dir>
// writes version.bin, icon-group.bin, icon-<id>.bin, icon.ico, tovrane.res,
// resources.bin (the table embedded in the executable) and the desktop's
// icons tovrane-32.png and tovrane-16.png.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "file_io.h"
#include "icon_group.h"
#include "icon_image.h"
#include "icon_map.h"
#include "png_writer.h"
#include "resource_list.h"
#include "resource_table_format.h"
#include "version_block.h"
#include "version_values.h"

namespace {

struct IconSource {
    std::uint16_t id;
    int width;
    int height;
    assets::IconDepth depth;
};

// The icon group's images, in the order the group lists them.
const IconSource kIconSources[] = {
    {30001, 32, 32, assets::IconDepth::two_colours},
    {30002, 32, 32, assets::IconDepth::sixteen_colours},
    {30003, 16, 16, assets::IconDepth::sixteen_colours},
};

constexpr std::uint16_t kVersionId = 1;
constexpr std::uint16_t kIconGroupId = 1;
constexpr std::uint16_t kNeutralLanguage = 0;

void generate(const std::string& map_dir, const std::string& out_dir) {
    std::vector<assets::IconImage> images;
    for (const IconSource& source : kIconSources) {
        const std::string name = "icon-" + std::to_string(source.id);
        assets::IconImage image;
        image.id = source.id;
        image.map = assets::read_icon_map_file(map_dir + "/" + name + ".txt", source.width, source.height, source.depth);
        image.bytes = assets::encode_icon_image(image.map);
        assets::write_bytes(out_dir + "/" + name + ".bin", image.bytes);
        images.push_back(std::move(image));
    }
    const std::vector<std::uint8_t> group = assets::encode_icon_group(images);
    assets::write_bytes(out_dir + "/icon-group.bin", group);
    assets::write_bytes(out_dir + "/icon.ico", assets::encode_icon_file(images));

    const assets::VersionValues& version_values = assets::tovrane_version_values();
    const std::vector<std::uint8_t> version = assets::encode_version_block(version_values);
    assets::write_bytes(out_dir + "/version.bin", version);

    std::vector<assets::Resource> list;
    list.push_back({resources::kTypeVersion, kVersionId, version_values.language, resources::kCodePageUtf16,
                    assets::kMoveable | assets::kPure, version});
    list.push_back({resources::kTypeIconGroup, kIconGroupId, kNeutralLanguage, resources::kCodePageUtf16,
                    assets::kMoveable | assets::kPure | assets::kDiscardable, group});
    for (const assets::IconImage& image : images) {
        list.push_back({resources::kTypeIcon, image.id, kNeutralLanguage, resources::kCodePageUtf16,
                        assets::kMoveable | assets::kDiscardable, image.bytes});
    }
    assets::write_bytes(out_dir + "/tovrane.res", assets::encode_resource_file(list));
    assets::write_bytes(out_dir + "/resources.bin", assets::encode_resource_table(list));

    // The desktop shows the sixteen-colour images.
    const assets::IconMap& large = images[1].map;
    const assets::IconMap& small = images[2].map;
    assets::write_bytes(out_dir + "/tovrane-32.png", assets::encode_png(large.width, large.height, assets::icon_map_pixels(large)));
    assets::write_bytes(out_dir + "/tovrane-16.png", assets::encode_png(small.width, small.height, assets::icon_map_pixels(small)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_resources <map-dir> <out-dir>\n";
        return 2;
    }
    try {
        generate(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "make_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
