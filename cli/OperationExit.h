#pragma once
// How a device operation's outcome becomes veldrix-cli's exit status.

#include <cstdint>

#include "CliOptions.h"
#include "ExitCode.h"

namespace veldrix::cli {

struct OperationResult {
    bool sent = false;          // the module was called
    std::int32_t result = 0;    // the module's result
    std::uint32_t errdata = 0;  // the call block's errdata after the call
    bool moduleFault = false;   // the module faulted (the guarded call yields 0 then)
};

// Success only when the module was called and reported success; a fault
// inside the module never counts as success, whatever the call yielded.
[[nodiscard]] ExitCode exitCodeFor(CliCommand command, const OperationResult& result) noexcept;

}  // namespace veldrix::cli
