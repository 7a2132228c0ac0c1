#include "platform/InterruptRequest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

namespace veldrix::platform {
namespace {

std::atomic<int> gCounted{0};

extern "C" void countSignal(int) {
    gCounted.fetch_add(1);
}

// A counting handler on SIGINT and SIGTERM for the test's life, so the test
// sees whether the request's handlers were put back.
class CountingHandlers {
public:
    CountingHandlers() {
        gCounted = 0;
        struct sigaction action {};
        action.sa_handler = countSignal;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &interrupt_);
        ::sigaction(SIGTERM, &action, &terminate_);
    }
    ~CountingHandlers() {
        ::sigaction(SIGINT, &interrupt_, nullptr);
        ::sigaction(SIGTERM, &terminate_, nullptr);
    }

    static bool installedOn(int signal) {
        struct sigaction current {};
        ::sigaction(signal, nullptr, &current);
        return current.sa_handler == countSignal;
    }

private:
    struct sigaction interrupt_ {};
    struct sigaction terminate_ {};
};

TEST(InterruptRequest, FirstSignalBecomesOneRequestAndHandlersAreRestored) {
    for (const int signal : {SIGINT, SIGTERM}) {
        CountingHandlers counting;
        {
            InterruptRequest request;
            EXPECT_FALSE(CountingHandlers::installedOn(signal));
            EXPECT_FALSE(request.takeRequest());
            EXPECT_FALSE(request.requested());
            ASSERT_EQ(::raise(signal), 0);
            EXPECT_TRUE(request.requested());
            EXPECT_TRUE(request.takeRequest());
            EXPECT_FALSE(request.takeRequest()) << "handed over only once";
            EXPECT_TRUE(request.requested()) << "still known after it was taken";
        }
        EXPECT_EQ(gCounted.load(), 0) << "the previous handler saw the signal";
        EXPECT_TRUE(CountingHandlers::installedOn(SIGINT));
        EXPECT_TRUE(CountingHandlers::installedOn(SIGTERM));
        ASSERT_EQ(::raise(signal), 0);
        EXPECT_EQ(gCounted.load(), 1);
    }
}

TEST(InterruptRequest, ANewInstanceStartsWithoutRequestAndOnlyOneAtATime) {
    CountingHandlers counting;
    {
        InterruptRequest request;
        ASSERT_EQ(::raise(SIGINT), 0);
        EXPECT_THROW(InterruptRequest second, std::logic_error);
        EXPECT_TRUE(request.requested()) << "the refused instance changed nothing";
    }
    InterruptRequest again;
    EXPECT_FALSE(again.requested());
    EXPECT_FALSE(again.takeRequest());
}

TEST(InterruptRequestDeathTest, SecondSignalWhileACancelIsPendingKills) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            InterruptRequest request;
            ::raise(SIGINT);
            static_cast<void>(request.takeRequest());  // the operation is stopping
            ::raise(SIGINT);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGINT), "");
    EXPECT_EXIT(
        {
            InterruptRequest request;
            ::raise(SIGTERM);
            ::raise(SIGINT);  // not yet taken: still pending
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGINT), "");
}

}  // namespace
}  // namespace veldrix::platform
