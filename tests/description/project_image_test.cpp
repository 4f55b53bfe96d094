// The project image: the header's fields and texts, the object table reached
// by following offsets from the header, the window list entry, and start-up
// loading through them.
#include <gtest/gtest.h>

#include <cstdio>

#include "byte_cursor.h"
#include "data_error.h"
#include "description_dump.h"
#include "project.h"
#include "project_image.h"
#include "test_files.h"
#include "window_description.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class ProjectImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { image_ = new Bytes(read_file(generated("project_image.bin"))); }
    static void TearDownTestSuite() { delete image_; }
    static const Bytes& image() { return *image_; }

    static std::uint32_t u32(std::size_t at) {
        rt::ByteCursor in(image(), "project image");
        in.seek(at, "field");
        return in.u32("field");
    }
    static std::uint16_t u16(std::size_t at) {
        rt::ByteCursor in(image(), "project image");
        in.seek(at, "field");
        return in.u16("field");
    }
    static std::string text(std::size_t at) {
        rt::ByteCursor in(image(), "project image");
        in.seek(at, "text");
        return in.c_text("text");
    }
    // The NUL-closed text at `at` is followed by zeros up to a 32-bit boundary.
    static bool zero_filled_after_text(std::size_t at) {
        std::size_t end = at + text(at).size() + 1;
        for (; end % 4 != 0; ++end) {
            if (image().at(end) != 0) return false;
        }
        return true;
    }

private:
    static inline Bytes* image_ = nullptr;
};

std::string hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    return buffer;
}

TEST_F(ProjectImage, HeaderSettings) {
    const std::string dump = "locale " + hex(u32(0x24)) + ", second locale " + hex(u32(0x28)) +
                             ", start-up procedure " + hex(u32(0x2C)) + ", threading " + hex(u32(0x3C)) +
                             ", threads " + hex(u32(0x40)) + ", windows " + hex(u16(0x44)) + ", externals " +
                             hex(u16(0x46));
    EXPECT_EQ(dump, "locale 0x409, second locale 0x0, start-up procedure 0x0, threading 0x8, threads 0x1, "
                    "windows 0x1, externals 0x0");
}

TEST_F(ProjectImage, HeaderTextsFollowTheFixedPart) {
    EXPECT_EQ(u32(0x58), 0x78u);
    EXPECT_EQ(u32(0x5C), 0x80u);
    EXPECT_EQ(u32(0x60), 0x88u);
    EXPECT_EQ(u32(0x64), 0x89u);
    for (std::size_t i = 0x68; i < 0x78; ++i) EXPECT_EQ(image().at(i), 0) << "header byte " << i;
    EXPECT_EQ(text(u32(0x58)), "Tovrane");  // application title
    EXPECT_EQ(text(u32(0x5C)), "Tovrane");  // executable name
    EXPECT_EQ(text(u32(0x60)), "");         // help file: a lone NUL
    EXPECT_EQ(text(u32(0x64)), "Tovrane");  // project name, ending at 0x91
    EXPECT_TRUE(zero_filled_after_text(0x89));
}

TEST_F(ProjectImage, ObjectTableNamesAndLocalesByFollowingOffsets) {
    const std::uint32_t info = u32(0x30);
    const std::uint32_t table = u32(info + 0x04);
    EXPECT_EQ(text(u32(table + 0x40)), "Tovrane");
    EXPECT_TRUE(zero_filled_after_text(u32(table + 0x40)));
    EXPECT_EQ(u32(table + 0x44), 0x0409u);
    EXPECT_EQ(u32(table + 0x48), 0x0809u);
    const std::uint32_t descriptor = u32(table + 0x30);
    EXPECT_EQ(text(u32(descriptor + 0x18)), "Tovrane");
    EXPECT_TRUE(zero_filled_after_text(u32(descriptor + 0x18)));
    // The descriptor repeats the object identifier of the description's head.
    const auto description = rt::read_window_description(read_file(generated("description.bin")));
    rt::Identifier object_id{};
    std::copy(image().begin() + descriptor, image().begin() + descriptor + 16, object_id.begin());
    EXPECT_EQ(hex_identifier(object_id), hex_identifier(description.object_id));
}

TEST_F(ProjectImage, WindowListEntryNamesTheDescription) {
    const std::uint32_t entry = u32(0x4C);
    EXPECT_EQ(u32(entry), 80u);
    const Bytes description = read_file(generated("description.bin"));
    EXPECT_TRUE(std::equal(image().begin() + entry + 4, image().begin() + entry + 20, description.begin() + 5))
        << "the entry's identifier is the head's first";
    for (std::size_t i : {20, 24, 28, 32, 36, 44, 48, 52, 56, 60, 68}) EXPECT_EQ(u32(entry + i), 0u) << "entry +" << i;
    EXPECT_EQ(u32(entry + 40), 0x90u);
    EXPECT_EQ(u32(entry + 64), 1845458u);
    EXPECT_EQ(u32(entry + 76), 0x4Cu);
    const std::uint32_t location = u32(entry + 72);
    EXPECT_EQ(location % 4, 0u);
    ASSERT_EQ(image().size(), location + description.size());
    EXPECT_TRUE(std::equal(description.begin(), description.end(), image().begin() + location));
}

void expect_loaded(const rt::LoadedProject& project) {
    EXPECT_EQ(project.application_title, "Tovrane");
    EXPECT_EQ(project.window.name, "Tovrane");
    EXPECT_EQ(project.window.title, "Form1");
    EXPECT_EQ(project.window.client_width, 639);
    EXPECT_EQ(project.window.client_height, 479);
    EXPECT_EQ(project.window.button.name, "Command1");
    EXPECT_EQ(project.window.button.left, 240);
    EXPECT_EQ(project.window.button.width, 161);
}

TEST_F(ProjectImage, LoadsFromTheFileAndFromTheExecutable) {
    expect_loaded(rt::load_project(std::span<const std::uint8_t>(image())));
    const rt::LoadedProject embedded = rt::load_project(static_cast<const void*>(tovrane_project_image));
    expect_loaded(embedded);
    // The pictures are borrowed from the executable's image, not copied.
    EXPECT_GE(embedded.window.background.data(), tovrane_project_image);
    EXPECT_TRUE(std::equal(image().begin(), image().end(), tovrane_project_image));
}

// The check that load_project names for an image with one field changed.
std::string failed_check(Bytes image) {
    try {
        rt::load_project(std::span<const std::uint8_t>(image));
    } catch (const rt::DataError& e) {
        return e.data() + ": " + e.check();
    }
    return "accepted";
}

void put_u32(Bytes& b, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST_F(ProjectImage, BadHeadersAreRejectedByName) {
    const std::uint32_t entry = u32(0x4C);
    const std::uint32_t location = u32(entry + 72);
    struct Case {
        const char* what;
        std::function<void(Bytes&)> mutate;
        const char* check;
    };
    const Case cases[] = {
        {"signature", [](Bytes& b) { b[0] = 'X'; }, "project image: header signature"},
        {"start-up procedure", [](Bytes& b) { put_u32(b, 0x2C, 0x100); }, "project image: start-up procedure"},
        {"two windows", [](Bytes& b) { b[0x44] = 2; }, "project image: window count"},
        {"title beyond the image", [](Bytes& b) { put_u32(b, 0x58, 0xFFFFFFF0); }, "project image: offset"},
        {"window list beyond the image", [](Bytes& b) { put_u32(b, 0x4C, 0xFFFFFFF0); }, "project image: offset"},
        {"entry size", [&](Bytes& b) { put_u32(b, entry, 81); }, "project image: window list entry"},
        {"description past the end", [&](Bytes& b) { put_u32(b, entry + 64, 1845459); }, "project image: truncated"},
        {"description shifted", [&](Bytes& b) { put_u32(b, entry + 72, location - 4); }, "window description: signature"},
        {"another window's identifier", [&](Bytes& b) { b[entry + 4] ^= 1; }, "project image: window identifier"},
        {"description itself faulty", [&](Bytes& b) { b[location + 4] = 0; }, "window description: format byte"},
    };
    for (const Case& c : cases) {
        Bytes b = image();
        c.mutate(b);
        EXPECT_EQ(failed_check(b), c.check) << c.what;
    }
    Bytes no_nul(image().begin(), image().begin() + 0x7C);
    EXPECT_EQ(failed_check(no_nul), "project image: text end");
}

TEST(ProjectPointer, NullIsAnError) {
    EXPECT_THROW(rt::load_project(static_cast<const void*>(nullptr)), rt::DataError);
}

}  // namespace
