#pragma once
// selftest: the board self-test on the chosen port, each check by name with
// its result, then the voltage step.

#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class Application;
}  // namespace veldrix

namespace veldrix::cli {

// Success only when every check and the voltage step passed.
[[nodiscard]] ExitCode runSelfTest(Application& app, CommandOutput& output);

}  // namespace veldrix::cli
