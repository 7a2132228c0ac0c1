#include "CliOptions.h"

#include <QString>
#include <array>
#include <charconv>
#include <string_view>

#include "core/HardwareFamilies.h"

namespace veldrix::cli {
namespace {

struct CommandSpec {
    CliCommand command;
    const char* word;
    enum { NoFile, FileRequired, FileOptional } file;
    // What the command's function code does to the chip; digest counts as
    // no chip command since it reads the chip only when given no file.
    enum { NoChip, ReadsChip, ChangesChip } chip = NoChip;
};

constexpr std::array kCommands = {
    CommandSpec{CliCommand::Help, "help", CommandSpec::NoFile},
    CommandSpec{CliCommand::Version, "version", CommandSpec::NoFile},
    CommandSpec{CliCommand::Families, "families", CommandSpec::NoFile},
    CommandSpec{CliCommand::Ports, "ports", CommandSpec::NoFile},
    CommandSpec{CliCommand::Modules, "modules", CommandSpec::NoFile},
    CommandSpec{CliCommand::Chips, "chips", CommandSpec::NoFile},
    CommandSpec{CliCommand::Keys, "keys", CommandSpec::NoFile},
    CommandSpec{CliCommand::Read, "read", CommandSpec::FileRequired, CommandSpec::ReadsChip},
    CommandSpec{CliCommand::Write, "write", CommandSpec::FileRequired, CommandSpec::ChangesChip},
    CommandSpec{CliCommand::Compare, "compare", CommandSpec::FileRequired, CommandSpec::ReadsChip},
    CommandSpec{CliCommand::Blank, "blank", CommandSpec::NoFile, CommandSpec::ReadsChip},
    CommandSpec{CliCommand::Erase, "erase", CommandSpec::NoFile, CommandSpec::ChangesChip},
    CommandSpec{CliCommand::Id, "id", CommandSpec::NoFile, CommandSpec::ReadsChip},
    CommandSpec{CliCommand::Test, "test", CommandSpec::NoFile, CommandSpec::ReadsChip},
    CommandSpec{CliCommand::Lock, "lock", CommandSpec::NoFile, CommandSpec::ChangesChip},
    CommandSpec{CliCommand::Unlock, "unlock", CommandSpec::NoFile, CommandSpec::ChangesChip},
    CommandSpec{CliCommand::Config, "config", CommandSpec::NoFile, CommandSpec::ChangesChip},
    CommandSpec{CliCommand::Digest, "digest", CommandSpec::FileOptional},
};

const CommandSpec* findCommand(std::string_view word) {
    for (const auto& spec : kCommands) {
        if (word == spec.word) {
            return &spec;
        }
    }
    return nullptr;
}

const CommandSpec* findCommand(CliCommand command) noexcept {
    for (const auto& spec : kCommands) {
        if (spec.command == command) {
            return &spec;
        }
    }
    return nullptr;
}

// A whole unsigned number in C notation: decimal, 0x hex.
std::optional<std::uint32_t> parseUnsigned(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "stuck:ADDR:BIT:LEVEL"
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
        const auto value = parseUnsigned(text.substr(0, colon));
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
            } else if (!haveCommand_) {
                const CommandSpec* spec = findCommand(argument);
                if (spec == nullptr) {
                    return fail("unknown command '" + argument + "'");
                }
                spec_ = spec;
                options_.command = spec->command;
                haveCommand_ = true;
            } else {
                operands.push_back(argument);
            }
        }
        if (!error_.empty()) {
            return fail(error_);
        }
        if (helpAsked_) {
            // "veldrix-cli write --help" asks for help, whatever else is there.
            CliOptions help;
            help.command = CliCommand::Help;
            return {help, {}};
        }
        if (!haveCommand_) {
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
        const std::string word = spec_->word;
        if (operands.size() > 1 || (operands.size() == 1 && spec_->file == CommandSpec::NoFile)) {
            return fail("too many arguments for '" + word + "'");
        }
        if (operands.empty() && spec_->file == CommandSpec::FileRequired) {
            return fail("'" + word + "' needs a FILE");
        }
        if (!operands.empty()) {
            // An empty name would stand for no file (digest of the chip).
            if (operands.front().empty()) {
                return fail("'" + word + "' needs a FILE, not an empty name");
            }
            options_.file = operands.front();
        }
        return {std::move(options_), {}};
    }

    // The value of an option given as --name=value or --name value.
    std::optional<std::string> value(const std::string& name, std::optional<std::string> inline_) {
        if (inline_) {
            return inline_;
        }
        if (index_ + 1 >= arguments_.size()) {
            error_ = "option '" + name + "' needs a value";
            return std::nullopt;
        }
        return arguments_[++index_];
    }

    void option(const std::string& argument) {
        std::string name = argument;
        std::optional<std::string> inline_;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            inline_ = argument.substr(equals + 1);
        }
        const auto noValue = [&] {
            if (inline_) {
                error_ = "option '" + name + "' takes no value";
            }
        };
        const auto flag = [&](std::optional<bool>& target, bool on) {
            noValue();
            target = on;
        };
        if (name == "-h" || name == "--help") {
            noValue();
            helpAsked_ = true;
        } else if (name == "--version") {
            noValue();
            options_.command = CliCommand::Version;
            spec_ = findCommand("version");
            haveCommand_ = true;
        } else if (name == "--family") {
            if (auto text = value(name, inline_)) {
                options_.family = parseFamily(*text);
                if (!options_.family) {
                    error_ = "unknown hardware family '" + *text + "'";
                }
            }
        } else if (name == "--driver") {
            options_.driver = value(name, inline_);
        } else if (name == "--port") {
            options_.port = value(name, inline_);
        } else if (name == "--module") {
            options_.module = value(name, inline_);
        } else if (name == "--chip") {
            options_.chip = value(name, inline_);
        } else if (name == "--module-root") {
            options_.moduleRoot = value(name, inline_);
        } else if (name == "--settings") {
            options_.settingsFile = value(name, inline_);
        } else if (name == "--force-write" || name == "--no-force-write") {
            flag(options_.forceWrite, name == "--force-write");
        } else if (name == "--check-write" || name == "--no-check-write") {
            flag(options_.checkWrite, name == "--check-write");
        } else if (name == "--test-insert" || name == "--no-test-insert") {
            flag(options_.testInsert, name == "--test-insert");
        } else if (name == "--algorithm") {
            if (auto text = value(name, inline_)) {
                const auto number = parseUnsigned(*text);
                if (!number || *number < 1 || *number > 255) {
                    error_ = "--algorithm needs a number from 1 to 255";
                } else {
                    options_.algorithm = *number;
                }
            }
        } else if (name == "--key") {
            if (auto text = value(name, inline_)) {
                const auto equals = text->find('=');
                if (equals == std::string::npos || equals == 0) {
                    error_ = "--key needs NAME=VALUE";
                } else {
                    options_.keys.emplace_back(text->substr(0, equals), text->substr(equals + 1));
                }
            }
        } else if (name == "-y" || name == "--yes") {
            noValue();
            options_.yes = true;
        } else if (name == "--json") {
            noValue();
            options_.json = true;
        } else if (name == "--sim-fault") {
            if (auto text = value(name, inline_)) {
                options_.simStuckBit = parseSimFault(*text);
                if (!options_.simStuckBit) {
                    error_ = "--sim-fault needs stuck:ADDRESS:BIT:LEVEL";
                }
            }
        } else {
            error_ = "unknown option '" + name + "'";
        }
    }

    const std::vector<std::string>& arguments_;
    std::size_t index_ = 0;
    CliOptions options_;
    const CommandSpec* spec_ = nullptr;
    bool helpAsked_ = false;
    bool haveCommand_ = false;
    std::string error_;
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    return Parser(arguments).run();
}

const char* commandWord(CliCommand command) noexcept {
    const CommandSpec* spec = findCommand(command);
    return spec != nullptr ? spec->word : "";
}

bool isDeviceOperation(CliCommand command) noexcept {
    const CommandSpec* spec = findCommand(command);
    return spec != nullptr && spec->chip != CommandSpec::NoChip;
}

bool changesChip(CliCommand command) noexcept {
    const CommandSpec* spec = findCommand(command);
    return spec != nullptr && spec->chip == CommandSpec::ChangesChip;
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
