#include "ProgressLine.h"

#include <gtest/gtest.h>

namespace veldrix::cli {
namespace {

TEST(ProgressLine, BarPercentageAndRemainingTime) {
    // 256 of 512 steps in 10 s: as long again to go.
    const std::string line = formatProgressLine("Reading ...", 50, 256, 512, 10.0, 80);
    EXPECT_EQ(line,
              "Reading ...  50% [" + std::string(20, '#') + std::string(20, ' ') + "] 0:10 left");
}

TEST(ProgressLine, NoEstimateBeforeTheFirstStepOrAtTheEnd) {
    EXPECT_EQ(formatProgressLine("", 0, 0, 100, 3.0, 30).find("left"), std::string::npos);
    EXPECT_EQ(formatProgressLine("", 100, 100, 100, 3.0, 30).find("left"), std::string::npos);
}

TEST(ProgressLine, NarrowTerminalDropsTheBarFirst) {
    const std::string line = formatProgressLine("Writing ...", 7, 7, 100, 7.0, 30);
    EXPECT_EQ(line, "Writing ...   7% 1:33 left");
    EXPECT_LE(formatProgressLine("W", 99, 99, 100, 1.0, 40).size(), 40u);
}

TEST(ProgressLine, OutOfRangePercentagesAreClamped) {
    EXPECT_NE(formatProgressLine("", 250, 1, 2, 1.0, 80).find("100%"), std::string::npos);
    EXPECT_NE(formatProgressLine("", -5, 1, 2, 1.0, 80).find("  0%"), std::string::npos);
}

TEST(ProgressLine, Durations) {
    EXPECT_EQ(formatDuration(0.4), "0:00");
    EXPECT_EQ(formatDuration(59.6), "1:00");
    EXPECT_EQ(formatDuration(3725), "1:02:05");
    EXPECT_EQ(formatDuration(-3), "0:00");
}

}  // namespace
}  // namespace veldrix::cli
