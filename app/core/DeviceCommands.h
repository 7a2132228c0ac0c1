#pragma once
// The commands that act on the chip in the programmer: their menu and
// toolbar identifiers, keys and function codes, in one table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dlldata.h"

namespace veldrix {

enum class Command {
    Read,
    Write,
    Compare,
    BlankCheck,
    Erase,
    ReadId,
    Test,
    Lock,
    Unlock,
    Configuration
};

struct CommandInfo {
    Command command;
    std::uint16_t identifier;  // the menu and toolbar command identifier
    std::string_view key;      // accelerator key, empty when none
    // Function code sent to the module; its capability flag enables the command.
    std::uint16_t funcode;
    // A failure may leave the chip changed (cells or protection state).
    bool changesChip;
};

inline constexpr std::array<CommandInfo, 10> kCommands{{
    {Command::Read, 0x800E, "F5", DD_FN_READ, false},
    {Command::Write, 0x800F, "F6", DD_FN_WRITE, true},
    {Command::Compare, 0x8010, "F7", DD_FN_COMPARE, false},
    {Command::BlankCheck, 0x8011, "F8", DD_FN_BLANK_CHECK, false},
    {Command::Erase, 0x8012, "", DD_FN_ERASE, true},
    {Command::ReadId, 0x8013, "", DD_FN_READ_ID, false},
    {Command::Test, 0x8014, "", DD_FN_TEST, false},
    {Command::Lock, 0x8015, "", DD_FN_LOCK, true},
    {Command::Unlock, 0x8016, "", DD_FN_UNLOCK, true},
    {Command::Configuration, 0x8024, "", DD_FN_CONFIGURATION, true},
}};

[[nodiscard]] constexpr const CommandInfo& commandInfo(Command command) noexcept {
    return kCommands[static_cast<std::size_t>(command)];
}

}  // namespace veldrix
