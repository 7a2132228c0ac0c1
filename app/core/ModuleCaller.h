#pragma once
// Every call into a chip module goes through here: focus handling, the fault
// guard, closing a progress window the module left open, and the checks of
// the call block's size and signature after the call.

#include <cstdint>
#include <functional>

#include "core/ProgressService.h"
#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

class ModuleCaller {
public:
    ModuleCaller(dlldata& block, UserInterface& ui, ProgressService& progress) noexcept
        : block_(block), ui_(ui), progress_(progress) {}

    // The loaded module's entry function; null when none is bound (the call
    // then does nothing and yields 0).
    void setEntry(dd_entry_fn entry) noexcept { entry_ = entry; }
    [[nodiscard]] dd_entry_fn entry() const noexcept { return entry_; }

    // Where the fault message takes the selected port's address from (0 when
    // no port is selected).
    void setPortAddressSource(std::function<std::uint16_t()> source) {
        portAddress_ = std::move(source);
    }

    // The guarded call with the call block as it stands. A fault inside the
    // module is reported and yields 0.
    std::int32_t call();

    // funcode := code, subfcode := 0, then the guarded call.
    std::int32_t run(std::uint16_t funcode);

    // After a module is loaded (handle may be null when loading failed):
    // identify, then select the chip described in the call block.
    void identifyAndSelect(void* moduleHandle);

    // A chip was chosen (its description is in the call block): select it.
    void selectChip();

    // Modules above level 6 set their capability flags at the select call,
    // so the program clears them before it; so it does without a module.
    void clearFlagsUnlessLevel6() noexcept;

private:
    void reportFault();

    dlldata& block_;
    UserInterface& ui_;
    ProgressService& progress_;
    dd_entry_fn entry_ = nullptr;
    std::function<std::uint16_t()> portAddress_;
};

}  // namespace veldrix
