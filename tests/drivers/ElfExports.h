#pragma once
// Reads a shared library's dynamic symbol table straight from the file, to
// see everything it exports and not only the names one asks the loader for.

#include <set>
#include <string>

namespace veldrix::test {

// Names of the global and weak symbols the library defines (not the ones it
// imports); empty when the file is not a readable 64-bit ELF object.
[[nodiscard]] std::set<std::string> definedDynamicSymbols(const std::string& path);

}  // namespace veldrix::test
