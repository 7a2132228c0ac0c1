#pragma once
// Plug-in files whose loading brings a process down: a library whose
// constructor faults, and truncated copies of good libraries (the loader
// maps segments that lie past the end of the file and faults on them).

#include <string>

#include "TempDir.h"

namespace veldrix::test {

// The built library with the faulting constructor.
[[nodiscard]] std::string faultingConstructorLibrary();

// Writes the first page of `source` (ELF and program headers, no segment
// data) to dir / name; returns the full path.
std::string writeTruncatedLibrary(const TempDir& dir, const std::string& name,
                                  const std::string& source);

}  // namespace veldrix::test
