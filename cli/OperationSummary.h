#pragma once
// The line a device command prints on standard output when it succeeded and
// the program itself shows nothing, so a user at a terminal sees the result.

#include <cstdint>
#include <string>

#include "CliOptions.h"

namespace veldrix::cli {

// `bytes`: the chip's image; `file`: the command's FILE. Empty for commands
// whose result is printed already (id, digest).
[[nodiscard]] std::string successSummary(CliCommand command, std::uint64_t bytes,
                                         const std::string& file);

}  // namespace veldrix::cli
