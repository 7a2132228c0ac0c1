#include <gtest/gtest.h>

#include "hexedit/MarkMap.h"

namespace veldrix {
namespace {

TEST(MarkMap, BitsAreLeastSignificantFirstAndRoundedUpToBytes) {
    MarkMap marks;
    marks.reset(17);
    EXPECT_EQ(marks.bits().size(), 3u);
    marks.setRange(9, 1, true);
    EXPECT_EQ(marks.bits()[1], 0x02);
    EXPECT_TRUE(marks.isMarked(9));
    EXPECT_FALSE(marks.isMarked(8));
}

TEST(MarkMap, RunIsCutAtTheEndAndMarksTheLastByte) {
    MarkMap marks;
    marks.reset(20);
    marks.setRange(15, 100, true);
    EXPECT_TRUE(marks.isMarked(19));
    EXPECT_TRUE(marks.isMarked(15));
    EXPECT_FALSE(marks.isMarked(14));
    EXPECT_FALSE(marks.isMarked(20));  // outside: never marked
    // Bits past the length stay clear in the last map byte.
    EXPECT_EQ(marks.bits()[2], 0x0F);
}

TEST(MarkMap, RunsAcrossWholeBytesSetAndClearExactly) {
    MarkMap marks;
    marks.reset(64);
    marks.setRange(3, 50, true);
    for (std::uint32_t i = 0; i < 64; ++i) {
        EXPECT_EQ(marks.isMarked(i), i >= 3 && i < 53) << i;
    }
    marks.setRange(5, 40, false);
    for (std::uint32_t i = 0; i < 64; ++i) {
        EXPECT_EQ(marks.isMarked(i), (i >= 3 && i < 5) || (i >= 45 && i < 53)) << i;
    }
}

TEST(MarkMap, NothingForCountZeroOrAStartPastTheEnd) {
    MarkMap marks;
    marks.reset(16);
    marks.setRange(2, 0, true);
    marks.setRange(16, 5, true);
    // A start near 2^32 with a count that wraps around marks nothing either.
    marks.setRange(0xFFFFFFF0u, 0x20, true);
    EXPECT_EQ(marks.bits()[0] | marks.bits()[1], 0);
}

}  // namespace
}  // namespace veldrix
