#pragma once
// A command that needs the engine: starts it with the choices of the command
// line, checks they were all made, runs the command and closes the engine,
// remembering the choices only when they were made.

#include <filesystem>

#include "CliOptions.h"
#include "CommandOutput.h"
#include "ExitCode.h"
#include "core/SettingsStore.h"

namespace veldrix::cli {

class TerminalUserInterface;

[[nodiscard]] ExitCode runWithEngine(const CliOptions& options, SettingsStore store,
                                     const std::filesystem::path& baseDirectory,
                                     TerminalUserInterface& ui, CommandOutput& output);

}  // namespace veldrix::cli
