#include "core/PresenceCheckResults.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/BoardSelfTest.h"

namespace veldrix {
namespace {

std::vector<CheckState> states(const PresenceChecks& checks) {
    std::vector<CheckState> found;
    for (const PresenceCheck& check : checks) {
        found.push_back(check.state);
    }
    return found;
}

constexpr CheckState kPass = CheckState::Passed;
constexpr CheckState kFail = CheckState::Failed;
constexpr CheckState kUnknown = CheckState::Unknown;

TEST(PresenceCheckResults, MaskBitsFailTheirChecksFromCheckOneDown) {
    EXPECT_EQ(states(presenceChecks(0)), std::vector<CheckState>(8, kPass));
    EXPECT_EQ(states(presenceChecks(0x181)),
              (std::vector<CheckState>{kFail, kPass, kPass, kPass, kPass, kPass, kPass, kFail}));
    EXPECT_EQ(states(presenceChecks(0x120)),
              (std::vector<CheckState>{kPass, kPass, kFail, kPass, kPass, kPass, kPass, kPass}));
    // Only the low 16 bits are the driver's answer.
    EXPECT_EQ(states(presenceChecks(0xABCD0000)), std::vector<CheckState>(8, kPass));
}

TEST(PresenceCheckResults, AFailureWithoutAMaskOrNoAnswerTellsNoCheck) {
    EXPECT_EQ(states(presenceChecks(0x100)), std::vector<CheckState>(8, kUnknown));
    EXPECT_EQ(states(presenceChecks(std::nullopt)), std::vector<CheckState>(8, kUnknown));
}

TEST(PresenceCheckResults, ChecksAreNumberedAndNamedByWhatTheyRead) {
    const PresenceChecks checks = presenceChecks(0);
    for (unsigned number = 1; number <= checks.size(); ++number) {
        EXPECT_EQ(checks[number - 1].number, number);
        EXPECT_EQ(checks[number - 1].name, presenceCheckName(number));
    }
    EXPECT_EQ(presenceCheckName(1), "data register loop-back (0x88)");
    EXPECT_EQ(presenceCheckName(2), "status bits 7, 5 and 4 with control 0x06");
    EXPECT_EQ(presenceCheckName(3), "status bit 6 with control 0x06");
    EXPECT_EQ(presenceCheckName(5), "status bit 3 set with 0x06, clear with 0x04");
    EXPECT_EQ(presenceCheckName(8),
              "status bit 3 set with 0x06, clear with at least one of 0x07, 0x04, 0x02, 0x0E");
}

TEST(BoardSelfTestText, OneLineACheckThenTheVoltageStepAndTheVerdict) {
    BoardSelfTestReport report;
    report.start = SelfTestStart::Ran;
    report.initAnswer = 0x140;
    report.checks = presenceChecks(report.initAnswer);
    EXPECT_EQ(formatSelfTestReport(report),
              "  1. data register loop-back (0x88): pass\n"
              "  2. status bits 7, 5 and 4 with control 0x06: FAIL\n"
              "  3. status bit 6 with control 0x06: pass\n"
              "  4. status bit 3 set with 0x06, clear with 0x07: pass\n"
              "  5. status bit 3 set with 0x06, clear with 0x04: pass\n"
              "  6. status bit 3 set with 0x06, clear with 0x02: pass\n"
              "  7. status bit 3 set with 0x06, clear with 0x0E: pass\n"
              "  8. status bit 3 set with 0x06, clear with at least one of 0x07, 0x04, 0x02, "
              "0x0E: pass\n"
              "  voltage latch up and down: not run (the board did not pass every check)\n"
              "Self-test failed\n");

    report.initAnswer = 0;
    report.checks = presenceChecks(0);
    report.voltage = VoltageStepState::Passed;
    EXPECT_TRUE(report.passed());
    const std::string text = formatSelfTestReport(report);
    EXPECT_NE(text.find("  voltage latch up and down: pass\nSelf-test passed\n"), std::string::npos)
        << text;
}

}  // namespace
}  // namespace veldrix
