#include <gtest/gtest.h>

#include "dialogs/PumpThrottle.h"

namespace veldrix {
namespace {

TEST(PumpThrottle, PumpsFirstOnEachNewPercentageAndAfterTheInterval) {
    PumpThrottle throttle;
    const std::uint64_t t0 = 5000;
    EXPECT_TRUE(throttle.due(0, t0));
    // A module reporting every byte: the same percentage within the interval
    // lets nothing through...
    EXPECT_FALSE(throttle.due(0, t0 + 1));
    EXPECT_FALSE(throttle.due(0, t0 + 14));
    // ...a new percentage does at once, and starts the interval anew.
    EXPECT_TRUE(throttle.due(1, t0 + 14));
    EXPECT_FALSE(throttle.due(1, t0 + 28));
    EXPECT_TRUE(throttle.due(1, t0 + 29));
    EXPECT_FALSE(throttle.due(1, t0 + 30));
    // A slow module that reports seldom is pumped on every report.
    EXPECT_TRUE(throttle.due(1, t0 + 60));
    EXPECT_TRUE(throttle.due(1, t0 + 90));
}

}  // namespace
}  // namespace veldrix
