#include "CommandTable.h"

#include <array>

namespace veldrix::cli {
namespace {

// In the order --help lists them.
constexpr std::array kRows = {
    CommandRow{CliCommand::Families, "families", FileArgument::None, std::nullopt,
               "list the hardware families"},
    CommandRow{CliCommand::Ports, "ports", FileArgument::None, std::nullopt,
               "list the ports the hardware family can use"},
    CommandRow{CliCommand::Modules, "modules", FileArgument::None, std::nullopt,
               "list the chip modules of the hardware family"},
    CommandRow{CliCommand::Chips, "chips", FileArgument::None, std::nullopt,
               "list the chips of the module, with every field of their\ndescription"},
    CommandRow{CliCommand::Keys, "keys", FileArgument::None, std::nullopt,
               "show the chip's write algorithms and configuration keys\n"
               "(after --algorithm and --key are applied)"},
    CommandRow{CliCommand::Read, "read", FileArgument::Required, Command::Read,
               "read the chip into FILE in the format of its extension\n"
               "(.hex, .ihx: Intel HEX; .s19, .s28, .s37, .srec, .mot:\n"
               "S-record; anything else: raw)"},
    CommandRow{CliCommand::Write, "write", FileArgument::Required, Command::Write,
               "write FILE into the chip (raw, Intel HEX or S-record, as\n"
               "its content shows); asks \"Are you sure?\" when the\n"
               "confirmation setting is on, unless --yes is given"},
    CommandRow{CliCommand::Compare, "compare", FileArgument::Required, Command::Compare,
               "compare the chip with FILE; counts the differences, lists\n"
               "the first ones, the wrong bits and what they point to"},
    CommandRow{CliCommand::Blank, "blank", FileArgument::None, Command::BlankCheck,
               "check that the chip is blank"},
    CommandRow{CliCommand::Erase, "erase", FileArgument::None, Command::Erase, "erase the chip"},
    CommandRow{CliCommand::Id, "id", FileArgument::None, Command::ReadId,
               "read the chip's identifier"},
    CommandRow{CliCommand::Test, "test", FileArgument::None, Command::Test,
               "run the module's test"},
    CommandRow{CliCommand::Lock, "lock", FileArgument::None, Command::Lock, "lock the chip"},
    CommandRow{CliCommand::Unlock, "unlock", FileArgument::None, Command::Unlock,
               "unlock the chip"},
    CommandRow{CliCommand::Config, "config", FileArgument::None, Command::Configuration,
               "run the chip's configuration function"},
    CommandRow{CliCommand::Digest, "digest", FileArgument::Optional, Command::Read,
               "Check sum, CRC32 and MD5 of FILE, or of the chip (read\n"
               "first) when no FILE is given; a record FILE's image runs\n"
               "from address 0 to the last byte its records give"},
    CommandRow{CliCommand::SelfTest, "selftest", FileArgument::None, std::nullopt,
               "test the programmer board on the port: each presence\n"
               "check, then the voltage latch up and down; fails unless\n"
               "every step passes"},
    CommandRow{CliCommand::Help, "help", FileArgument::None, std::nullopt, "show this text"},
    CommandRow{CliCommand::Version, "version", FileArgument::None, std::nullopt, ""},
};

}  // namespace

std::span<const CommandRow> commandRows() noexcept {
    return kRows;
}

const CommandRow* findCommandRow(std::string_view word) noexcept {
    for (const CommandRow& row : kRows) {
        if (row.word == word) {
            return &row;
        }
    }
    return nullptr;
}

const CommandRow& commandRow(CliCommand command) noexcept {
    for (const CommandRow& row : kRows) {
        if (row.command == command) {
            return row;
        }
    }
    return kRows.front();
}

}  // namespace veldrix::cli
