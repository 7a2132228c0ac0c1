#include "OperationExit.h"

#include <gtest/gtest.h>

#include "dlldata.h"

namespace veldrix::cli {
namespace {

ExitCode exitOf(CliCommand command, std::int32_t result, std::uint32_t errdata = 0,
                bool fault = false) {
    return exitCodeFor(command, {true, result, errdata, fault});
}

TEST(OperationExit, SuccessOnlyForAResultOfZero) {
    EXPECT_EQ(exitOf(CliCommand::Read, 0), ExitCode::Success);
    EXPECT_EQ(exitOf(CliCommand::Write, 0), ExitCode::Success);
    EXPECT_EQ(exitOf(CliCommand::Blank, 0), ExitCode::Success);
    EXPECT_EQ(exitOf(CliCommand::Id, 0, 0x3C10), ExitCode::Success);
}

TEST(OperationExit, FailuresThatLeaveTheChipAsItWas) {
    EXPECT_EQ(exitOf(CliCommand::Blank, DD_BLANK_FAILED), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Blank, DD_NOT_IMPLEMENTED), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Read, 5), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Id, 1), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Test, 1), ExitCode::FailedChipUnchanged);
}

TEST(OperationExit, ReadCountsTheLowEightBitsButCompareTheWholeResult) {
    EXPECT_EQ(exitOf(CliCommand::Read, 0x100), ExitCode::Success);
    EXPECT_EQ(exitOf(CliCommand::Compare, 0x100), ExitCode::FailedChipUnchanged);
}

TEST(OperationExit, CompareDifferencesFailEvenWithResultZero) {
    EXPECT_EQ(exitOf(CliCommand::Compare, 0, 3), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Compare, 0, 0), ExitCode::Success);
}

TEST(OperationExit, FailuresAfterTheChipWasChanged) {
    EXPECT_EQ(exitOf(CliCommand::Write, DD_VERIFY_FAILED), ExitCode::FailedChipChanged);
    EXPECT_EQ(exitOf(CliCommand::Erase, 1), ExitCode::FailedChipChanged);
    EXPECT_EQ(exitOf(CliCommand::Lock, 1), ExitCode::FailedChipChanged);
    EXPECT_EQ(exitOf(CliCommand::Unlock, 1), ExitCode::FailedChipChanged);
    EXPECT_EQ(exitOf(CliCommand::Config, 1), ExitCode::FailedChipChanged);
}

TEST(OperationExit, AModuleFaultIsNeverSuccess) {
    EXPECT_EQ(exitOf(CliCommand::Read, 0, 0, true), ExitCode::FailedChipUnchanged);
    EXPECT_EQ(exitOf(CliCommand::Write, 0, 0, true), ExitCode::FailedChipChanged);
}

TEST(OperationExit, AWriteNotSentWasNotConfirmed) {
    EXPECT_EQ(exitCodeFor(CliCommand::Write, {false, 0, 0, false}), ExitCode::NotConfirmed);
}

}  // namespace
}  // namespace veldrix::cli
