#pragma once
// Every call into a chip module goes through here: focus handling, the fault
// guard, closing a progress window the module left open, and the checks of
// the call block's size and signature after the call. One call at a time:
// a call asked for while another runs (a front end pumping events inside a
// module's progress report or message box) is refused.

#include <cstdint>
#include <functional>

#include "core/CallOutcome.h"
#include "core/DriverFaultLog.h"
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

    // The log the callbacks note driver faults in; null: none is watched.
    void watchDriverFaults(const DriverFaultLog* log) noexcept { driverFaults_ = log; }

    // The guarded call with the call block as it stands. A fault inside the
    // module is reported and yields result 0. Without an entry the call does
    // nothing but the focus handling and checks, and counts as refused; while
    // another call runs it does nothing at all.
    CallOutcome call();

    // funcode := code, subfcode := 0, then the guarded call.
    CallOutcome run(std::uint16_t funcode);

    // After a module is loaded (handle may be null when loading failed):
    // identify, then select the chip described in the call block. Like
    // selectChip(), does nothing while another call runs.
    void identifyAndSelect(void* moduleHandle);

    // A chip was chosen (its description is in the call block): select it.
    void selectChip();

    // Modules above level 6 set their capability flags at the select call,
    // so the program clears them before it; so it does without a module.
    void clearFlagsUnlessLevel6() noexcept;

    // A module call is on the stack: front ends refuse commands meanwhile.
    [[nodiscard]] bool busy() const noexcept { return busy_; }
    // The last call made; one refused because another ran does not count.
    [[nodiscard]] const CallOutcome& lastOutcome() const noexcept { return last_; }
    // The last call ended in a fault: nothing it left in the call block is a result.
    [[nodiscard]] bool lastCallFaulted() const noexcept { return last_.faulted(); }

private:
    CallOutcome guardedEntryCall();
    void reportFault();

    dlldata& block_;
    UserInterface& ui_;
    ProgressService& progress_;
    dd_entry_fn entry_ = nullptr;
    std::function<std::uint16_t()> portAddress_;
    const DriverFaultLog* driverFaults_ = nullptr;
    bool busy_ = false;
    CallOutcome last_;
};

}  // namespace veldrix
