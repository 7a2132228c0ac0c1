#include "OptionTable.h"

#include <optional>
#include <string>
#include <utility>

#include "catalog/WholeNumber.h"
#include "core/ReadVerification.h"

namespace veldrix::cli {
namespace {

const std::string kFine;

// Each read of a verified read keeps a copy of the image until they are compared.
constexpr unsigned kMostVerifiedReads = 16;

// Handlers of the options that only store what they are given.
template <std::optional<std::string> CliOptions::*kField>
std::string storeText(OptionState& state, std::string_view, const std::string& value) {
    state.options.*kField = value;
    return kFine;
}

// A write option and its "--no-" spelling.
template <std::optional<bool> CliOptions::*kField>
std::string storeSwitch(OptionState& state, std::string_view name, const std::string&) {
    state.options.*kField = !name.starts_with("--no-");
    return kFine;
}

template <bool CliOptions::*kField>
std::string storeFlag(OptionState& state, std::string_view, const std::string&) {
    state.options.*kField = true;
    return kFine;
}

std::string storeFamily(OptionState& state, std::string_view, const std::string& value) {
    state.options.family = parseFamily(value);
    return state.options.family ? kFine : "unknown hardware family '" + value + "'";
}

std::string storeAlgorithm(OptionState& state, std::string_view, const std::string& value) {
    const auto number = parseWholeNumber(value);
    if (!number || *number < 1 || *number > 255) {
        return "--algorithm needs a number from 1 to 255";
    }
    state.options.algorithm = *number;
    return kFine;
}

std::string storeKey(OptionState& state, std::string_view, const std::string& value) {
    const auto equals = value.find('=');
    if (equals == std::string::npos || equals == 0) {
        return "--key needs NAME=VALUE";
    }
    state.options.keys.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    return kFine;
}

std::string storeSettingsFile(OptionState& state, std::string_view, const std::string& value) {
    if (value.empty()) {
        return "--settings needs a FILE name";
    }
    state.options.settingsFile = value;
    return kFine;
}

std::string askHelp(OptionState& state, std::string_view, const std::string&) {
    state.helpAsked = true;
    return kFine;
}

std::string askVersion(OptionState& state, std::string_view, const std::string&) {
    state.options.command = CliCommand::Version;
    state.commandGiven = true;
    return kFine;
}

std::string storeSimFault(OptionState& state, std::string_view, const std::string& value) {
    state.options.simFault = parseSimulatedFault(value);
    return state.options.simFault ? kFine
                                  : "--sim-fault needs " + std::string(kSimulatedFaultForms);
}

std::string storeFormat(OptionState& state, std::string_view, const std::string& value) {
    constexpr std::array<std::pair<std::string_view, ImageFormat>, 3> kFormats = {{
        {"raw", ImageFormat::Raw},
        {"ihex", ImageFormat::IntelHex},
        {"srec", ImageFormat::SRecord},
    }};
    for (const auto& [word, format] : kFormats) {
        if (value == word) {
            state.options.format = format;
            return kFine;
        }
    }
    return "--format needs raw, ihex or srec";
}

std::string storeMaxDifferences(OptionState& state, std::string_view, const std::string& value) {
    const auto number = parseWholeNumber(value);
    // A leading "-" reads as a large number, which is no count anybody meant.
    if (!number || value.find('-') != std::string::npos) {
        return "--max-differences needs a count (0 for all)";
    }
    state.options.maxDifferences = *number;
    return kFine;
}

std::string storeVerifyReads(OptionState& state, std::string_view, const std::string& value) {
    const auto number = parseWholeNumber(value);
    if (!number || *number < kMinimumVerifiedReads || *number > kMostVerifiedReads) {
        return "--verify-reads needs a number of reads from " +
               std::to_string(kMinimumVerifiedReads) + " to " + std::to_string(kMostVerifiedReads);
    }
    state.options.verifyReads = *number;
    return kFine;
}

// clang-format off
constexpr std::array kRows = {
    OptionRow{{"--family"}, "F", OptionGroup::Choices,
              "hardware family: 0-3, its directory or its name (tessaro)", storeFamily},
    OptionRow{{"--driver"}, "PATH", OptionGroup::Choices, "programmer driver file",
              storeText<&CliOptions::driver>},
    OptionRow{{"--port"}, "LABEL", OptionGroup::Choices,
              "port: LPT1, COM1, ... or SIM for the simulated board", storeText<&CliOptions::port>},
    OptionRow{{"--module"}, "NAME", OptionGroup::Choices, "chip module (urania, calypso, thalia)",
              storeText<&CliOptions::module>},
    OptionRow{{"--chip"}, "NAME", OptionGroup::Choices,
              "chip of the module, by name as \"chips\" lists it", storeText<&CliOptions::chip>},
    OptionRow{{"--module-root"}, "DIR", OptionGroup::Choices,
              "directory that holds the family directories of modules",
              storeText<&CliOptions::moduleRoot>},
    OptionRow{{"--force-write", "--no-force-write"}, "", OptionGroup::ThisRun,
              "force the write (setting forcewr)", storeSwitch<&CliOptions::forceWrite>},
    OptionRow{{"--check-write", "--no-check-write"}, "", OptionGroup::ThisRun,
              "verify after writing (setting checkwr)", storeSwitch<&CliOptions::checkWrite>},
    OptionRow{{"--test-insert", "--no-test-insert"}, "", OptionGroup::ThisRun,
              "test the chip's insertion (setting testins)", storeSwitch<&CliOptions::testInsert>},
    OptionRow{{"--algorithm"}, "N", OptionGroup::ThisRun,
              "use the chip's write algorithm number N (as \"keys\" lists)", storeAlgorithm},
    OptionRow{{"--key"}, "NAME=VALUE", OptionGroup::ThisRun,
              "set a configuration key (decimal, 0x1F, 1Fh or $1F; binary\n"
              "keys take binary digits; one whole 32-bit value); repeatable",
              storeKey},
    OptionRow{{"--format"}, "raw|ihex|srec", OptionGroup::ThisRun,
              "FILE's format: a raw image, Intel HEX\n"
              "or S-record, whatever its content (read, write, compare,\n"
              "digest) or its extension (read) shows",
              storeFormat},
    OptionRow{{"--max-differences"}, "N", OptionGroup::ThisRun,
              "list the first N differences of compare, or unstable\n"
              "addresses of --verify-reads (default 16; 0 lists all)",
              storeMaxDifferences},
    OptionRow{{"--verify-reads"}, "N", OptionGroup::ThisRun,
              "read: read the chip N times (2-16) and save FILE only when\n"
              "every read gave the same image",
              storeVerifyReads},
    OptionRow{{"-y", "--yes"}, "", OptionGroup::ThisRun,
              "answer every question of the operation affirmatively;\n"
              "without it questions are asked only on a terminal and\n"
              "refused otherwise",
              storeFlag<&CliOptions::yes>},
    OptionRow{{"--json"}, "", OptionGroup::ThisRun,
              "listings and results as one JSON document on standard\n"
              "output, errors included",
              storeFlag<&CliOptions::json>},
    OptionRow{{"--settings"}, "FILE", OptionGroup::ThisRun,
              "keep the settings in this INI file instead of the user's\n"
              "store (~/.config/Quenby Labs/VELDRIX.conf); made when\n"
              "missing, refused when it cannot be read as INI",
              storeSettingsFile},
    OptionRow{{"-h", "--help"}, "", OptionGroup::ThisRun, "show this text", askHelp},
    OptionRow{{"--version"}, "", OptionGroup::ThisRun, "show the version", askVersion},
    OptionRow{{"--sim-fault"}, "FAULT", OptionGroup::Testing,
              "give the simulated board a fault for this run:\n"
              "stuck:ADDRESS:BIT:LEVEL  bit BIT (0-7) of the byte at\n"
              "  ADDRESS reads LEVEL (0 or 1)\n"
              "dataline:BIT:LEVEL  data line BIT reads LEVEL at every\n"
              "  address\n"
              "addrline:BIT:LEVEL  address line BIT (0-31) is held at\n"
              "  LEVEL: the two halves of the chip that differ in it alias\n"
              "intermittent:BIT:SEED  data line BIT reads a random level\n"
              "  on every read, from a generator seeded with SEED\n"
              "statusline:LINE:LEVEL  status register bit LINE (3-7)\n"
              "  reads LEVEL\n"
              "absent  the board is gone: the port answers as an empty one",
              storeSimFault},
};
// clang-format on

}  // namespace

std::span<const OptionRow> optionRows() noexcept {
    return kRows;
}

const OptionRow* findOptionRow(std::string_view name) noexcept {
    for (const OptionRow& row : kRows) {
        if (!name.empty() && (row.names[0] == name || row.names[1] == name)) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace veldrix::cli
