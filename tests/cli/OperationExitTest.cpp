#include "OperationExit.h"

#include <gtest/gtest.h>

namespace veldrix::cli {
namespace {

ExitCode exitOf(Command command, Verdict verdict) {
    return exitCodeFor({.command = command, .verdict = verdict});
}

TEST(OperationExit, SuccessOnlyWhenTheEngineSaysSo) {
    for (const CommandInfo& info : kCommands) {
        EXPECT_EQ(exitOf(info.command, Verdict::Success), ExitCode::Success);
    }
}

TEST(OperationExit, FailuresKeepTheEnginesJudgementOfTheChip) {
    EXPECT_EQ(exitOf(Command::BlankCheck, Verdict::FailedChipUnchanged),
              ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(Command::Write, Verdict::FailedChipChanged), ExitCode::FailedChipChanged);
    EXPECT_EQ(exitOf(Command::Erase, Verdict::NotSupported), ExitCode::FailedChipUnchanged);
}

TEST(OperationExit, FaultsAreFailuresOfTheKindTheCommandRisks) {
    for (Verdict fault : {Verdict::ModuleFault, Verdict::DriverFault}) {
        EXPECT_EQ(exitOf(Command::Read, fault), ExitCode::FailedChipUnchanged);
        EXPECT_EQ(exitOf(Command::ReadId, fault), ExitCode::FailedChipUnchanged);
        EXPECT_EQ(exitOf(Command::Write, fault), ExitCode::FailedChipChanged);
        EXPECT_EQ(exitOf(Command::Unlock, fault), ExitCode::FailedChipChanged);
    }
}

TEST(OperationExit, NothingSent) {
    EXPECT_EQ(exitOf(Command::Write, Verdict::NotConfirmed), ExitCode::NotConfirmed);
    EXPECT_EQ(exitOf(Command::Read, Verdict::Refused), ExitCode::NoHardware);
    EXPECT_EQ(exitOf(Command::Write, Verdict::NoImage), ExitCode::NoHardware);
}

}  // namespace
}  // namespace veldrix::cli
