#pragma once
// The commands of veldrix-cli in one table: the word typed, the FILE it
// takes, the engine operation it runs and its line in --help.

#include <optional>
#include <span>
#include <string_view>

#include "CliOptions.h"
#include "core/DeviceCommands.h"

namespace veldrix::cli {

enum class FileArgument { None, Required, Optional };

struct CommandRow {
    CliCommand command;
    std::string_view word;
    FileArgument file;
    // The device operation the command sends to the chip module; digest
    // runs a read only when it is given no file.
    std::optional<Command> operation;
    // For --help, lines separated by "\n"; empty: not listed among the commands.
    std::string_view help;
};

[[nodiscard]] std::span<const CommandRow> commandRows() noexcept;

// The row of `word`; null when no command has that word.
[[nodiscard]] const CommandRow* findCommandRow(std::string_view word) noexcept;

[[nodiscard]] const CommandRow& commandRow(CliCommand command) noexcept;

}  // namespace veldrix::cli
