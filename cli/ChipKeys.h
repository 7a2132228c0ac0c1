#pragma once
// The chip's write algorithm and configuration keys, set and shown through
// the Advanced Options dialog as the program does.

#include "CliOptions.h"
#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class Application;
}

namespace veldrix::cli {

// --algorithm and --key, applied and accepted like the dialog's OK. Nothing
// is applied when one of them cannot be.
[[nodiscard]] ExitCode applyChipKeys(Application& app, const CliOptions& options,
                                     CommandOutput& output);

// The keys command: the current write algorithm, the chip's algorithms and keys.
[[nodiscard]] ExitCode showChipKeys(Application& app, CommandOutput& output);

}  // namespace veldrix::cli
