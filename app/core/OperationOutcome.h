#pragma once
// What a device operation came to, decided once by the engine and handed to
// front ends as a value: the GUI's enables and the CLI's exit status come
// from it, never from the texts the operation showed.

#include <cstdint>

#include "core/CallOutcome.h"
#include "core/DeviceCommands.h"
#include "platform/FaultGuard.h"

namespace veldrix {

enum class Verdict {
    Success,
    FailedChipUnchanged,  // the module failed and left the chip as it was
    FailedChipChanged,    // the module failed after it began changing the chip
    NotSupported,         // the command is disabled, or the module does not implement it
    ModuleFault,          // the module faulted: nothing in the call block is a result
    DriverFault,   // the driver faulted while the module ran: the result is not to be trusted
    NotConfirmed,  // the write was not confirmed; nothing was sent
    Refused,       // nothing was sent: no module entry, or another call is running
    NoImage,       // nothing was sent: the chip has no image in the buffer
};

struct OperationOutcome {
    Command command = Command::Read;
    Verdict verdict = Verdict::Refused;
    std::int32_t result = 0;    // the module's result code; 0 when it did not run
    std::uint32_t erraddr = 0;  // the call block's fields after the call; results
    std::uint32_t errdata = 0;  // only when the module ran
    platform::FaultKind moduleFault = platform::FaultKind::None;
    platform::FaultKind driverFault = platform::FaultKind::None;

    // The module's entry returned: result, erraddr and errdata are its answers.
    bool ran = false;
    // The user asked to cancel while it ran: a read or compare may not cover
    // the whole chip, whatever the verdict says.
    bool cancelled = false;

    [[nodiscard]] bool succeeded() const noexcept { return verdict == Verdict::Success; }
};

// The verdict on a call of `command`'s function code, from how the call ended,
// the module's result and errdata (a compare reports its differences there).
[[nodiscard]] Verdict judgeOperation(Command command, const CallOutcome& call,
                                     std::uint32_t errdata) noexcept;

}  // namespace veldrix
