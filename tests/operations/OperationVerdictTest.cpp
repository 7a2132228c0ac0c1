// The engine's one rule for what a device operation came to.

#include <gtest/gtest.h>

#include "core/OperationOutcome.h"

namespace veldrix {
namespace {

CallOutcome ranWith(std::int32_t result) {
    return {.state = CallState::Ran, .result = result};
}

TEST(OperationVerdict, ResultZeroIsSuccessForEveryCommand) {
    for (const CommandInfo& info : kCommands) {
        EXPECT_EQ(judgeOperation(info.command, ranWith(DD_OK), 0), Verdict::Success);
    }
}

TEST(OperationVerdict, FailuresAreOfTheKindTheCommandRisks) {
    for (Command command :
         {Command::Read, Command::Compare, Command::BlankCheck, Command::ReadId, Command::Test}) {
        EXPECT_EQ(judgeOperation(command, ranWith(1), 0), Verdict::FailedChipUnchanged);
    }
    for (Command command :
         {Command::Write, Command::Erase, Command::Lock, Command::Unlock, Command::Configuration}) {
        EXPECT_EQ(judgeOperation(command, ranWith(DD_VERIFY_FAILED), 0),
                  Verdict::FailedChipChanged);
    }
    EXPECT_EQ(judgeOperation(Command::BlankCheck, ranWith(DD_BLANK_FAILED), 0),
              Verdict::FailedChipUnchanged);
}

TEST(OperationVerdict, ReadCountsTheLowEightBitsAndCompareTheWholeResultAndErrdata) {
    EXPECT_EQ(judgeOperation(Command::Read, ranWith(0x100), 0), Verdict::Success);
    EXPECT_EQ(judgeOperation(Command::Read, ranWith(0x1A5), 0), Verdict::FailedChipUnchanged);
    EXPECT_EQ(judgeOperation(Command::Compare, ranWith(0x100), 0), Verdict::FailedChipUnchanged);
    EXPECT_EQ(judgeOperation(Command::Compare, ranWith(0), 3), Verdict::FailedChipUnchanged);
    // errdata is a difference count only for a compare.
    EXPECT_EQ(judgeOperation(Command::ReadId, ranWith(0), 0x3C10), Verdict::Success);
}

TEST(OperationVerdict, NotImplementedIsNotSupportedWhereTheWholeResultCounts) {
    EXPECT_EQ(judgeOperation(Command::BlankCheck, ranWith(DD_NOT_IMPLEMENTED), 0),
              Verdict::NotSupported);
    // The module changed nothing when it implements nothing.
    EXPECT_EQ(judgeOperation(Command::Erase, ranWith(DD_NOT_IMPLEMENTED), 0),
              Verdict::NotSupported);
    EXPECT_EQ(judgeOperation(Command::Read, ranWith(DD_NOT_IMPLEMENTED), 0),
              Verdict::FailedChipUnchanged);
}

TEST(OperationVerdict, FaultsOutrankWhatTheCallBlockSays) {
    CallOutcome faulted{.state = CallState::Faulted, .fault = platform::FaultKind::Abort};
    EXPECT_EQ(judgeOperation(Command::Compare, faulted, 7), Verdict::ModuleFault);
    faulted.driverFault = platform::FaultKind::Segmentation;
    EXPECT_EQ(judgeOperation(Command::Write, faulted, 0), Verdict::ModuleFault);

    CallOutcome driverFaulted = ranWith(DD_OK);
    driverFaulted.driverFault = platform::FaultKind::Segmentation;
    EXPECT_EQ(judgeOperation(Command::Read, driverFaulted, 0), Verdict::DriverFault);
    driverFaulted.result = DD_VERIFY_FAILED;
    EXPECT_EQ(judgeOperation(Command::Write, driverFaulted, 0), Verdict::DriverFault);

    EXPECT_EQ(judgeOperation(Command::Read, CallOutcome{}, 0), Verdict::Refused);
}

}  // namespace
}  // namespace veldrix
