#include "platform/FaultGuard.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <csignal>

#include "FaultyPluginTest.h"
#include "SignalSnapshot.h"

namespace veldrix::test {
namespace {

using platform::FaultKind;
using platform::runGuarded;

struct Misbehaviour {
    const char* exportName;
    FaultKind expected;
};

void PrintTo(const Misbehaviour& m, std::ostream* out) {
    *out << m.exportName;
}

class FaultGuardFaultTest : public FaultyPluginTest,
                            public ::testing::WithParamInterface<Misbehaviour> {};

TEST_P(FaultGuardFaultTest, IsCaughtTwiceInARowAndLeavesTheCallerAsItWas) {
    const auto fault = exported(GetParam().exportName);
    const SignalSnapshot before = SignalSnapshot::take();
    int scratch = 0;

    EXPECT_EQ(runGuarded(fault, &scratch), GetParam().expected);
    EXPECT_EQ(runGuarded(fault, &scratch), GetParam().expected);

    EXPECT_EQ(SignalSnapshot::take(), before);
    int calls = 0;
    EXPECT_EQ(runGuarded(exported("faulty_count"), &calls), FaultKind::None);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(SignalSnapshot::take(), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMisbehaviour, FaultGuardFaultTest,
    ::testing::Values(Misbehaviour{"faulty_null_write", FaultKind::Segmentation},
                      Misbehaviour{"faulty_read_past_file_end", FaultKind::BusError},
                      Misbehaviour{"faulty_divide_by_zero", FaultKind::FloatingPoint},
                      Misbehaviour{"faulty_illegal_instruction", FaultKind::IllegalInstruction},
                      Misbehaviour{"faulty_stack_overflow", FaultKind::Segmentation},
                      Misbehaviour{"faulty_abort", FaultKind::Abort},
                      Misbehaviour{"faulty_throw", FaultKind::CxxException}),
    [](const auto& info) { return std::string(info.param.exportName); });

using FaultGuardStateTest = FaultyPluginTest;

TEST_F(FaultGuardStateTest, UndoesRoundingAndMaskChangesOfAFaultingCall) {
    const SignalSnapshot before = SignalSnapshot::take();
    ASSERT_EQ(runGuarded(exported("faulty_disturb_then_fault"), nullptr), FaultKind::Segmentation);
    EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
    EXPECT_EQ(SignalSnapshot::take(), before);
}

void disturbAndReturn(void*) {
    std::fesetround(FE_UPWARD);
    sigset_t extra;
    sigemptyset(&extra);
    sigaddset(&extra, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &extra, nullptr);
}

TEST_F(FaultGuardStateTest, UndoesRoundingAndMaskChangesOfACallThatReturns) {
    const SignalSnapshot before = SignalSnapshot::take();
    ASSERT_EQ(runGuarded(disturbAndReturn, nullptr), FaultKind::None);
    EXPECT_EQ(SignalSnapshot::take(), before);
}

}  // namespace
}  // namespace veldrix::test
