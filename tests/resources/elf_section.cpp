#include "elf_section.h"

#include <elf.h>

#include <cstring>
#include <stdexcept>

namespace resource_tests {
namespace {

template <typename T>
T read_at(const std::vector<std::uint8_t>& file, std::uint64_t at) {
    if (at > file.size() || sizeof(T) > file.size() - at) throw std::runtime_error("ELF read past the end of the file");
    T value;
    std::memcpy(&value, file.data() + at, sizeof(T));
    return value;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> elf_section(const std::vector<std::uint8_t>& file, const std::string& name) {
    const auto header = read_at<Elf64_Ehdr>(file, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_shentsize != sizeof(Elf64_Shdr)) {
        throw std::runtime_error("not a little-endian 64-bit ELF file");
    }
    const auto section_at = [&](std::uint64_t index) {
        return read_at<Elf64_Shdr>(file, header.e_shoff + index * sizeof(Elf64_Shdr));
    };
    const Elf64_Shdr names = section_at(header.e_shstrndx);
    for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr section = section_at(i);
        std::string section_name;
        for (std::uint64_t at = names.sh_offset + section.sh_name;; ++at) {
            const char c = read_at<char>(file, at);
            if (c == '\0') break;
            section_name += c;
        }
        if (section_name != name) continue;
        if (section.sh_type == SHT_NOBITS || section.sh_offset > file.size() ||
            section.sh_size > file.size() - section.sh_offset) {
            throw std::runtime_error("section " + name + " has no bytes in the file");
        }
        return std::vector<std::uint8_t>(file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset),
                                         file.begin() + static_cast<std::ptrdiff_t>(section.sh_offset + section.sh_size));
    }
    return std::nullopt;
}

}  // namespace resource_tests
