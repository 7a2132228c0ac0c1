#pragma once
// The commands that act on the chip in the programmer. Each sets the
// message pane, sends one function code to the chip module through the
// guarded call and turns the module's result into a status message or a
// message box.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ModuleCaller.h"
#include "core/ProgramSettings.h"
#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

class DataBuffer;

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
    std::uint16_t funcode;     // function code sent to the module
    std::uint8_t flag;         // capability flag that enables the command
};

inline constexpr std::array<CommandInfo, 10> kCommands{{
    {Command::Read, 0x800E, "F5", 2, 2},
    {Command::Write, 0x800F, "F6", 5, 5},
    {Command::Compare, 0x8010, "F7", 3, 3},
    {Command::BlankCheck, 0x8011, "F8", 4, 4},
    {Command::Erase, 0x8012, "", 7, 7},
    {Command::ReadId, 0x8013, "", 8, 8},
    {Command::Test, 0x8014, "", 9, 9},
    {Command::Lock, 0x8015, "", 10, 10},
    {Command::Unlock, 0x8016, "", 11, 11},
    {Command::Configuration, 0x8024, "", 12, 12},
}};

[[nodiscard]] constexpr const CommandInfo& commandInfo(Command command) noexcept {
    return kCommands[static_cast<std::size_t>(command)];
}

// The confirmation asked before writing, in the user-interface language.
[[nodiscard]] std::string_view writeConfirmationText(Language language) noexcept;

class DeviceOperations {
public:
    // What the last command did, for front ends that report outcomes.
    struct Outcome {
        bool sent = false;        // the module was called
        std::int32_t result = 0;  // its result (0 when not sent)
    };

    DeviceOperations(dlldata& block, ModuleCaller& caller, UserInterface& ui, DataBuffer& buffer,
                     const GeneralSettings& settings) noexcept
        : block_(block), caller_(caller), ui_(ui), buffer_(buffer), settings_(settings) {}

    void setLanguage(Language language) noexcept { language_ = language; }

    // From the module's capability flag of the command's function code.
    [[nodiscard]] bool enabled(Command command) const noexcept;

    // Runs the command's handler when it is enabled; a disabled command does
    // nothing, as its menu item and button would not react.
    void run(Command command);

    void read();
    void write();
    void compare();
    void blankCheck();
    void erase();
    void readId();
    void test();
    void lock();
    void unlock();
    void configuration();

    [[nodiscard]] const Outcome& lastOutcome() const noexcept { return outcome_; }

private:
    std::int32_t call(Command command);
    void pane(const char* text);
    void status(const std::string& text);
    void refreshEditors();

    dlldata& block_;
    ModuleCaller& caller_;
    UserInterface& ui_;
    DataBuffer& buffer_;
    const GeneralSettings& settings_;
    Language language_ = Language::English;
    Outcome outcome_;
};

}  // namespace veldrix
