#pragma once
// The options of veldrix-cli in one table: their names, the value they
// take, what they set and their lines in --help.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "CliOptions.h"

namespace veldrix::cli {

// What the options of one command line have set so far.
struct OptionState {
    CliOptions options;
    bool helpAsked = false;
    bool commandGiven = false;  // --version names the command
};

// Stores the option's value (empty for an option without one) into the
// state; returns why it cannot, empty when it can. `name` is the spelling
// used, for options with two.
using OptionHandler = std::string (*)(OptionState& state, std::string_view name,
                                      const std::string& value);

// The --help section an option is listed in.
enum class OptionGroup { Choices, ThisRun, Testing };

struct OptionRow {
    std::array<std::string_view, 2> names;  // the second is empty for one name
    std::string_view value;                 // the value's name in --help; empty: takes none
    OptionGroup group;
    std::string_view help;  // lines separated by "\n"
    OptionHandler apply;
};

[[nodiscard]] std::span<const OptionRow> optionRows() noexcept;

// The row with the spelling `name`; null when there is none.
[[nodiscard]] const OptionRow* findOptionRow(std::string_view name) noexcept;

}  // namespace veldrix::cli
