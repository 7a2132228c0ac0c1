#pragma once
// Fixture for the fault guard tests: the misbehaving plug-in, loaded the way
// the program loads plug-ins, with sentinel handlers, a blocked signal and a
// rounding mode of its own in place, so that "restored" means "as the caller
// had it" and not "as the system defaults are".

#include <gtest/gtest.h>

#include <cfenv>
#include <csignal>

#include "SentinelHandlers.h"
#include "platform/DynamicLibrary.h"
#include "platform/FaultGuard.h"

namespace veldrix::test {

class FaultyPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin_.loaded()) << plugin_.error();
        std::fesetround(FE_DOWNWARD);
        sigset_t callerBlocks;
        sigemptyset(&callerBlocks);
        sigaddset(&callerBlocks, SIGWINCH);
        pthread_sigmask(SIG_BLOCK, &callerBlocks, &maskBefore_);
    }

    void TearDown() override {
        std::fesetround(FE_TONEAREST);
        pthread_sigmask(SIG_SETMASK, &maskBefore_, nullptr);
    }

    // A plug-in export; a missing one fails the test.
    platform::GuardedFunction exported(const char* name) const {
        auto fn = plugin_.function<platform::GuardedFunction>(name);
        EXPECT_NE(fn, nullptr) << name;
        return fn;
    }

    platform::DynamicLibrary plugin_{VELDRIX_FAULTY_PLUGIN};
    SentinelHandlers sentinels_;

private:
    sigset_t maskBefore_{};
};

}  // namespace veldrix::test
