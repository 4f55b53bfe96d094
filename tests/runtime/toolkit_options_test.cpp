// The toolkit's options: read from its preference files as the toolkit reads
// them, and applied at start-up without writing a thing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "toolkit_options.h"

namespace {

namespace fs = std::filesystem;
using rt::kOptionNotSet;

constexpr const char* kHeader = "; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n";

TEST(ToolkitOptionsText, TakesOnlyTheOptionsGroupAfterTheHeader) {
    const rt::ToolkitOptions o = rt::parse_toolkit_options(
        std::string(kHeader) +
        "[.]\nVisibleFocus:0\n"                      // not the options group
        "[./options]\n; a note\nArrowFocus:1\nVisibleFocus:0\nNoSuchOption:1\n"
        "[./options/more]\nDNDText:0\n"              // a group below it is another
        "[./options] anything after the name\nShowTooltips:0\n");
    EXPECT_EQ(o[Fl::OPTION_ARROW_FOCUS], 1);
    EXPECT_EQ(o[Fl::OPTION_VISIBLE_FOCUS], 0);
    EXPECT_EQ(o[Fl::OPTION_DND_TEXT], kOptionNotSet);
    EXPECT_EQ(o[Fl::OPTION_SHOW_TOOLTIPS], 0);
    EXPECT_EQ(o[Fl::OPTION_FNFC_USES_GTK], kOptionNotSet);

    // The first three lines are the header, whatever they hold.
    const rt::ToolkitOptions in_header = rt::parse_toolkit_options("[./options]\nVisibleFocus:0\n\n");
    EXPECT_EQ(in_header[Fl::OPTION_VISIBLE_FOCUS], kOptionNotSet);
    for (const char* text : {"", "\n\n\n", "no header at all", "[./options"}) {
        for (int v : rt::parse_toolkit_options(text)) EXPECT_EQ(v, kOptionNotSet) << text;
    }
}

TEST(ToolkitOptionsText, ValuesAsTheToolkitTakesThem) {
    const rt::ToolkitOptions o = rt::parse_toolkit_options(
        std::string(kHeader) +
        "[./options]\r\n"
        "ArrowFocus:1\r\n"                           // written elsewhere, with CR LF
        "VisibleFocus:-1\n"                          // negative: not set
        "DNDText:yes\n"                              // no number: 0, as the toolkit reads it
        "ShowTooltips:1\nShowTooltips:0\n"           // the later entry wins
        "FNFCUsesGTK:\n+\n+99999999999999999999\n"); // continued, and beyond any int
    EXPECT_EQ(o[Fl::OPTION_ARROW_FOCUS], 1);
    EXPECT_EQ(o[Fl::OPTION_VISIBLE_FOCUS], kOptionNotSet);
    EXPECT_EQ(o[Fl::OPTION_DND_TEXT], 0);
    EXPECT_EQ(o[Fl::OPTION_SHOW_TOOLTIPS], 0);
    EXPECT_GT(o[Fl::OPTION_FNFC_USES_GTK], 0);

    // A continuation continues only the entry right above it.
    const rt::ToolkitOptions c = rt::parse_toolkit_options(std::string(kHeader) + "[./options]\nOther:x\n+1\n[./options]\n+1\n");
    for (int v : c) EXPECT_EQ(v, kOptionNotSet);
}

TEST(ToolkitOptionsText, UserFileIsBelowHome) {
    EXPECT_EQ(rt::user_options_path("/home/ann"), "/home/ann/.fltk/fltk.org/fltk.prefs");
    EXPECT_EQ(rt::user_options_path("/home/ann/"), "/home/ann/.fltk/fltk.org/fltk.prefs");
    EXPECT_EQ(rt::user_options_path("/"), "/.fltk/fltk.org/fltk.prefs");
    EXPECT_EQ(rt::user_options_path(""), "");
    EXPECT_EQ(rt::user_options_path(nullptr), "");
}

// A home of its own for one start-up, removed afterwards.
class StartupOptions : public ::testing::Test {
protected:
    void SetUp() override {
        char templ[] = "/tmp/tovrane-options-XXXXXX";
        ASSERT_NE(::mkdtemp(templ), nullptr);
        home_ = templ;
        file_ = home_ / ".fltk" / "fltk.org" / "fltk.prefs";
    }
    void TearDown() override { fs::remove_all(home_); }

    void write_prefs(const std::string& text) {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << text;
    }

    // Every path below the home with its size and time, and the home's own time.
    std::string listing() const {
        std::string out = std::to_string(fs::last_write_time(home_).time_since_epoch().count()) + "\n";
        for (const auto& e : fs::recursive_directory_iterator(home_)) {
            struct stat st{};
            ::lstat(e.path().c_str(), &st);
            out += e.path().string() + " " + std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                   std::to_string(st.st_mtim.tv_nsec) + " " + std::to_string(st.st_mode) + "\n";
        }
        return out;
    }

    fs::path home_, file_;
};

// Runs the start-up step in a process of its own with this HOME, and there
// checks the options it leaves; exits 0 when all hold. The test process
// itself never asks for an option, so each child makes the first read.
#define EXPECT_STARTUP(home_value, ...)                                              \
    EXPECT_EXIT(                                                                     \
        {                                                                            \
            ::alarm(10); /* a read that waits on a pipe fails, not hangs */          \
            ::setenv("HOME", home_value, 1);                                         \
            rt::read_toolkit_options();                                              \
            std::exit((__VA_ARGS__) ? 0 : 3);                                        \
        },                                                                           \
        ::testing::ExitedWithCode(0), "")

bool defaults() {
    return Fl::option(Fl::OPTION_ARROW_FOCUS) == 0 && Fl::option(Fl::OPTION_VISIBLE_FOCUS) == 1 &&
           Fl::option(Fl::OPTION_SHOW_TOOLTIPS) == 1;
}

TEST_F(StartupOptions, TheUsersOptionsTakeEffectAndNothingIsWritten) {
    write_prefs(std::string(kHeader) + "[.]\n; in the user's own layout\n[./options]\nVisibleFocus:0\nArrowFocus:1\n");
    fs::last_write_time(file_, fs::last_write_time(file_) - std::chrono::hours(24 * 400));
    const std::string before = listing();
    EXPECT_STARTUP(home_.c_str(), Fl::option(Fl::OPTION_VISIBLE_FOCUS) == 0 && Fl::option(Fl::OPTION_ARROW_FOCUS) == 1 &&
                                      Fl::option(Fl::OPTION_SHOW_TOOLTIPS) == 1);
    // With a trailing slash the same file is read.
    const std::string slashed = home_.string() + "/";
    EXPECT_STARTUP(slashed.c_str(), Fl::option(Fl::OPTION_VISIBLE_FOCUS) == 0);
    EXPECT_EQ(listing(), before);
}

TEST_F(StartupOptions, NoOptionsGroupOrNoFileKeepsTheDefaultsAndWritesNothing) {
    std::string before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before) << "an empty home got something";

    write_prefs(std::string(kHeader) + "[.]\nVisibleFocus:0\n");
    before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before) << "a file without the options group was rewritten";

    write_prefs("");
    before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before);
}

TEST_F(StartupOptions, WhatIsNotAPlainFileIsLeftAlone) {
    fs::create_directories(file_.parent_path());
    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);  // nobody writes to it: reading it would wait forever
    std::string before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before);

    fs::remove(file_);
    fs::create_directory(file_);
    before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before);

    fs::remove(file_);
    fs::create_symlink(home_ / "nowhere", file_);
    before = listing();
    EXPECT_STARTUP(home_.c_str(), defaults());
    EXPECT_EQ(listing(), before);
}

TEST_F(StartupOptions, HomeAndFileRightsArePutBack) {
    const std::string odd = home_.string() + "//";
    EXPECT_STARTUP(odd.c_str(), std::getenv("HOME") && std::getenv("HOME") == odd &&
                                    static_cast<uid_t>(::setfsuid(static_cast<uid_t>(-1))) == ::geteuid() &&
                                    static_cast<gid_t>(::setfsgid(static_cast<gid_t>(-1))) == ::getegid());
    EXPECT_EXIT(
        {
            ::unsetenv("HOME");
            rt::read_toolkit_options();
            std::exit(std::getenv("HOME") == nullptr && defaults() ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
