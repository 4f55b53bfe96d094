// The question window as the runtime builds it from the stored description,
// on a real X display: title, client area, button place and size, and the
// background's pixels read back from the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "bmp_reader.h"
#include "form_window.h"
#include "project.h"
#include "project_image.h"
#include "startup.h"
#include "test_files.h"

namespace {

class BuiltWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_FAIL() << "needs an X display: run under scripts/with-xvfb";
        project = rt::load_project(static_cast<const void*>(tovrane_project_image));
        window = std::make_unique<rt::FormWindow>(project.window);
        window->show();
        // Let the window map and draw, then make sure the server has it all.
        for (int i = 0; i < 40; ++i) Fl::wait(0.02);
        Fl::flush();
        XSync(fl_display, False);
    }
    void TearDown() override {
        if (window) window->hide();
        Fl::wait(0);
    }

    rt::LoadedProject project;
    std::unique_ptr<rt::FormWindow> window;
};

TEST_F(BuiltWindow, HasTheStoredTitleClientAreaAndButton) {
    char* name = nullptr;
    ASSERT_TRUE(XFetchName(fl_display, fl_xid(window.get()), &name));
    EXPECT_STREQ(name, "Form1");
    XFree(name);

    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(fl_display, fl_xid(window.get()), &attributes));
    EXPECT_EQ(attributes.width, 639);
    EXPECT_EQ(attributes.height, 479);

    const rt::PictureButton& button = window->button();
    EXPECT_EQ(button.x(), 240);
    EXPECT_EQ(button.y(), 208);
    EXPECT_EQ(button.w(), 161);
    EXPECT_EQ(button.h(), 73);
}

TEST_F(BuiltWindow, ShowsTheBackgroundPictureOutsideTheButton) {
    const rt::Bitmap spiral = rt::read_bmp(project.window.background);
    ASSERT_EQ(spiral.width, 640);
    ASSERT_EQ(spiral.height, 480);
    window->make_current();
    std::unique_ptr<uchar[]> shown(fl_read_image(nullptr, 0, 0, 639, 479));
    ASSERT_NE(shown, nullptr);
    int differing = 0, compared = 0;
    for (int y = 0; y < 479; ++y) {
        for (int x = 0; x < 639; ++x) {
            if (x >= 240 && x <= 400 && y >= 208 && y <= 280) continue;  // the button
            const uchar* s = &shown[(static_cast<std::size_t>(y) * 639 + x) * 3];
            const std::uint8_t* p = &spiral.rgb[(static_cast<std::size_t>(y) * 640 + x) * 3];
            ++compared;
            if (s[0] != p[0] || s[1] != p[1] || s[2] != p[2]) {
                if (differing++ < 5) ADD_FAILURE() << "pixel (" << x << ", " << y << ") differs";
            }
        }
    }
    EXPECT_EQ(differing, 0) << "of " << compared << " pixels outside the button";
    EXPECT_EQ(compared, 639 * 479 - 161 * 73);
}

// A description that fails a check stops start-up: the error is reported
// and the process ends with a non-zero status. (Without a display the error
// box cannot open; the report on stderr is what is checked.)
TEST(StartupWithBadImage, ReportsTheCheckAndExitsNonZero) {
    std::vector<std::uint8_t> image = read_file(generated("project_image.bin"));
    const std::size_t description = image.size() - 1845458;
    image.at(description + 89) ^= 1;  // the head's count
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, no display connection inherited
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            ThunRTMain(image.data());
        },
        ::testing::ExitedWithCode(1), "window description: count check failed at byte 89");
}

}  // namespace
