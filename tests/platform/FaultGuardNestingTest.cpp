#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <thread>

#include "FaultyPluginTest.h"
#include "SignalSnapshot.h"
#include "platform/FaultGuard.h"

namespace veldrix::test {
namespace {

using platform::FaultKind;
using platform::GuardedFunction;
using platform::runGuarded;

using FaultGuardNestingTest = FaultyPluginTest;

struct NestedCall {
    GuardedFunction inner;
    GuardedFunction afterInner;  // run by the outer call once the inner guard is done
    FaultKind innerResult = FaultKind::None;
    int outerContinued = 0;
};

void outerCall(void* context) {
    auto* call = static_cast<NestedCall*>(context);
    int scratch = 0;
    call->innerResult = runGuarded(call->inner, &scratch);
    call->outerContinued = 1;
    call->afterInner(&scratch);
}

void doNothing(void*) {}

TEST_F(FaultGuardNestingTest, AFaultInAnInnerGuardReturnsToItAndTheOuterCallGoesOn) {
    NestedCall call{exported("faulty_null_write"), doNothing};
    EXPECT_EQ(runGuarded(outerCall, &call), FaultKind::None);
    EXPECT_EQ(call.innerResult, FaultKind::Segmentation);
    EXPECT_EQ(call.outerContinued, 1);
}

TEST_F(FaultGuardNestingTest, TheOuterGuardStillCatchesAfterTheInnerOneEnded) {
    const SignalSnapshot before = SignalSnapshot::take();
    NestedCall call{exported("faulty_abort"), exported("faulty_divide_by_zero")};
    EXPECT_EQ(runGuarded(outerCall, &call), FaultKind::FloatingPoint);
    EXPECT_EQ(call.innerResult, FaultKind::Abort);
    EXPECT_EQ(call.outerContinued, 1);
    EXPECT_EQ(SignalSnapshot::take(), before);
}

TEST_F(FaultGuardNestingTest, AnExceptionInTheInnerGuardStaysThere) {
    NestedCall call{exported("faulty_throw"), exported("faulty_illegal_instruction")};
    EXPECT_EQ(runGuarded(outerCall, &call), FaultKind::IllegalInstruction);
    EXPECT_EQ(call.innerResult, FaultKind::CxxException);
}

// Keeps a guard open on its thread until told to leave.
struct OpenGuard {
    std::atomic<bool> entered{false};
    std::atomic<bool> leave{false};
};

void holdGuardOpen(void* context) {
    auto* guard = static_cast<OpenGuard*>(context);
    guard->entered = true;
    while (!guard->leave) {
        std::this_thread::yield();
    }
}

TEST_F(FaultGuardNestingTest, GuardsOnTwoThreadsFaultAtTheSameTime) {
    const SignalSnapshot before = SignalSnapshot::take();
    constexpr int kRounds = 40;
    std::atomic<int> wrongResults{0};
    auto faultRepeatedly = [&](GuardedFunction fault, FaultKind expected) {
        int scratch = 0;
        for (int i = 0; i < kRounds; ++i) {
            if (runGuarded(fault, &scratch) != expected) {
                ++wrongResults;
            }
        }
    };
    std::thread overflowing(faultRepeatedly, exported("faulty_stack_overflow"),
                            FaultKind::Segmentation);
    std::thread dividing(faultRepeatedly, exported("faulty_divide_by_zero"),
                         FaultKind::FloatingPoint);
    faultRepeatedly(exported("faulty_read_past_file_end"), FaultKind::BusError);
    overflowing.join();
    dividing.join();

    EXPECT_EQ(wrongResults, 0);
    EXPECT_EQ(SignalSnapshot::take(), before);
}

TEST_F(FaultGuardNestingTest, AFaultHereDoesNotDisturbAGuardOpenOnAnotherThread) {
    OpenGuard open;
    FaultKind heldResult = FaultKind::Abort;
    std::thread holder([&] { heldResult = runGuarded(holdGuardOpen, &open); });
    while (!open.entered) {
        std::this_thread::yield();
    }
    int scratch = 0;
    EXPECT_EQ(runGuarded(exported("faulty_null_write"), &scratch), FaultKind::Segmentation);
    EXPECT_EQ(runGuarded(exported("faulty_abort"), &scratch), FaultKind::Abort);
    open.leave = true;
    holder.join();
    EXPECT_EQ(heldResult, FaultKind::None);
}

TEST_F(FaultGuardNestingTest, ASignalOnAThreadOutsideAnyGuardGoesToThePreviousHandler) {
    OpenGuard open;
    FaultKind heldResult = FaultKind::Abort;
    std::thread holder([&] { heldResult = runGuarded(holdGuardOpen, &open); });
    while (!open.entered) {
        std::this_thread::yield();
    }
    // Sent, not a processor fault: the sentinel counts it and returns.
    raise(SIGSEGV);
    raise(SIGABRT);
    open.leave = true;
    holder.join();

    EXPECT_EQ(SentinelHandlers::received(SIGSEGV), 1);
    EXPECT_EQ(SentinelHandlers::received(SIGABRT), 1);
    EXPECT_EQ(heldResult, FaultKind::None);
}

void nullWriteOutsideGuardWhileAnotherThreadIsGuarded(GuardedFunction nullWrite) {
    signal(SIGSEGV, SIG_DFL);
    static OpenGuard open;
    std::thread holder([] { (void)runGuarded(holdGuardOpen, &open); });
    while (!open.entered) {
        std::this_thread::yield();
    }
    int scratch = 0;
    nullWrite(&scratch);
    holder.detach();
}

TEST_F(FaultGuardNestingTest, AFaultOutsideAnyGuardStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(nullWriteOutsideGuardWhileAnotherThreadIsGuarded(exported("faulty_null_write")),
                ::testing::KilledBySignal(SIGSEGV), "");
}

}  // namespace
}  // namespace veldrix::test
