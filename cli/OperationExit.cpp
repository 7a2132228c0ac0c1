#include "OperationExit.h"

namespace veldrix::cli {

ExitCode exitCodeFor(const OperationOutcome& outcome) noexcept {
    const ExitCode failed = commandInfo(outcome.command).changesChip
                                ? ExitCode::FailedChipChanged
                                : ExitCode::FailedChipUnchanged;
    switch (outcome.verdict) {
        case Verdict::Success:
            return ExitCode::Success;
        case Verdict::FailedChipUnchanged:
        case Verdict::NotSupported:
            return ExitCode::FailedChipUnchanged;
        case Verdict::FailedChipChanged:
            return ExitCode::FailedChipChanged;
        case Verdict::ModuleFault:
        case Verdict::DriverFault:
            return failed;
        case Verdict::NotConfirmed:
            return ExitCode::NotConfirmed;
        case Verdict::Refused:
        case Verdict::NoImage:
            return ExitCode::NoHardware;
    }
    return failed;
}

}  // namespace veldrix::cli
