#include "description_writer.h"

#include <array>
#include <limits>
#include <stdexcept>

#include "byte_writer.h"
#include "image_fields.h"

namespace assets {
namespace {

constexpr std::array<std::uint8_t, 4> kSignature = {0xFF, 0xCC, 0x31, 0x00};
constexpr std::array<std::uint8_t, 4> kPictureTag = {0x6C, 0x74, 0x00, 0x00};
constexpr std::size_t kCountOffset = 89;

// 8-bit characters after a 16-bit count, closed by a zero the count leaves out.
void counted_text(ByteWriter& out, const std::string& text) {
    if (text.size() > std::numeric_limits<std::uint16_t>::max()) {
        throw std::runtime_error("text too long for its 16-bit count: " + text.substr(0, 20));
    }
    out.u16(static_cast<std::uint16_t>(text.size()));
    for (char c : text) out.u8(static_cast<std::uint8_t>(c));
    out.u8(0);
}

std::uint32_t length32(std::size_t size, const char* what) {
    if (size > std::numeric_limits<std::uint32_t>::max()) throw std::runtime_error(std::string(what) + " too large");
    return static_cast<std::uint32_t>(size);
}

std::uint32_t bmp_size_field(const std::vector<std::uint8_t>& bmp) {
    if (bmp.size() < 6 || bmp[0] != 'B' || bmp[1] != 'M') throw std::runtime_error("picture is not a BMP file");
    return static_cast<std::uint32_t>(bmp[2]) | static_cast<std::uint32_t>(bmp[3]) << 8 |
           static_cast<std::uint32_t>(bmp[4]) << 16 | static_cast<std::uint32_t>(bmp[5]) << 24;
}

// Picture value: L, then the stream: tag, N, the BMP file (L = N + 8).
void picture(ByteWriter& out, const SourceProperty& property) {
    const std::uint32_t n = length32(property.bytes.size(), "picture");
    if (bmp_size_field(property.bytes) != n) {
        throw std::runtime_error("BMP file " + property.picture_name + ": its size field is not its length");
    }
    const std::size_t length_at = out.placeholder_u32();
    const std::size_t stream_start = out.size();
    put_bytes(out, kPictureTag);
    const std::size_t count_at = out.placeholder_u32();
    const std::size_t picture_start = out.size();
    put_bytes(out, property.bytes);
    out.patch_u32(count_at, out.size() - picture_start);
    out.patch_u32(length_at, out.size() - stream_start);
}

void property_value(ByteWriter& out, const SourceProperty& property) {
    const auto& v = property.numbers;
    switch (property.form) {
    case ValueForm::Byte: out.u8(static_cast<std::uint8_t>(v.at(0))); break;
    case ValueForm::Short: out.u16(static_cast<std::uint16_t>(v.at(0))); break;
    case ValueForm::Long: out.u32(static_cast<std::uint32_t>(v.at(0))); break;
    case ValueForm::Shorts4:
        for (std::size_t i = 0; i < 4; ++i) out.u16(static_cast<std::uint16_t>(v.at(i)));
        break;
    case ValueForm::Longs4:
        for (std::size_t i = 0; i < 4; ++i) out.u32(static_cast<std::uint32_t>(v.at(i)));
        break;
    case ValueForm::Text: counted_text(out, property.text); break;
    case ValueForm::Picture: picture(out, property); break;
    case ValueForm::Raw: put_bytes(out, property.bytes); break;
    }
}

// Size, index, name, zero, type byte, properties, 0xFF; the size counts from
// its own first byte through the 0xFF.
void record(ByteWriter& out, const SourceRecord& source) {
    const std::size_t start = out.size();
    const std::size_t size_at = out.placeholder_u32();
    out.u8(source.index);
    counted_text(out, source.name);
    out.u8(source.type);
    for (const SourceProperty& property : source.properties) {
        out.u8(property.code);
        property_value(out, property);
    }
    out.u8(0xFF);
    out.patch_u32(size_at, out.size() - start);
}

}  // namespace

std::vector<std::uint8_t> write_description(const DescriptionSource& source) {
    ByteWriter out;
    put_bytes(out, kSignature);
    out.u8(0x01);
    put_bytes(out, source.window_id);
    put_bytes(out, source.object_id);
    put_bytes(out, source.class_id);
    put_zeros(out, 36);
    const std::size_t count_at = out.placeholder_u32();
    if (count_at != kCountOffset) throw std::logic_error("description head is not 93 bytes");
    record(out, source.window);
    out.u8(0x01);
    record(out, source.button);
    out.u8(0x02);
    out.u8(0x04);
    // The count runs from its own first byte through the end byte.
    out.patch_u32(count_at, out.size() - kCountOffset);
    return out.take();
}

}  // namespace assets
