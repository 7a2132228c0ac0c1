#include "OperationExit.h"

namespace veldrix::cli {

ExitCode exitCodeFor(CliCommand command, const OperationResult& result) noexcept {
    if (!result.sent) {
        return ExitCode::NotConfirmed;
    }
    // A read counts only the result's low eight bits, as the program does.
    const std::int32_t failure =
        command == CliCommand::Read ? (result.result & 0xFF) : result.result;
    // Compare reports differences through errdata even with result 0.
    const bool differences = command == CliCommand::Compare && result.errdata != 0;
    if (failure == 0 && !differences && !result.moduleFault) {
        return ExitCode::Success;
    }
    return changesChip(command) ? ExitCode::FailedChipChanged : ExitCode::FailedChipUnchanged;
}

}  // namespace veldrix::cli
