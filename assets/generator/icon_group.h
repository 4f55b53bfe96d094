// The icon group directory that lists the icon images by resource
// identifier, and the stand-alone icon file that holds the same images.
#pragma once

#include <cstdint>
#include <vector>

#include "icon_map.h"

namespace assets {

struct IconImage {
    std::uint16_t id = 0;              // the image's resource identifier
    IconMap map;
    std::vector<std::uint8_t> bytes;   // the encoded image
};

// 6-byte header, then one 14-byte entry per image in the given order.
std::vector<std::uint8_t> encode_icon_group(const std::vector<IconImage>& images);

// 6-byte header, one 16-byte entry per image giving its file offset, then
// the images one after another.
std::vector<std::uint8_t> encode_icon_file(const std::vector<IconImage>& images);

}  // namespace assets
