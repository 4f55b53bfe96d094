// Writes small seed corpora for the fuzzers. For the description reader: a
// valid description with 2 x 2 pictures, truncated and mutated variants of
// it, and the inputs kept as hex dumps under malformed/. For the project
// image reader: the project image around that small description.
//   make_fuzz_seeds <description-dir> <project-image-dir> <malformed-dir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <iostream>
#include <string>

#include "small_description.h"

namespace {

void write_seed(const std::string& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A malformed/*.hex file: '#' lines are comments, the rest hex bytes.
std::vector<std::uint8_t> read_hex(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word) bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_fuzz_seeds <description-dir> <project-image-dir> <malformed-dir>\n";
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<std::uint8_t> good = small_description();
    write_seed(dir, "small-valid", good);
    for (std::size_t cut : {std::size_t{5}, std::size_t{93}, std::size_t{120}, good.size() / 2, good.size() - 1}) {
        write_seed(dir, "small-cut-" + std::to_string(cut), {good.begin(), good.begin() + static_cast<long>(cut)});
    }
    for (std::size_t at = 0; at < good.size(); at += 37) {
        std::vector<std::uint8_t> flipped = good;
        flipped[at] ^= 0xFF;
        write_seed(dir, "small-flip-" + std::to_string(at), flipped);
    }
    for (const auto& entry : std::filesystem::directory_iterator(argv[3])) {
        if (entry.path().extension() == ".hex") {
            write_seed(dir, "malformed-" + entry.path().stem().string(), read_hex(entry.path()));
        }
    }
    write_seed(argv[2], "small-project-image", small_project_image());
    return 0;
}
