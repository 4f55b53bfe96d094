#include "window_description.h"

#include <algorithm>

#include "byte_cursor.h"

namespace rt {
namespace {

constexpr std::array<std::uint8_t, 4> kSignature = {0xFF, 0xCC, 0x31, 0x00};
constexpr std::array<std::uint8_t, 4> kPictureTag = {0x6C, 0x74, 0x00, 0x00};
constexpr std::size_t kCountOffset = 89;
constexpr std::uint8_t kEndOfProperties = 0xFF;
constexpr std::size_t kBmpHeadersSize = 14 + 40;
constexpr int kTwipsPerPixel = 15;

struct CodeForm {
    std::uint8_t code;
    ValueForm form;
};

// Every code that stands in each record type. 0x19 in the window's record is
// taken with four bytes (19 01 00 42 00 whole), 0x23 is a plain 32-bit value
// with no stream after it, and 0x1F and 0x27 in the button's are a byte and a
// 32-bit value: their roles are unknown, their widths are not.
constexpr CodeForm kWindowCodes[] = {
    {0x01, ValueForm::Text},    // title
    {0x19, ValueForm::Long},    // open
    {0x21, ValueForm::Picture}, // background picture
    {0x23, ValueForm::Long},    // open
    {0x24, ValueForm::Text},    // link topic
    {0x35, ValueForm::Longs4},  // client area
    {0x46, ValueForm::Byte},    // start-up placement
};
constexpr CodeForm kButtonCodes[] = {
    {0x03, ValueForm::Long},    // back colour
    {0x04, ValueForm::Shorts4}, // place and size
    {0x11, ValueForm::Short},   // tab order
    {0x1F, ValueForm::Byte},    // open
    {0x22, ValueForm::Picture}, // picture
    {0x27, ValueForm::Long},    // open
    {0x29, ValueForm::Byte},    // style
};

std::string read_counted_text(ByteCursor& in, const std::string& field) {
    const std::uint16_t count = in.u16(field + " count");
    const auto chars = in.bytes(count, field);
    const std::size_t zero_at = in.offset();
    if (in.u8(field + " closing zero") != 0) in.fail("text end", zero_at, field + " is not closed by a zero byte");
    return std::string(chars.begin(), chars.end());
}

std::uint32_t bmp_u32(std::span<const std::uint8_t> bmp, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bmp[at + i]) << (8 * i);
    return value;
}

// Picture value: L, the tag, N = L - 8, then a BMP file of N bytes whose own
// size field holds N.
std::span<const std::uint8_t> read_picture(ByteCursor& in) {
    const std::size_t length_at = in.offset();
    const std::uint32_t length = in.u32("picture stream length");
    if (length < 8) in.fail("picture length", length_at, "stream length " + std::to_string(length) + " is under 8");
    const std::size_t tag_at = in.offset();
    const auto tag = in.bytes(4, "picture tag");
    if (!std::equal(tag.begin(), tag.end(), kPictureTag.begin())) in.fail("picture tag", tag_at, "not 6C 74 00 00");
    const std::size_t count_at = in.offset();
    const std::uint32_t count = in.u32("picture byte count");
    if (count != length - 8) {
        in.fail("picture count", count_at,
                "N is " + std::to_string(count) + " but the stream length less 8 is " + std::to_string(length - 8));
    }
    const std::size_t bmp_at = in.offset();
    const auto bmp = in.bytes(count, "BMP file");
    if (bmp.size() < kBmpHeadersSize || bmp[0] != 'B' || bmp[1] != 'M') {
        in.fail("bmp file", bmp_at, "not a BMP file with its two headers");
    }
    if (bmp_u32(bmp, 2) != count) {
        in.fail("bmp size", bmp_at + 2,
                "the BMP's size field holds " + std::to_string(bmp_u32(bmp, 2)) + ", not N = " + std::to_string(count));
    }
    return bmp;
}

DescriptionProperty read_property(ByteCursor& in, std::uint8_t type, std::uint8_t code, std::size_t code_at) {
    DescriptionProperty p;
    p.code = code;
    p.offset = code_at;
    if (!description_code_form(type, code, p.form)) {
        in.fail("unknown code", code_at, "code " + std::to_string(code) + " is not known in a record of type " +
                                             std::to_string(type));
    }
    switch (p.form) {
    case ValueForm::Byte: p.number = in.u8("byte value"); break;
    case ValueForm::Short: p.number = in.u16("short value"); break;
    case ValueForm::Long: p.number = in.u32("long value"); break;
    case ValueForm::Shorts4:
        for (auto& v : p.rect) v = in.i16("place and size");
        break;
    case ValueForm::Longs4:
        for (auto& v : p.rect) v = in.i32("place and size");
        break;
    case ValueForm::Text: p.text = read_counted_text(in, "text value"); break;
    case ValueForm::Picture: p.bmp = read_picture(in); break;
    }
    p.size = in.offset() - code_at;
    return p;
}

DescriptionRecord read_record(ByteCursor& in, std::uint8_t index, std::uint8_t type) {
    DescriptionRecord r;
    r.offset = in.offset();
    r.size = in.u32("record size");
    const std::size_t index_at = in.offset();
    r.index = in.u8("record index");
    if (r.index != index) {
        in.fail("record index", index_at, "index " + std::to_string(r.index) + ", expected " + std::to_string(index));
    }
    r.name = read_counted_text(in, "record name");
    const std::size_t type_at = in.offset();
    r.type = in.u8("type byte");
    if (r.type != type) {
        in.fail("record type", type_at, "type " + std::to_string(r.type) + ", expected " + std::to_string(type));
    }
    int last_code = -1;
    for (;;) {
        const std::size_t code_at = in.offset();
        const std::uint8_t code = in.u8("property code");
        if (code == kEndOfProperties) break;
        // Codes stand in rising order, so none can be given twice.
        if (code <= last_code) in.fail("code order", code_at, "code " + std::to_string(code) + " after " + std::to_string(last_code));
        last_code = code;
        r.properties.push_back(read_property(in, type, code, code_at));
    }
    // The byte after the 0xFF lies exactly record-size bytes after the start.
    const std::size_t read = in.offset() - r.offset;
    if (read != r.size) {
        in.fail("record size", r.offset,
                "the record size is " + std::to_string(r.size) + " but its 0xFF closes it after " + std::to_string(read) +
                    " bytes");
    }
    return r;
}

void expect_byte(ByteCursor& in, std::uint8_t expected, const std::string& check) {
    const std::size_t at = in.offset();
    const std::uint8_t value = in.u8(check);
    if (value != expected) in.fail(check, at, "byte " + std::to_string(value) + ", expected " + std::to_string(expected));
}

Identifier read_identifier(ByteCursor& in, const char* field) {
    Identifier id{};
    const auto bytes = in.bytes(id.size(), field);
    std::copy(bytes.begin(), bytes.end(), id.begin());
    return id;
}

// Twips to pixels, to the nearest pixel (stored values are whole pixels).
int pixels(std::int32_t twips) {
    const std::int64_t t = twips;
    return static_cast<int>(t >= 0 ? (t + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-t + kTwipsPerPixel / 2) / kTwipsPerPixel));
}

void check_positive_size(int width, int height, const DescriptionProperty& p) {
    if (width <= 0 || height <= 0) {
        throw DataError("window description", "size", p.offset,
                        "width and height are " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    }
}

}  // namespace

const DescriptionProperty* DescriptionRecord::find(std::uint8_t code) const {
    for (const auto& p : properties) {
        if (p.code == code) return &p;
    }
    return nullptr;
}

bool description_code_form(std::uint8_t type, std::uint8_t code, ValueForm& form) {
    const std::span<const CodeForm> codes = type == kWindowType   ? std::span<const CodeForm>(kWindowCodes)
                                            : type == kButtonType ? std::span<const CodeForm>(kButtonCodes)
                                                                  : std::span<const CodeForm>();
    for (const CodeForm& c : codes) {
        if (c.code == code) {
            form = c.form;
            return true;
        }
    }
    return false;
}

WindowDescription read_window_description(std::span<const std::uint8_t> data) {
    ByteCursor in(data, "window description");
    WindowDescription d;
    const auto signature = in.bytes(4, "signature");
    if (!std::equal(signature.begin(), signature.end(), kSignature.begin())) in.fail("signature", 0, "not FF CC 31 00");
    expect_byte(in, 0x01, "format byte");
    d.window_id = read_identifier(in, "window identifier");
    d.object_id = read_identifier(in, "object identifier");
    d.class_id = read_identifier(in, "class identifier");
    in.skip(36, "zero bytes");
    d.count = in.u32("count");
    if (d.count != data.size() - kCountOffset) {
        in.fail("count", kCountOffset,
                "the count is " + std::to_string(d.count) + " but the description holds " +
                    std::to_string(data.size() - kCountOffset) + " bytes from it on");
    }
    d.window = read_record(in, 0, kWindowType);
    expect_byte(in, 0x01, "list marker");
    d.button = read_record(in, 1, kButtonType);
    expect_byte(in, 0x02, "list marker");
    expect_byte(in, 0x04, "end byte");
    if (in.remaining() != 0) {
        in.fail("end byte", in.offset() - 1, std::to_string(in.remaining()) + " bytes follow the end byte");
    }
    return d;
}

std::string latin1_to_utf8(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | byte >> 6);
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

WindowSettings window_settings_from(const WindowDescription& d) {
    WindowSettings w;
    w.name = latin1_to_utf8(d.window.name);
    if (const auto* p = d.window.find(0x01)) w.title = latin1_to_utf8(p->text);
    if (const auto* p = d.window.find(0x35)) {
        w.client_width = pixels(p->rect[2]);
        w.client_height = pixels(p->rect[3]);
        check_positive_size(w.client_width, w.client_height, *p);
    }
    if (const auto* p = d.window.find(0x46)) w.startup_placement = static_cast<int>(p->number);
    if (const auto* p = d.window.find(0x21)) w.background = p->bmp;

    ButtonSettings& b = w.button;
    b.name = latin1_to_utf8(d.button.name);
    if (const auto* p = d.button.find(0x03)) b.back_colour = p->number;
    if (const auto* p = d.button.find(0x04)) {
        b.left = pixels(p->rect[0]);
        b.top = pixels(p->rect[1]);
        b.width = pixels(p->rect[2]);
        b.height = pixels(p->rect[3]);
        check_positive_size(b.width, b.height, *p);
    }
    if (const auto* p = d.button.find(0x11)) b.tab_index = static_cast<int>(p->number);
    if (const auto* p = d.button.find(0x29)) b.graphical = p->number == 1;
    if (const auto* p = d.button.find(0x22)) b.picture = p->bmp;
    return w;
}

}  // namespace rt
