// Checks a screenshot of Tovrane's window (an XWD file, as `xwd -id` writes
// it) against the spiral and button pictures the build generated.
//
//   shot_check <shot.xwd> <spiral.bmp> <button.bmp> <expect>
//
// <expect> is "clean" (the spiral everywhere outside the button, nothing
// printed) or "printed:N" (outside the button, at least N pixels differ from
// the spiral and all of them lie in the window's top-left corner, where the
// runtime prints). Either way the button's face must show the words of the
// button picture whole. Prints what it found; exits 0 when the shot passes,
// 1 when it does not, 2 on unreadable input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // top-down rows
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

std::vector<std::uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t be32(const std::vector<std::uint8_t>& d, std::size_t at) {
    if (at + 4 > d.size()) throw std::runtime_error("XWD file truncated");
    return std::uint32_t{d[at]} << 24 | std::uint32_t{d[at + 1]} << 16 | std::uint32_t{d[at + 2]} << 8 | d[at + 3];
}

std::uint32_t le32(const std::vector<std::uint8_t>& d, std::size_t at) {
    if (at + 4 > d.size()) throw std::runtime_error("BMP file truncated");
    return std::uint32_t{d[at + 3]} << 24 | std::uint32_t{d[at + 2]} << 16 | std::uint32_t{d[at + 1]} << 8 | d[at];
}

// Scales one channel, given by its mask, to 8 bits.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1u)) ++shift;
    const std::uint32_t max = mask >> shift;
    return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255u / max);
}

// XWD: a header of big-endian 32-bit fields, the window name, the colour
// map, then the pixels as the server laid them out.
Image read_xwd(const std::string& path) {
    const auto d = read_file(path);
    const std::uint32_t header_size = be32(d, 0), format = be32(d, 8), width = be32(d, 16), height = be32(d, 20),
                        byte_order = be32(d, 28), bits_per_pixel = be32(d, 44), bytes_per_line = be32(d, 48),
                        red_mask = be32(d, 56), green_mask = be32(d, 60), blue_mask = be32(d, 64), ncolors = be32(d, 76);
    if (format != 2 || (bits_per_pixel != 32 && bits_per_pixel != 24))
        throw std::runtime_error(path + ": only 24- and 32-bit ZPixmap shots are read");
    if (width == 0 || height == 0 || width > 10000 || height > 10000) throw std::runtime_error(path + ": odd size");
    const std::size_t data = std::size_t{header_size} + std::size_t{ncolors} * 12;
    const std::size_t bytes = bits_per_pixel / 8;
    if (bytes_per_line < width * bytes || data + std::size_t{bytes_per_line} * height > d.size())
        throw std::runtime_error(path + ": pixel data truncated");
    Image image{static_cast<int>(width), static_cast<int>(height), {}};
    image.pixels.reserve(std::size_t{width} * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = &d[data + std::size_t{y} * bytes_per_line + std::size_t{x} * bytes];
            std::uint32_t pixel = 0;
            for (std::size_t i = 0; i < bytes; ++i) {
                const std::size_t k = byte_order == 0 ? bytes - 1 - i : i;  // 0: least significant byte first
                pixel = pixel << 8 | p[k];
            }
            image.pixels.push_back({channel(pixel, red_mask), channel(pixel, green_mask), channel(pixel, blue_mask)});
        }
    }
    return image;
}

// An uncompressed 24-bit BMP, rows bottom-up or top-down.
Image read_bmp(const std::string& path) {
    const auto d = read_file(path);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') throw std::runtime_error(path + ": not a BMP file");
    const std::uint32_t offset = le32(d, 10);
    const auto width = static_cast<std::int32_t>(le32(d, 18));
    const auto raw_height = static_cast<std::int32_t>(le32(d, 22));
    const unsigned bits = d[28] | d[29] << 8;
    if (bits != 24 || width <= 0 || raw_height == 0 || width > 10000 || raw_height > 10000 || raw_height < -10000)
        throw std::runtime_error(path + ": only 24-bit BMP files are read");
    const int height = raw_height < 0 ? -raw_height : raw_height;
    const std::size_t stride = (std::size_t(width) * 3 + 3) / 4 * 4;
    if (offset + stride * std::size_t(height) > d.size()) throw std::runtime_error(path + ": pixel data truncated");
    Image image{width, height, std::vector<Rgb>(std::size_t(width) * std::size_t(height))};
    for (int row = 0; row < height; ++row) {
        const int y = raw_height < 0 ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &d[offset + std::size_t(row) * stride + std::size_t(x) * 3];
            image.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = {p[2], p[1], p[0]};
        }
    }
    return image;
}

struct Rect {
    int left, top, right, bottom;  // both ends included
    bool holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The button's face in the client area, and the words' ink box in the
// button picture.
constexpr Rect kFace{240, 208, 400, 280};
constexpr Rect kInk{244, 232, 392, 247};
// Where printed text may land: the client area's top-left corner.
constexpr Rect kPrintCorner{0, 0, 199, 119};

// Looks for the words on the face: some shift of the button picture under
// which every pixel of its ink box falls on the face and equals the shot.
bool words_on_face(const Image& shot, const Image& button, int& found_dx, int& found_dy) {
    int best = -1;
    for (int dy = -24; dy <= 24; ++dy) {
        for (int dx = -24; dx <= 24; ++dx) {
            // The picture's pixel (x, y) shows at client pixel (x + dx, y + dy).
            if (!kFace.holds(kInk.left + dx, kInk.top + dy) || !kFace.holds(kInk.right + dx, kInk.bottom + dy)) continue;
            int equal = 0;
            for (int y = kInk.top; y <= kInk.bottom; ++y)
                for (int x = kInk.left; x <= kInk.right; ++x) equal += shot.at(x + dx, y + dy) == button.at(x, y);
            if (equal > best) {
                best = equal;
                found_dx = dx;
                found_dy = dy;
            }
        }
    }
    const int all = (kInk.right - kInk.left + 1) * (kInk.bottom - kInk.top + 1);
    std::printf("words on the face: %d of %d ink-box pixels equal at shift (%d, %d)\n", best, all, found_dx, found_dy);
    return best == all;
}

int check(const std::string& shot_path, const std::string& spiral_path, const std::string& button_path,
          const std::string& expect) {
    const Image shot = read_xwd(shot_path), spiral = read_bmp(spiral_path), button = read_bmp(button_path);
    bool pass = true;
    std::printf("shot %d x %d\n", shot.width, shot.height);
    if (shot.width != 639 || shot.height != 479) {
        std::printf("FAIL: the window's client area is not 639 x 479\n");
        return 1;
    }
    if (spiral.width != 640 || spiral.height != 480 || button.width != 640 || button.height != 481) {
        std::printf("FAIL: the pictures are not 640 x 480 and 640 x 481\n");
        return 1;
    }

    int differing = 0, outside_corner = 0;
    Rect box{shot.width, shot.height, -1, -1};
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (kFace.holds(x, y) || shot.at(x, y) == spiral.at(x, y)) continue;
            ++differing;
            outside_corner += !kPrintCorner.holds(x, y);
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    std::printf("outside the button: %d pixels differ from the spiral", differing);
    if (differing > 0) std::printf(" (columns %d-%d, rows %d-%d)", box.left, box.right, box.top, box.bottom);
    std::printf("\n");

    if (expect == "clean") {
        if (differing != 0) {
            std::printf("FAIL: expected the spiral alone outside the button\n");
            pass = false;
        }
    } else if (expect.rfind("printed:", 0) == 0) {
        const int at_least = std::stoi(expect.substr(8));
        if (differing < at_least) {
            std::printf("FAIL: expected at least %d printed pixels\n", at_least);
            pass = false;
        }
        if (outside_corner != 0) {
            std::printf("FAIL: %d changed pixels lie outside the top-left corner\n", outside_corner);
            pass = false;
        }
    } else {
        throw std::runtime_error("unknown expectation " + expect);
    }

    // The words must be in the button picture at all, or finding them on
    // the face proves nothing.
    int ink = 0;
    for (int y = kInk.top; y <= kInk.bottom; ++y)
        for (int x = kInk.left; x <= kInk.right; ++x) ink += !(button.at(x, y) == spiral.at(x, y));
    if (ink < 500) {
        std::printf("FAIL: the button picture holds no words (%d pixels differ from the spiral)\n", ink);
        pass = false;
    }

    int dx = 0, dy = 0;
    if (!words_on_face(shot, button, dx, dy)) {
        std::printf("FAIL: the button's face does not show the words whole\n");
        pass = false;
    }
    return pass ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: shot_check <shot.xwd> <spiral.bmp> <button.bmp> clean|printed:N\n");
        return 2;
    }
    try {
        return check(argv[1], argv[2], argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shot_check: %s\n", e.what());
        return 2;
    }
}
