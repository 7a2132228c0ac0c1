#include <gtest/gtest.h>

#include "hexedit/HexAutoScroll.h"

namespace veldrix {
namespace {

const QRect kClient(5, 5, 200, 100);  // rows 5..104

TEST(HexAutoScroll, DirectionAndDelayFollowTheDistance) {
    EXPECT_FALSE(autoScrollSpeed(QPoint(50, 5), kClient).has_value());
    EXPECT_FALSE(autoScrollSpeed(QPoint(50, 104), kClient).has_value());
    // Above: distance top + 1 - y.
    const auto justAbove = autoScrollSpeed(QPoint(50, 4), kClient);
    ASSERT_TRUE(justAbove.has_value());
    EXPECT_EQ(justAbove->direction, -1);
    EXPECT_EQ(justAbove->delay, 7);                                // distance 2: speed 0
    EXPECT_EQ(autoScrollSpeed(QPoint(50, 1), kClient)->delay, 6);  // distance 5: speed 1
    // Below: distance y - bottom + 1.
    const auto below = autoScrollSpeed(QPoint(50, 105 + 24), kClient);
    EXPECT_EQ(below->direction, 1);
    EXPECT_EQ(below->delay, 2);                                           // distance 25: speed 5
    EXPECT_EQ(autoScrollSpeed(QPoint(50, 105 + 29), kClient)->delay, 1);  // speed 6
    EXPECT_EQ(autoScrollSpeed(QPoint(50, 5000), kClient)->delay, 1);
}

TEST(HexAutoScroll, CountdownScrollsEveryDelayPlusOneTicks) {
    AutoScrollCountdown countdown;
    countdown.start(2);
    EXPECT_FALSE(countdown.tick());
    EXPECT_FALSE(countdown.tick());
    EXPECT_TRUE(countdown.tick());
    EXPECT_FALSE(countdown.tick());
    countdown.setDelay(0);  // takes effect at the next reload
    EXPECT_FALSE(countdown.tick());
    EXPECT_TRUE(countdown.tick());
    EXPECT_TRUE(countdown.tick());
}

}  // namespace
}  // namespace veldrix
