#include "toolkit_prefs.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <FL/Fl.H>
#include <pwd.h>
#include <unistd.h>

namespace rt {
namespace {

namespace fs = std::filesystem;

// Where the toolkit keeps its own options: a system folder and one in the
// user's home, each holding fltk.org/fltk.prefs. The home folder is taken
// from the account, as the toolkit does when it is not told otherwise.
std::vector<fs::path> preference_paths() {
    std::vector<fs::path> roots{"/etc/fltk"};
    if (const char* home = std::getenv("HOME"); home && *home) roots.emplace_back(fs::path(home) / ".fltk");
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) roots.emplace_back(fs::path(pw->pw_dir) / ".fltk");
    std::vector<fs::path> paths;  // deepest first, the order to remove them in
    for (const fs::path& root : roots) {
        paths.push_back(root / "fltk.org" / "fltk.prefs");
        paths.push_back(root / "fltk.org");
        paths.push_back(root);
    }
    return paths;
}

}  // namespace

void settle_toolkit_preferences() {
    std::vector<fs::path> created;
    const std::vector<fs::path> paths = preference_paths();
    std::error_code ec;
    for (const fs::path& p : paths) {
        if (!fs::exists(fs::symlink_status(p, ec))) created.push_back(p);
    }
    (void)Fl::option(Fl::OPTION_VISIBLE_FOCUS);  // the first read: all options are cached from now on
    // Remove only what did not exist before, the file first, then its folders
    // if they are empty (fs::remove leaves a folder with contents alone).
    for (const fs::path& p : created) fs::remove(p, ec);
}

}  // namespace rt
