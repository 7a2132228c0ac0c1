#pragma once
// The commands that act on the chip in the programmer. Each sets the
// message pane, sends one function code to the chip module through the
// guarded call and turns the module's result into a status message or a
// message box, and into the outcome front ends decide from.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/DeviceCommands.h"
#include "core/ModuleCaller.h"
#include "core/OperationOutcome.h"
#include "core/ProgramSettings.h"
#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

class DataBuffer;

// The confirmation asked before writing, in the user-interface language.
[[nodiscard]] std::string_view writeConfirmationText(Language language) noexcept;

class DeviceOperations {
public:
    DeviceOperations(dlldata& block, ModuleCaller& caller, UserInterface& ui, DataBuffer& buffer,
                     const GeneralSettings& settings) noexcept
        : block_(block), caller_(caller), ui_(ui), buffer_(buffer), settings_(settings) {}

    void setLanguage(Language language) noexcept { language_ = language; }

    // From the module's capability flag of the command's function code.
    [[nodiscard]] bool enabled(Command command) const noexcept;

    // Why the command would not run now, before anything is sent: another
    // module call runs (refused), the chip has no image in the buffer (no
    // image), or the command is disabled (not supported). Nothing when it
    // would run.
    [[nodiscard]] std::optional<Verdict> refusal(Command command) const noexcept;

    // Runs the command's handler and returns its outcome. A refused command
    // sends nothing: a disabled one does nothing, as its menu item and
    // button would not react; without an image the status line names the
    // cause. After a fault inside the module the handler draws no
    // conclusions from the call block: no result message, and the pane back
    // at "Ready".
    const OperationOutcome& run(Command command);

    [[nodiscard]] const OperationOutcome& lastOutcome() const noexcept { return outcome_; }

    // The module's read into the buffer without the handler's pane and
    // result texts (a front end listing differences after a compare).
    CallOutcome readWithoutMessages();

private:
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

    // The guarded call of the command's code, recorded in the outcome. The
    // module's result when conclusions may be drawn from the call block.
    std::optional<std::int32_t> call(Command command);
    void pane(const char* text);
    void status(const std::string& text);
    void refreshEditors();

    dlldata& block_;
    ModuleCaller& caller_;
    UserInterface& ui_;
    DataBuffer& buffer_;
    const GeneralSettings& settings_;
    Language language_ = Language::English;
    OperationOutcome outcome_;
    OperationOutcome refused_;
};

}  // namespace veldrix
