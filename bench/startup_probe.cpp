// Measures, on the current X display, how long a program takes from process
// start to its window being mapped and how much resident memory it holds once
// idle, for Tovrane and for the minimal FLTK window beside it, and how long
// Tovrane takes from a click on its button to its input box being mapped.
// It prints the medians, the ratios and the targets; it asserts nothing.
//
//   startup_probe [--runs N] [--clicks M] <tovrane> <minimal_window>
//
// Run it on a display with no window manager (scripts/benchmark starts an
// Xvfb of its own): top-level windows are then children of the root window,
// and the probe sees them map through the root's structure events.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_between(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// A window can vanish between its event and our question about it; such an
// error only means "not the window we are waiting for".
int ignore_x_error(Display*, XErrorEvent*) { return 0; }

class Probe {
public:
    Probe() {
        if (std::getenv("DISPLAY") == nullptr) throw std::runtime_error("DISPLAY is not set; run under scripts/with-xvfb");
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) throw std::runtime_error("cannot open the X display");
        int event_base = 0, error_base = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(display_, &event_base, &error_base, &major, &minor))
            throw std::runtime_error("the X server has no XTEST extension");
        XSetErrorHandler(ignore_x_error);
        root_ = DefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        wm_protocols_ = XInternAtom(display_, "WM_PROTOCOLS", False);
        wm_delete_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
        XSync(display_, False);
    }
    ~Probe() {
        kill_child();
        XCloseDisplay(display_);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    pid_t launch(const std::string& program) {
        pid_t pid = fork();
        if (pid < 0) throw std::runtime_error("fork failed");
        if (pid == 0) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            std::perror(program.c_str());
            _exit(127);
        }
        child_ = pid;
        return pid;
    }

    // Waits until a top-level window with this title is mapped; returns it.
    Window wait_for_map(const std::string& title, double timeout_ms) {
        const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(timeout_ms));
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == MapNotify && title_of(event.xmap.window) == title) return event.xmap.window;
            }
            wait_for_events(deadline, "a window titled \"" + title + "\" to map");
        }
    }

    void wait_for_unmap(Window window, double timeout_ms) {
        const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(timeout_ms));
        for (;;) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if ((event.type == UnmapNotify && event.xunmap.window == window) ||
                    (event.type == DestroyNotify && event.xdestroywindow.window == window))
                    return;
            }
            wait_for_events(deadline, "a box to close");
        }
    }

    // Waits until the child has used no processor time for a few samples in a
    // row (it has drawn its window and sits in its event loop), then reads
    // its resident set size in kB.
    long idle_rss_kb(pid_t pid) {
        long last = -1;
        int quiet = 0;
        for (int i = 0; i < 50 && quiet < 3; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            drain();
            const long ticks = cpu_ticks(pid);
            quiet = (ticks == last) ? quiet + 1 : 0;
            last = ticks;
        }
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
        }
        throw std::runtime_error("no VmRSS for the child");
    }

    // One click on the button at window point (x, y); returns the time until
    // the input box has mapped, then answers or cancels the box and closes
    // whatever box follows, as a user would.
    double click_to_box(Window window, int x, int y, bool cancel) {
        int root_x = 0, root_y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, root_, x, y, &root_x, &root_y, &child);
        XTestFakeMotionEvent(display_, -1, root_x, root_y, CurrentTime);
        XSync(display_, False);
        drain();

        const auto start = Clock::now();
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
        const Window question = wait_for_map("question", 5000);
        const double elapsed = ms_between(start, Clock::now());

        focus(question);
        if (!cancel) press(XK_a);
        press(cancel ? XK_Escape : XK_Return);
        wait_for_unmap(question, 5000);
        const Window reply = wait_for_map("Tovrane", 5000);
        focus(reply);
        press(XK_Return);
        wait_for_unmap(reply, 5000);
        return elapsed;
    }

    // Closes the window as a window manager's close button does and waits for
    // the process to end; returns its exit status, or -1 if it had to be killed.
    int close_and_reap(Window window, pid_t pid) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = wm_protocols_;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(wm_delete_);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, window, False, NoEventMask, &event);
        XFlush(display_);
        for (int i = 0; i < 500; ++i) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                child_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            drain();
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        child_ = 0;
        return -1;
    }

    void kill_child() {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
            child_ = 0;
        }
    }

private:
    std::string title_of(Window window) {
        char* name = nullptr;
        std::string title;
        if (XFetchName(display_, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
        return title;
    }

    void wait_for_events(Clock::time_point deadline, const std::string& what) {
        const double left = ms_between(Clock::now(), deadline);
        if (left <= 0) throw std::runtime_error("timed out waiting for " + what);
        if (child_ > 0) {
            int status = 0;
            if (waitpid(child_, &status, WNOHANG) == child_) {
                child_ = 0;
                throw std::runtime_error("the program ended while waiting for " + what);
            }
        }
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(std::min(left, 50.0)) + 1);
    }

    void drain() {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    void focus(Window window) {
        XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
        XSync(display_, False);
    }

    void press(KeySym key) {
        const KeyCode code = XKeysymToKeycode(display_, key);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
    }

    static long cpu_ticks(pid_t pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // Fields after the command name, which sits in parentheses and may hold blanks.
        std::istringstream rest(text.substr(text.rfind(')') + 2));
        std::string field;
        long utime = 0, stime = 0;
        for (int i = 3; rest >> field; ++i) {
            if (i == 14) utime = std::stol(field);
            if (i == 15) { stime = std::stol(field); break; }
        }
        return utime + stime;
    }

    Display* display_ = nullptr;
    Window root_ = 0;
    Atom wm_protocols_ = 0, wm_delete_ = 0;
    pid_t child_ = 0;
};

struct Sample {
    double startup_ms = 0;
    long rss_kb = 0;
};

Sample measure_once(Probe& probe, const std::string& program, int clicks, std::vector<double>& click_ms) {
    Sample sample;
    const auto start = Clock::now();
    const pid_t pid = probe.launch(program);
    const Window window = probe.wait_for_map("Form1", 10000);
    sample.startup_ms = ms_between(start, Clock::now());
    sample.rss_kb = probe.idle_rss_kb(pid);
    // The button's middle pixel in the window's client area.
    for (int i = 0; i < clicks; ++i) click_ms.push_back(probe.click_to_box(window, 320, 244, i % 4 == 3));
    const int status = probe.close_and_reap(window, pid);
    if (status != 0) std::fprintf(stderr, "note: %s ended with status %d after its window was closed\n", program.c_str(), status);
    return sample;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double minimum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

std::string list(const std::vector<double>& values, const char* format) {
    std::string out;
    char buffer[32];
    for (double v : values) {
        std::snprintf(buffer, sizeof buffer, format, v);
        out += (out.empty() ? "" : " ") + std::string(buffer);
    }
    return out;
}

int usage() {
    std::fprintf(stderr, "usage: startup_probe [--runs N] [--clicks M] <tovrane> <minimal_window>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15, clicks_per_run = 4;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--clicks") && i + 1 < argc) {
            const int value = std::atoi(argv[++i]);
            if (value < (arg == "--runs" ? 1 : 0)) return usage();
            (arg == "--runs" ? runs : clicks_per_run) = value;
        } else if (!arg.empty() && arg[0] != '-') {
            programs.push_back(arg);
        } else {
            return usage();
        }
    }
    if (programs.size() != 2) return usage();
    const std::string& tovrane = programs[0];
    const std::string& minimal = programs[1];

    try {
        Probe probe;
        std::vector<double> click_ms, unused;
        // One run of each first, uncounted, so that both start from warm caches.
        measure_once(probe, minimal, 0, unused);
        measure_once(probe, tovrane, 0, unused);

        std::vector<double> start_t, start_m, rss_t, rss_m;
        for (int run = 0; run < runs; ++run) {
            const Sample m = measure_once(probe, minimal, 0, unused);
            const Sample t = measure_once(probe, tovrane, clicks_per_run, click_ms);
            start_m.push_back(m.startup_ms);
            start_t.push_back(t.startup_ms);
            rss_m.push_back(static_cast<double>(m.rss_kb) / 1024.0);
            rss_t.push_back(static_cast<double>(t.rss_kb) / 1024.0);
        }

        const double st = median(start_t), sm = median(start_m);
        const double rt = median(rss_t), rm = median(rss_m);
        const double ck = median(click_ms);
        std::printf("runs: %d of each program, alternating; clicks: %zu\n\n", runs, click_ms.size());
        std::printf("start-up, process start to window mapped (ms)\n");
        std::printf("  minimal window  median %7.1f   min %7.1f   [%s]\n", sm, minimum(start_m), list(start_m, "%.1f").c_str());
        std::printf("  tovrane         median %7.1f   min %7.1f   [%s]\n", st, minimum(start_t), list(start_t, "%.1f").c_str());
        std::printf("  ratio of medians %.2f x (of minimums %.2f x)   target <= 1.10 x   %s\n\n", st / sm,
                    minimum(start_t) / minimum(start_m), st / sm <= 1.10 ? "met" : "NOT MET");
        std::printf("resident memory once idle (MB)\n");
        std::printf("  minimal window  median %7.2f   [%s]\n", rm, list(rss_m, "%.2f").c_str());
        std::printf("  tovrane         median %7.2f   [%s]\n", rt, list(rss_t, "%.2f").c_str());
        std::printf("  difference      %+.2f MB (ratio %.2f x)   target <= +4 MB   %s\n\n", rt - rm, rt / rm,
                    rt - rm <= 4.0 ? "met" : "NOT MET");
        std::printf("click on the button to input box mapped (ms)\n");
        std::printf("  median %.2f   max %.2f   target < 20   %s\n", ck,
                    click_ms.empty() ? 0.0 : *std::max_element(click_ms.begin(), click_ms.end()), ck < 20 ? "met" : "NOT MET");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_probe: %s\n", e.what());
        return 1;
    }
}
