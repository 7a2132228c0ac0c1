#include "platform/RaisedThreadPriority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <future>
#include <thread>

namespace veldrix::test {
namespace {

using platform::RaisedThreadPriority;

int threadNice() {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
}

TEST(RaisedThreadPriorityTest, RaisesWhenPermittedAndRestoresAfterwards) {
    const int before = threadNice();
    {
        const RaisedThreadPriority raised;
        if (raised.raised()) {
            EXPECT_LT(threadNice(), before);
            EXPECT_GE(threadNice(), before - RaisedThreadPriority::kRaise);
        } else {
            EXPECT_EQ(threadNice(), before);
        }
    }
    EXPECT_EQ(threadNice(), before);
}

TEST(RaisedThreadPriorityTest, NestedGuardsPutEachPriorityBack) {
    const int before = threadNice();
    {
        const RaisedThreadPriority outer;
        const int inOuter = threadNice();
        {
            const RaisedThreadPriority inner;
            EXPECT_LE(threadNice(), inOuter);
        }
        EXPECT_EQ(threadNice(), inOuter);
    }
    EXPECT_EQ(threadNice(), before);
}

TEST(RaisedThreadPriorityTest, OnlyTheCallingThreadIsRaised) {
    std::promise<int> otherBefore;
    std::promise<void> raisedHere;
    std::promise<int> otherDuring;
    std::thread other([&] {
        otherBefore.set_value(threadNice());
        raisedHere.get_future().wait();
        otherDuring.set_value(threadNice());
    });
    const int before = otherBefore.get_future().get();
    {
        const RaisedThreadPriority raised;
        raisedHere.set_value();
        EXPECT_EQ(otherDuring.get_future().get(), before);
    }
    other.join();
}

}  // namespace
}  // namespace veldrix::test
