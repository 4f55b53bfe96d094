#include "toolkit_prefs.h"

#include <filesystem>
#include <fstream>
#include <iterator>
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

// A preference file that was there before the toolkit's read, as it was.
struct KeptFile {
    fs::path path;
    std::string bytes;
    fs::file_time_type modified;
};

bool read_whole(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

void settle_toolkit_preferences() {
    std::vector<fs::path> created;
    std::vector<KeptFile> kept;
    const std::vector<fs::path> paths = preference_paths();
    std::error_code ec;
    for (const fs::path& p : paths) {
        const fs::file_status status = fs::symlink_status(p, ec);
        if (!fs::exists(status)) {
            created.push_back(p);
        } else if (fs::is_regular_file(status)) {
            // An empty file may be one that another program of the toolkit is
            // rewriting at this moment: putting that back could lose what it
            // is about to write, so only a file with contents is kept.
            KeptFile file{p, {}, fs::last_write_time(p, ec)};
            if (!ec && read_whole(p, file.bytes) && !file.bytes.empty()) kept.push_back(std::move(file));
        }
    }
    (void)Fl::option(Fl::OPTION_VISIBLE_FOCUS);  // the first read: all options are cached from now on
    // Remove only what did not exist before, the file first, then its folders
    // if they are empty (fs::remove leaves a folder with contents alone).
    for (const fs::path& p : created) fs::remove(p, ec);
    // The read also writes an existing file back in the toolkit's own layout;
    // put back the user's bytes and time, so the file is as it was.
    for (const KeptFile& file : kept) {
        std::string now;
        if (read_whole(file.path, now) && now != file.bytes) {
            std::ofstream out(file.path, std::ios::binary | std::ios::trunc);
            out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        }
        fs::last_write_time(file.path, file.modified, ec);
    }
}

}  // namespace rt
