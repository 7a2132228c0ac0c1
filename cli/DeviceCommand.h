#pragma once
// The commands that send a function code to the chip module: the file they
// load or save, the simulated fault they inject, the run itself (cancelled by
// SIGINT or SIGTERM) and how its outcome is reported.

#include "CliOptions.h"
#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class Application;
}

namespace veldrix::cli {

class TerminalUserInterface;

[[nodiscard]] ExitCode runDeviceCommand(Application& app, const CliOptions& options,
                                        TerminalUserInterface& ui, CommandOutput& output);

}  // namespace veldrix::cli
