#pragma once
// How a device operation's outcome becomes veldrix-cli's exit status.

#include "ExitCode.h"
#include "core/OperationOutcome.h"

namespace veldrix::cli {

// Success only when the engine judged the operation a success; a fault of
// the module or the driver is a failure of the kind the operation risks.
[[nodiscard]] ExitCode exitCodeFor(const OperationOutcome& outcome) noexcept;

}  // namespace veldrix::cli
