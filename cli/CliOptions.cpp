#include "CliOptions.h"

#include <QString>

#include "CommandTable.h"
#include "OptionTable.h"
#include "core/HardwareFamilies.h"

namespace veldrix::cli {
namespace {

class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    ParsedCommandLine run() {
        bool optionsEnded = false;
        std::vector<std::string> operands;
        for (index_ = 0; index_ < arguments_.size() && error_.empty(); ++index_) {
            const std::string& argument = arguments_[index_];
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
                option(argument);
            } else if (!state_.commandGiven) {
                const CommandRow* row = findCommandRow(argument);
                if (row == nullptr) {
                    return fail("unknown command '" + argument + "'");
                }
                state_.options.command = row->command;
                state_.commandGiven = true;
            } else {
                operands.push_back(argument);
            }
        }
        if (!error_.empty()) {
            return fail(error_);
        }
        if (state_.helpAsked) {
            // "veldrix-cli write --help" asks for help, whatever else is there;
            // --json still makes it one JSON document.
            CliOptions help;
            help.command = CliCommand::Help;
            help.json = state_.options.json;
            return {help, {}};
        }
        if (!state_.commandGiven) {
            return fail("no command given");
        }
        return finish(operands);
    }

private:
    ParsedCommandLine fail(std::string why) { return {std::nullopt, std::move(why), jsonAsked()}; }

    // Whether a usage error is to be reported as JSON: "--json" before any "--".
    [[nodiscard]] bool jsonAsked() const {
        for (const std::string& argument : arguments_) {
            if (argument == "--") {
                return false;
            }
            if (argument == "--json") {
                return true;
            }
        }
        return false;
    }

    ParsedCommandLine finish(const std::vector<std::string>& operands) {
        const CommandRow& row = commandRow(state_.options.command);
        const std::string word(row.word);
        if (operands.size() > 1 || (operands.size() == 1 && row.file == FileArgument::None)) {
            return fail("too many arguments for '" + word + "'");
        }
        if (operands.empty() && row.file == FileArgument::Required) {
            return fail("'" + word + "' needs a FILE");
        }
        if (!operands.empty()) {
            // An empty name would stand for no file (digest of the chip).
            if (operands.front().empty()) {
                return fail("'" + word + "' needs a FILE, not an empty name");
            }
            state_.options.file = operands.front();
        }
        // Options that change what a command does are refused where they
        // would change nothing, rather than ignored.
        if (state_.options.verifyReads && state_.options.command != CliCommand::Read) {
            return fail("--verify-reads is for 'read'");
        }
        if (state_.options.format && state_.options.file.empty()) {
            return fail("--format is for a command with a FILE");
        }
        return {std::move(state_.options), {}};
    }

    // An option given as --name, --name=value or --name value.
    void option(const std::string& argument) {
        std::string name = argument;
        std::optional<std::string> inlineValue;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inlineValue = argument.substr(equals + 1);
        }
        const OptionRow* row = findOptionRow(name);
        if (row == nullptr) {
            error_ = "unknown option '" + name + "'";
            return;
        }
        std::string value;
        if (row->value.empty()) {
            if (inlineValue) {
                error_ = "option '" + name + "' takes no value";
                return;
            }
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (index_ + 1 < arguments_.size()) {
            value = arguments_[++index_];
        } else {
            error_ = "option '" + name + "' needs a value";
            return;
        }
        error_ = row->apply(state_, name, value);
    }

    const std::vector<std::string>& arguments_;
    std::size_t index_ = 0;
    OptionState state_;
    std::string error_;
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    return Parser(arguments).run();
}

const char* commandWord(CliCommand command) noexcept {
    return commandRow(command).word.data();
}

bool changesChip(CliCommand command) noexcept {
    const std::optional<Command> operation = commandRow(command).operation;
    return operation && commandInfo(*operation).changesChip;
}

std::optional<unsigned> parseFamily(const std::string& text) {
    if (text.size() == 1 && text[0] >= '0' &&
        text[0] < '0' + static_cast<int>(kHardwareFamilyCount)) {
        return static_cast<unsigned>(text[0] - '0');
    }
    const QString wanted = QString::fromStdString(text);
    for (unsigned index = 0; index < kHardwareFamilyCount; ++index) {
        const HardwareFamily& row = hardwareFamilies()[index];
        if (wanted.compare(QString::fromLatin1(row.dir), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QString::fromLatin1(row.title), Qt::CaseInsensitive) == 0) {
            return index;
        }
    }
    return std::nullopt;
}

}  // namespace veldrix::cli
