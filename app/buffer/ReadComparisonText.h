#pragma once
// Reads that disagree, as text, the same for every front end.

#include <string>

#include "buffer/ReadComparison.h"

namespace veldrix {

// "12 unstable addresses", one line "  00001234: 5A 52 5A" per listed
// address with the byte of each read, and "  ..." when more exist.
[[nodiscard]] std::string formatUnstableReads(const ReadComparison& comparison);

}  // namespace veldrix
