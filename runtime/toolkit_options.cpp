#include "toolkit_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {
namespace {

// The options' names in the files, by Fl::Fl_Option.
constexpr std::array<std::string_view, Fl::OPTION_LAST> kOptionNames{
    "ArrowFocus", "VisibleFocus", "DNDText", "ShowTooltips", "FNFCUsesGTK"};

constexpr std::string_view kSystemOptionsPath = "/etc/fltk/fltk.org/fltk.prefs";
constexpr std::string_view kOptionsGroup = "[./options]";
constexpr std::size_t kHeaderLines = 3;          // the toolkit skips them unread
constexpr std::size_t kMostBytes = 1 << 20;      // far beyond any real file

// The value of an entry as the toolkit takes it: the number it starts with,
// 0 when it starts with none.
int entry_value(const std::string& text) {
    errno = 0;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || v > INT_MAX || v < INT_MIN) return v < 0 ? INT_MIN : INT_MAX;
    return static_cast<int>(v);
}

// A preference file's text, or nothing when it is missing, is not a plain
// file (a folder, a device, a pipe that would never end) or cannot be read.
// It is opened for reading only, and never waits on a pipe.
std::optional<std::string> read_plain_file(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> text;
    struct stat st{};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        text.emplace();
        char chunk[4096];
        while (text->size() < kMostBytes) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) { text.reset(); break; }
            if (n == 0) break;
            text->append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return text;
}

void apply(const ToolkitOptions& options) {
    for (int i = 0; i < Fl::OPTION_LAST; ++i) {
        if (options[i] >= 0) Fl::option(static_cast<Fl::Fl_Option>(i), options[i] != 0);
    }
}

// The toolkit's first read of its options, made so that it cannot write.
// Without HOME it takes its system folder, /etc/fltk, for the user's too,
// so the user's home is never touched. A normal user cannot write there; as
// root, the file rights are those of "nobody" for the read, which also takes
// away the rights to pass over file permissions.
void first_read_writing_nothing() {
    std::optional<std::string> home;
    if (const char* h = std::getenv("HOME")) home = h;
    ::unsetenv("HOME");

    const bool as_root = ::geteuid() == 0;
    uid_t old_uid = 0;
    gid_t old_gid = 0;
    if (as_root) {
        constexpr unsigned kNobody = 65534;
        old_gid = static_cast<gid_t>(::setfsgid(kNobody));
        old_uid = static_cast<uid_t>(::setfsuid(kNobody));
    }

    (void)Fl::option(Fl::OPTION_VISIBLE_FOCUS);  // all options are cached from now on

    if (as_root) {
        ::setfsuid(old_uid);
        ::setfsgid(old_gid);
    }
    if (home) ::setenv("HOME", home->c_str(), 1);
}

}  // namespace

ToolkitOptions parse_toolkit_options(std::string_view text) {
    ToolkitOptions options;
    options.fill(kOptionNotSet);
    bool in_group = false;
    int last_entry = -1;         // the option that a "+" line continues
    std::string last_value;
    std::size_t line_number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line_number++ < kHeaderLines) continue;
        line = line.substr(0, line.find_first_of("\r\n"));

        if (!line.empty() && line.front() == '[') {
            const std::size_t close = line.find(']');
            in_group = line.substr(0, close == std::string_view::npos ? line.size() : close + 1) == kOptionsGroup;
            last_entry = -1;
        } else if (!in_group) {
            continue;
        } else if (!line.empty() && line.front() == '+') {
            if (last_entry < 0) continue;
            last_value.append(line.substr(1));
            options[last_entry] = entry_value(last_value);
        } else {
            last_entry = -1;
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) continue;
            for (int i = 0; i < Fl::OPTION_LAST; ++i) {
                if (line.substr(0, colon) != kOptionNames[i]) continue;
                last_entry = i;
                last_value = std::string(line.substr(colon + 1));
                options[i] = entry_value(last_value);
            }
        }
    }
    for (int& v : options) {
        if (v < 0) v = kOptionNotSet;
    }
    return options;
}

std::string user_options_path(const char* home) {
    if (!home || !*home) return {};
    std::string path = home;
    if (path.back() != '/') path += '/';
    return path + ".fltk/fltk.org/fltk.prefs";
}

void read_toolkit_options() {
    first_read_writing_nothing();
    // The user's file is read after the system's, so that it wins.
    for (const std::string& path : {std::string(kSystemOptionsPath), user_options_path(std::getenv("HOME"))}) {
        if (path.empty()) continue;
        if (const std::optional<std::string> text = read_plain_file(path)) apply(parse_toolkit_options(*text));
    }
}

}  // namespace rt
