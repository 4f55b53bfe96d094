#include "icon_group.h"

#include "byte_writer.h"
#include "icon_image.h"

namespace assets {
namespace {

constexpr std::uint16_t kIconType = 1;

void write_header(ByteWriter& out, const std::vector<IconImage>& images) {
    if (images.empty() || images.size() > 0xFFFF) {
        throw MapError("an icon needs between 1 and 65535 images");
    }
    out.u16(0);  // reserved
    out.u16(kIconType);
    out.u16(static_cast<std::uint16_t>(images.size()));
}

// Width, rows, colour count, reserved, planes, bits per pixel, byte size:
// the part that the group and the file share.
void write_common_entry(ByteWriter& out, const IconImage& image) {
    const int bits = bits_per_pixel(image.map.depth);
    out.u8(static_cast<std::uint8_t>(image.map.width & 0xFF));   // 256 is written as 0
    out.u8(static_cast<std::uint8_t>(image.map.height & 0xFF));
    out.u8(static_cast<std::uint8_t>(bits < 8 ? 1 << bits : 0));
    out.u8(0);
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(bits));
    out.u32(static_cast<std::uint32_t>(image.bytes.size()));
}

}  // namespace

std::vector<std::uint8_t> encode_icon_group(const std::vector<IconImage>& images) {
    ByteWriter out;
    write_header(out, images);
    for (const IconImage& image : images) {
        write_common_entry(out, image);
        out.u16(image.id);
    }
    return out.take();
}

std::vector<std::uint8_t> encode_icon_file(const std::vector<IconImage>& images) {
    ByteWriter out;
    write_header(out, images);
    std::vector<std::size_t> offsets;
    for (const IconImage& image : images) {
        write_common_entry(out, image);
        offsets.push_back(out.placeholder_u32());
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.patch_u32(offsets[i], out.size());
        out.bytes(images[i].bytes);
    }
    return out.take();
}

}  // namespace assets
