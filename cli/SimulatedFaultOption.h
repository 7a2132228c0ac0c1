#pragma once
// --sim-fault: the fault given to the simulated board before the command
// works on it.

#include "CliOptions.h"
#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class Application;
}  // namespace veldrix

namespace veldrix::cli {

// Success when no fault was asked for or the board took it; a usage error
// when the SIM port is not the one chosen or the board refuses the fault.
[[nodiscard]] ExitCode injectAskedFault(Application& app, const CliOptions& options,
                                        CommandOutput& output);

}  // namespace veldrix::cli
