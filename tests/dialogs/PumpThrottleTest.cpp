#include "dialogs/PumpThrottle.h"

#include <gtest/gtest.h>

namespace veldrix {
namespace {

// Reports until the throttle wants the clock; how many that took.
std::uint32_t reportsUntilClock(PumpThrottle& throttle) {
    std::uint32_t reports = 1;
    while (!throttle.clockDue()) {
        ++reports;
    }
    return reports;
}

TEST(PumpThrottle, PumpsAtOnceAndThenOncePerInterval) {
    PumpThrottle throttle;
    const std::uint64_t t0 = 5000;
    EXPECT_TRUE(throttle.clockDue());
    EXPECT_TRUE(throttle.due(t0));
    EXPECT_FALSE(throttle.due(t0 + 1));
    EXPECT_FALSE(throttle.due(t0 + 14));
    EXPECT_TRUE(throttle.due(t0 + 15));
    EXPECT_FALSE(throttle.due(t0 + 29));
    // A slow module that reports seldom is pumped on every report.
    EXPECT_TRUE(throttle.due(t0 + 60));
    EXPECT_TRUE(throttle.due(t0 + 90));
}

TEST(PumpThrottle, AFastModuleIsLookedAtSeldomAndASlowOneOnEveryReport) {
    PumpThrottle throttle;
    std::uint64_t now = 1000;
    // Reports far faster than the clock moves: the stride doubles up to its
    // limit, so the clock is read once per kMaxStride reports.
    for (int i = 0; i < 20; ++i) {
        reportsUntilClock(throttle);
        (void)throttle.due(now);
    }
    EXPECT_EQ(throttle.stride(), PumpThrottle::kMaxStride);
    EXPECT_EQ(reportsUntilClock(throttle), PumpThrottle::kMaxStride);

    // The module slows down: readings far apart halve the stride each time
    // until every report reads the clock again.
    (void)throttle.due(now += 10);
    EXPECT_EQ(throttle.stride(), PumpThrottle::kMaxStride / 2);
    for (int i = 0; i < 20; ++i) {
        reportsUntilClock(throttle);
        (void)throttle.due(now += 10);
    }
    EXPECT_EQ(throttle.stride(), 1u);
    EXPECT_EQ(reportsUntilClock(throttle), 1u);
    // Readings a few milliseconds apart keep the stride where it is.
    (void)throttle.due(now += 3);
    EXPECT_EQ(throttle.stride(), 1u);
}

TEST(PumpThrottle, ACountedPumpIsNeverFurtherThanTheStrideAway) {
    // However the stride stands, every report is counted towards the next
    // clock reading: none is skipped and none counted twice.
    PumpThrottle throttle;
    (void)throttle.clockDue();
    (void)throttle.due(0);
    (void)throttle.clockDue();
    (void)throttle.due(0);  // same millisecond: stride 2
    ASSERT_EQ(throttle.stride(), 2u);
    EXPECT_FALSE(throttle.clockDue());
    EXPECT_TRUE(throttle.clockDue());
}

}  // namespace
}  // namespace veldrix
