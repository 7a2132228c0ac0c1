#include "platform/ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

namespace veldrix::test {
namespace {

using platform::ChildExit;
using platform::runChildProcess;
using namespace std::chrono_literals;

TEST(ChildProcessTest, TellsHowTheChildEnded) {
    const ChildExit exited = runChildProcess("/bin/sh", {"-c", "exit 3"}, 10s);
    EXPECT_EQ(exited.kind, ChildExit::Kind::Exited);
    EXPECT_EQ(exited.code, 3);

    const ChildExit signalled = runChildProcess("/bin/sh", {"-c", "kill -BUS $$"}, 10s);
    EXPECT_EQ(signalled.kind, ChildExit::Kind::Signalled);
    EXPECT_EQ(signalled.code, SIGBUS);

    const ChildExit missing = runChildProcess("/nonexistent/helper", {}, 10s);
    EXPECT_EQ(missing.kind, ChildExit::Kind::NotStarted);
    EXPECT_EQ(missing.code, ENOENT);
}

TEST(ChildProcessTest, AChildPastItsTimeIsKilled) {
    const ChildExit hung = runChildProcess("/bin/sleep", {"30"}, 50ms);
    EXPECT_EQ(hung.kind, ChildExit::Kind::TimedOut);
}

TEST(ChildProcessTest, TheChildReadsNothingAndTakesSignalsTheCallerBlocks) {
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigset_t previous;
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &blocked, &previous), 0);
    const ChildExit child =
        runChildProcess("/bin/sh", {"-c", "read line && exit 1; kill -TERM $$; exit 2"}, 10s);
    ASSERT_EQ(pthread_sigmask(SIG_SETMASK, &previous, nullptr), 0);
    EXPECT_EQ(child.kind, ChildExit::Kind::Signalled);
    EXPECT_EQ(child.code, SIGTERM);
}

}  // namespace
}  // namespace veldrix::test
