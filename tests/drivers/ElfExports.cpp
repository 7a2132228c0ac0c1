#include "ElfExports.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace veldrix::test {

namespace {

template <class T>
bool readAt(const std::vector<char>& file, std::size_t offset, T& out) {
    if (offset > file.size() || file.size() - offset < sizeof(T)) {
        return false;
    }
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}

}  // namespace

std::set<std::string> definedDynamicSymbols(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    Elf64_Ehdr header;
    if (!readAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        return {};
    }
    auto section = [&](std::size_t index, Elf64_Shdr& out) {
        return readAt(file, header.e_shoff + index * header.e_shentsize, out);
    };
    std::set<std::string> names;
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr symbols;
        Elf64_Shdr strings;
        if (!section(i, symbols) || symbols.sh_type != SHT_DYNSYM ||
            !section(symbols.sh_link, strings)) {
            continue;
        }
        for (std::size_t s = 1; s < symbols.sh_size / sizeof(Elf64_Sym); ++s) {
            Elf64_Sym symbol;
            if (!readAt(file, symbols.sh_offset + s * sizeof(Elf64_Sym), symbol)) {
                break;
            }
            const unsigned binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK)) {
                continue;
            }
            const std::size_t nameAt = strings.sh_offset + symbol.st_name;
            if (nameAt < file.size()) {
                names.insert(std::string(file.data() + nameAt,
                                         strnlen(file.data() + nameAt, file.size() - nameAt)));
            }
        }
    }
    return names;
}

}  // namespace veldrix::test
