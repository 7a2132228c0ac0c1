// The board self-test on drivers that misbehave: what it can and cannot say.

#include "core/BoardSelfTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BindingFixture.h"

namespace veldrix::test {
namespace {

using testing::Each;
using testing::Field;
using testing::HasSubstr;

class BoardSelfTestTest : public BindingFixture {};

TEST_F(BoardSelfTestTest, WithoutADriverNothingRuns) {
    const BoardSelfTestReport report = runBoardSelfTest(binding);
    EXPECT_EQ(report.start, SelfTestStart::NoDriver);
    EXPECT_FALSE(report.passed());
    EXPECT_EQ(formatSelfTestReport(report), "Self-test not run: no programmer driver is bound\n");
}

TEST_F(BoardSelfTestTest, AFaultingInitLeavesEveryCheckUnknownAndTheLatchAlone) {
    ASSERT_TRUE(bind(testDriverPath("faulting_init_driver.so")));
    const BoardSelfTestReport report = runBoardSelfTest(binding);
    EXPECT_EQ(report.start, SelfTestStart::Ran);
    EXPECT_EQ(report.initAnswer, std::nullopt);
    EXPECT_EQ(report.initFault, platform::FaultKind::Segmentation);
    EXPECT_THAT(report.checks, Each(Field(&PresenceCheck::state, CheckState::Unknown)));
    EXPECT_EQ(report.voltage, VoltageStepState::Skipped);
    EXPECT_FALSE(report.passed());
    EXPECT_THAT(formatSelfTestReport(report), HasSubstr("the driver's init faulted"));
}

TEST_F(BoardSelfTestTest, AFaultingVoltageFailsTheVoltageStepOnly) {
    ASSERT_TRUE(bind(testDriverPath("faulting_voltage_driver.so")));
    const BoardSelfTestReport report = runBoardSelfTest(binding);
    EXPECT_THAT(report.checks, Each(Field(&PresenceCheck::state, CheckState::Passed)));
    EXPECT_EQ(report.voltage, VoltageStepState::Faulted);
    EXPECT_EQ(report.voltageFault, platform::FaultKind::Segmentation);
    EXPECT_FALSE(report.passed());
    EXPECT_THAT(formatSelfTestReport(report),
                HasSubstr("voltage latch up and down: FAIL (the driver faulted: "));
}

}  // namespace
}  // namespace veldrix::test
