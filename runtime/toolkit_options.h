// The toolkit reads its options (visible focus, arrow keys, tooltips...) from
// a system and a user preference file the first time one is asked for, and
// that read writes: it creates the files and their folders when they are
// missing, and rewrites a file that lacks its options group. The program
// writes nothing anywhere, so at start-up the runtime lets that first read
// happen where nothing can be written, then reads both files itself, without
// writing, and applies what they set, as any program of the toolkit would.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include <FL/Fl.H>

namespace rt {

// The options a preference file sets, by Fl::Fl_Option; kOptionNotSet where
// it sets none (no options group, no such entry, or a negative value).
constexpr int kOptionNotSet = -1;
using ToolkitOptions = std::array<int, Fl::OPTION_LAST>;

// Reads the options group of a preference file's text, as the toolkit reads
// it: an entry given twice counts as written last.
ToolkitOptions parse_toolkit_options(std::string_view text);

// Where the user's own preference file is for this HOME; empty when HOME is
// unset or empty, so that no user file is read.
std::string user_options_path(const char* home);

// The first read of the toolkit's options, writing nothing, then the options
// of the system file and then of the user's file applied over it.
void read_toolkit_options();

}  // namespace rt
