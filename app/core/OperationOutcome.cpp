#include "core/OperationOutcome.h"

namespace veldrix {

Verdict judgeOperation(Command command, const CallOutcome& call, std::uint32_t errdata) noexcept {
    if (call.refused()) {
        return Verdict::Refused;
    }
    if (call.faulted()) {
        return Verdict::ModuleFault;
    }
    if (call.driverFaulted()) {
        return Verdict::DriverFault;
    }
    // A read counts only the low bits of its result, so its code never
    // stands whole for "not implemented".
    const bool read = command == Command::Read;
    if (!read && call.result == DD_NOT_IMPLEMENTED) {
        return Verdict::NotSupported;
    }
    const bool failed = read ? (static_cast<std::uint32_t>(call.result) & DD_READ_RESULT_MASK) != 0
                             : call.result != DD_OK;
    // A compare reports differences through errdata, also with result 0.
    const bool differences = command == Command::Compare && errdata != 0;
    if (!failed && !differences) {
        return Verdict::Success;
    }
    return commandInfo(command).changesChip ? Verdict::FailedChipChanged
                                            : Verdict::FailedChipUnchanged;
}

}  // namespace veldrix
