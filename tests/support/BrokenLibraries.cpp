#include "BrokenLibraries.h"

namespace veldrix::test {

namespace {

// Past the program headers, short of every loaded segment's data.
constexpr std::size_t kTruncatedLength = 4096;

}  // namespace

std::string faultingConstructorLibrary() {
    return VELDRIX_FAULTING_CONSTRUCTOR_LIBRARY;
}

std::string writeTruncatedLibrary(const TempDir& dir, const std::string& name,
                                  const std::string& source) {
    return dir.write(name, TempDir::read(source).substr(0, kTruncatedLength));
}

}  // namespace veldrix::test
