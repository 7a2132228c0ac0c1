#include "CliHelp.h"

#include "CommandTable.h"
#include "OptionTable.h"

namespace veldrix::cli {
namespace {

// Where descriptions start, and the widest label that leaves one space before.
constexpr std::size_t kDescriptionColumn = 19;
constexpr std::size_t kLabelIndent = 2;
// Labels wider than this get their description on the next line.
constexpr std::size_t kWidestInlineLabel = 32;

// "  label   first line\n" and the further lines of `help` below the first.
std::string helpEntry(const std::string& label, std::string_view help) {
    std::string entry(kLabelIndent, ' ');
    entry += label;
    const std::size_t used = entry.size();
    if (used < kDescriptionColumn) {
        entry.append(kDescriptionColumn - used, ' ');
    } else if (label.size() <= kWidestInlineLabel) {
        entry += "  ";
    } else {
        entry += '\n';
        entry.append(kDescriptionColumn, ' ');
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = help.find('\n', start);
        entry += help.substr(start, end - start);
        entry += '\n';
        if (end == std::string_view::npos) {
            break;
        }
        entry.append(kDescriptionColumn, ' ');
        start = end + 1;
    }
    return entry;
}

std::string commandLabel(const CommandRow& row) {
    std::string label(row.word);
    switch (row.file) {
        case FileArgument::Required:
            return label + " FILE";
        case FileArgument::Optional:
            return label + " [FILE]";
        case FileArgument::None:
            break;
    }
    return label;
}

std::string optionLabel(const OptionRow& row) {
    std::string label(row.names[0]);
    if (!row.names[1].empty()) {
        label.append(", ").append(row.names[1]);
    }
    if (!row.value.empty()) {
        label.append(" ").append(row.value);
    }
    return label;
}

std::string commandSection() {
    std::string section = "Commands:\n";
    for (const CommandRow& row : commandRows()) {
        if (!row.help.empty()) {
            section += helpEntry(commandLabel(row), row.help);
        }
    }
    return section;
}

std::string optionSection(OptionGroup group, const char* title) {
    std::string section = std::string(title) + "\n";
    for (const OptionRow& row : optionRows()) {
        if (row.group == group) {
            section += helpEntry(optionLabel(row), row.help);
        }
    }
    return section;
}

}  // namespace

std::string helpText() {
    return R"(Usage: veldrix-cli [OPTIONS] COMMAND [FILE]

Reads, writes and checks memory chips through a programmer board, with the
same drivers, chip modules and settings as the VELDRIX program. One command
per invocation.

)" + commandSection() +
           "\n" +
           optionSection(OptionGroup::Choices,
                         "Choices (each one is remembered, as the program remembers it):") +
           "\n" + optionSection(OptionGroup::ThisRun, "Options for this run:") + "\n" +
           optionSection(OptionGroup::Testing, "Testing:") + R"(
Progress is drawn on standard error when it is a terminal (percentage and
remaining time). Results go to standard output, and with them the messages
of the operation (its message boxes and status messages, in the order they
were given); other messages and errors go to standard error. An operation
that succeeds without a result of its own prints one line saying what was
done ("Chip is blank", "Erased", ...). The simulated board's chips keep their
contents in $VELDRIX_SIM_DIR (default ~/.local/share/VELDRIX/sim).

Exit status:
    0  success
    1  the operation failed and the chip is unchanged (blank check failed,
       differences found, reads that differ under --verify-reads, a failed
       self-test check, read or identifier error, unsupported operation),
       or the chip module or the driver failed during such an operation
    2  usage error
    3  the operation failed after it began changing the chip (write
       verification failed, erase, lock, unlock or configuration error), or
       the chip module or the driver failed during such an operation
    4  no usable driver (also one that failed its start), no module
       directory, no module, no chip, or no such port; a chip whose image
       cannot be set up; or, for a command that touches the chip, a port,
       module or chip that was never chosen or is no longer there (listings
       go on with what stands in for it, and say so)
    5  a FILE could not be read or written, gives no byte, or is not a
       regular file for read; the --settings file cannot be used, or the
       settings could not be saved; or the simulated board could not save
       the changed chip
    6  not confirmed: the write was refused or could not be asked
  130  cancelled: Ctrl-C (SIGINT) or SIGTERM during the operation stopped it
       and the board was powered down; a written or erased chip may be
       partly changed, and no FILE was written. The urania module does not
       stop mid-way: its read, write and compare run to their end first. A
       second Ctrl-C while the cancel is pending ends the program at once

Example on the simulated board:
  veldrix-cli --port SIM --module calypso --chip W27C512 write image.bin --yes
  veldrix-cli read back.bin
  veldrix-cli compare image.bin
  veldrix-cli digest
)";
}

std::string versionText() {
    return "veldrix-cli 0.4\n";
}

}  // namespace veldrix::cli
