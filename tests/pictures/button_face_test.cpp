// Runs the program under the test's X display and reads back what the
// button's face shows: the part of the button picture around the words, with
// the words whole and clear of the face's edges.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "bmp_file.h"

namespace {

using picture_tests::BmpFile;
using picture_tests::Pixel;

// The face covers client columns 240-400 and rows 208-280.
constexpr int kFaceLeft = 240, kFaceTop = 208, kFaceWidth = 161, kFaceHeight = 73;
// Laid centred, the face shows picture rows 204-276 and columns 239-399 or 240-400.
constexpr int kPictureTop = 204;
// The words must keep this far from the face's edges.
constexpr int kClearColumns = 4, kClearRows = 28;

// The program, started in the background and stopped when the test ends.
class RunningProgram {
public:
    explicit RunningProgram(const char* path) {
        pid_ = fork();
        if (pid_ == 0) {
            execl(path, path, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~RunningProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
struct ImageDestroyer {
    void operator()(XImage* i) const { XDestroyImage(i); }
};

// The process that owns a window, as the toolkit records it; 0 if unknown.
long owner_of(Display* d, Window w) {
    const Atom pid_atom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
        data && format == 32 && items == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data) XFree(data);
    return pid;
}

// The viewable window named `title` that process `pid` shows, below `parent`.
std::optional<Window> find_window(Display* d, Window parent, const std::string& title, long pid) {
    Window root = 0, parent_return = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, parent, &root, &parent_return, &children, &count)) return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        XWindowAttributes attributes{};
        if (XFetchName(d, children[i], &name) && name && title == name && owner_of(d, children[i]) == pid &&
            XGetWindowAttributes(d, children[i], &attributes) && attributes.map_state == IsViewable) {
            found = children[i];
        }
        if (name) XFree(name);
        if (!found) found = find_window(d, children[i], title, pid);
    }
    if (children) XFree(children);
    return found;
}

// A failed request (say, a window gone between finding and reading it) makes
// the read return nothing rather than end the test.
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

Pixel pixel_of(XImage* image, int x, int y) {
    const unsigned long value = XGetPixel(image, x, y);
    const auto channel = [value](unsigned long mask) {
        int shift = 0;
        while (mask && !(mask & 1)) mask >>= 1, ++shift;
        return static_cast<int>((value >> shift) & mask);
    };
    return Pixel{channel(image->blue_mask), channel(image->green_mask), channel(image->red_mask)};
}

// Face pixels in from the edges by the clear margins that differ from the
// picture laid with its column `picture_left` on the face's first column.
int differences_from_picture(XImage* face, const BmpFile& button, int picture_left, std::string* first) {
    int differences = 0;
    for (int fy = kClearRows; fy < kFaceHeight - kClearRows; ++fy) {
        for (int fx = kClearColumns; fx < kFaceWidth - kClearColumns; ++fx) {
            const Pixel shown = pixel_of(face, fx, fy);
            if (shown == button.at(picture_left + fx, kPictureTop + fy)) continue;
            if (differences++ == 0 && first) {
                *first = "face pixel " + std::to_string(fx) + "," + std::to_string(fy) + " shows " +
                         std::to_string(shown.red) + "," + std::to_string(shown.green) + "," + std::to_string(shown.blue) +
                         " instead of picture pixel " + std::to_string(picture_left + fx) + "," +
                         std::to_string(kPictureTop + fy);
            }
        }
    }
    return differences;
}

TEST(ButtonFace, ShowsTheWordsWholeAndClearOfTheEdges) {
    if (!std::getenv("DISPLAY")) FAIL() << "this test needs an X display: run it under scripts/with-xvfb";
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display) << "cannot open the X display " << std::getenv("DISPLAY");
    XSetErrorHandler(ignore_x_error);
    const BmpFile button(TOVRANE_BUTTON_BMP);

    RunningProgram program(TOVRANE_PROGRAM);
    ASSERT_TRUE(program.started());

    // Read the face until it shows the picture centred: the window may not be
    // mapped or drawn yet at first. Centred, the face shows picture columns
    // 239-399 or 240-400.
    std::string report = "no viewable window \"Form1\"";
    bool shown = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!shown && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::optional<Window> window = find_window(display.get(), DefaultRootWindow(display.get()), "Form1", program.pid());
        XWindowAttributes attributes{};
        if (!window || !XGetWindowAttributes(display.get(), *window, &attributes) ||
            attributes.width < kFaceLeft + kFaceWidth || attributes.height < kFaceTop + kFaceHeight) {
            continue;
        }
        const std::unique_ptr<XImage, ImageDestroyer> face(
            XGetImage(display.get(), *window, kFaceLeft, kFaceTop, kFaceWidth, kFaceHeight, AllPlanes, ZPixmap));
        if (!face) continue;
        for (const int picture_left : {239, 240}) {
            std::string first;
            const int differences = differences_from_picture(face.get(), button, picture_left, &first);
            if (differences == 0) {
                shown = true;
                break;
            }
            report = std::to_string(differences) + " pixels differ with the picture's column " +
                     std::to_string(picture_left) + " at the face's left, first " + first;
        }
    }
    // The words' ink box (columns 244-392, rows 232-247) lies inside the part
    // compared, so they show whole.
    EXPECT_TRUE(shown) << report;
}

}  // namespace
