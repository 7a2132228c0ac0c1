#include "OperationSummary.h"

namespace veldrix::cli {

std::string successSummary(CliCommand command, std::uint64_t bytes, const std::string& file) {
    switch (command) {
        case CliCommand::Read:
            return "Read " + std::to_string(bytes) + " bytes into " + file;
        case CliCommand::Write:
            return "Written " + std::to_string(bytes) + " bytes from " + file;
        case CliCommand::Compare:
            return "Chip matches " + file;
        case CliCommand::Blank:
            return "Chip is blank";
        case CliCommand::Erase:
            return "Erased";
        case CliCommand::Test:
            return "Test passed";
        case CliCommand::Lock:
            return "Locked";
        case CliCommand::Unlock:
            return "Unlocked";
        case CliCommand::Config:
            return "Configured";
        default:
            return {};
    }
}

}  // namespace veldrix::cli
