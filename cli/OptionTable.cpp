#include "OptionTable.h"

#include <cstdint>
#include <optional>

#include "catalog/KeyValue.h"

namespace veldrix::cli {
namespace {

const std::string kFine;

// "stuck:ADDRESS:BIT:LEVEL", the numbers as the configuration files write them.
std::optional<SimulatedStuckBit> parseSimFault(std::string_view text) {
    constexpr std::string_view kPrefix = "stuck:";
    if (!text.starts_with(kPrefix)) {
        return std::nullopt;
    }
    text.remove_prefix(kPrefix.size());
    std::array<std::uint32_t, 3> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto colon = text.find(':');
        const bool last = i + 1 == fields.size();
        if (last != (colon == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto value = parseWholeNumber(std::string(text.substr(0, colon)));
        if (!value) {
            return std::nullopt;
        }
        fields[i] = *value;
        text.remove_prefix(last ? text.size() : colon + 1);
    }
    if (fields[1] > 7 || fields[2] > 1) {
        return std::nullopt;
    }
    return SimulatedStuckBit{fields[0], static_cast<int>(fields[1]), static_cast<int>(fields[2])};
}

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
    state.options.simStuckBit = parseSimFault(value);
    return state.options.simStuckBit ? kFine : "--sim-fault needs stuck:ADDRESS:BIT:LEVEL";
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
    OptionRow{{"--sim-fault"}, "stuck:ADDRESS:BIT:LEVEL", OptionGroup::Testing,
              "on the simulated board, make bit BIT (0-7) of the byte at\n"
              "ADDRESS always read LEVEL (0 or 1) during this run",
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
