#pragma once
// The command line of veldrix-cli: one command per invocation, with the
// choices that override the settings store for this run.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "buffer/CompareReport.h"
#include "buffer/ImageFormat.h"
#include "core/SimulatedFault.h"

namespace veldrix::cli {

enum class CliCommand {
    Help,
    Version,
    Families,
    Ports,
    Modules,
    Chips,
    Keys,
    Read,
    Write,
    Compare,
    Blank,
    Erase,
    Id,
    Test,
    Lock,
    Unlock,
    Config,
    Digest,
    SelfTest,
};

struct CliOptions {
    CliCommand command = CliCommand::Help;
    std::string file;  // read, write, compare; optional for digest
    // The FILE's format instead of the one its content (or for read, its
    // extension) shows.
    std::optional<ImageFormat> format;

    // Choices; unset ones come from the settings store.
    std::optional<unsigned> family;  // hardware family index, 0 to 3
    std::optional<std::string> driver;
    std::optional<std::string> port;
    std::optional<std::string> module;
    std::optional<std::string> chip;
    std::optional<std::string> moduleRoot;

    // Write options for this run only.
    std::optional<bool> forceWrite;
    std::optional<bool> checkWrite;
    std::optional<bool> testInsert;

    std::optional<unsigned> algorithm;                      // 1-based write algorithm
    std::vector<std::pair<std::string, std::string>> keys;  // NAME=VALUE, in order

    bool yes = false;                         // answer every question with its affirmative button
    bool json = false;                        // listings and results as JSON on standard output
    std::optional<std::string> settingsFile;  // INI file instead of the user's store
    std::size_t maxDifferences = kDefaultListedDifferences;  // 0: all
    std::optional<unsigned> verifyReads;     // read: this many reads, compared (2 or more)
    std::optional<SimulatedFault> simFault;  // put into the simulated board first (test hook)
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // empty on a usage error
    std::string error;                  // why, for the user
    bool json = false;                  // --json was among the options, even on an error
};

// `arguments` without the program name.
[[nodiscard]] ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The command's word on the command line ("read", "blank", ...).
[[nodiscard]] const char* commandWord(CliCommand command) noexcept;

// True for the operations that change the chip's cells or state.
[[nodiscard]] bool changesChip(CliCommand command) noexcept;

// A family given as index 0 to 3, directory name or display name (any case).
[[nodiscard]] std::optional<unsigned> parseFamily(const std::string& text);

}  // namespace veldrix::cli
