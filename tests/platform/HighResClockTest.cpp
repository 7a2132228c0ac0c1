#include "platform/HighResClock.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <time.h>

#include <cstdint>
#include <limits>

namespace veldrix::test {
namespace {

using platform::delayTicks;

TEST(DelayTicksTest, RoundsTicksPerMicrosecondUp) {
    // 3.579545 ticks per microsecond become 4.
    EXPECT_EQ(delayTicks(3'579'545, 10), 40u);
    EXPECT_EQ(delayTicks(platform::kCounterFrequency, 1), 1001u);
    EXPECT_EQ(delayTicks(999'999, 7), 7u);
    EXPECT_EQ(delayTicks(platform::kCounterFrequency, 0), 0u);
}

TEST(DelayTicksTest, LongWaitsDoNotWrapAround) {
    // 50 s at 1001 ticks per microsecond is past 2^32 ticks.
    EXPECT_EQ(delayTicks(platform::kCounterFrequency, 50'000'000), 50'050'000'000u);
    const std::uint32_t longest = std::numeric_limits<std::uint32_t>::max();
    EXPECT_EQ(delayTicks(platform::kCounterFrequency, longest), std::uint64_t{longest} * 1001u);
}

TEST(DelayTicksTest, UsesOnlyTheLow32BitsOfTheFrequency) {
    EXPECT_EQ(delayTicks((std::uint64_t{1} << 32) + 3'579'545, 10), 40u);
}

TEST(DelayMicrosecondsTest, NeverWaitsLessThanTheTickFormula) {
    // Spun and slept waits alike, on either side of the switch between them.
    for (std::uint32_t microseconds : {1u, 10u, 100u, 999u, 1000u, 5000u}) {
        const std::uint64_t start = platform::readCounter();
        platform::delayMicroseconds(microseconds);
        const std::uint64_t waited = platform::readCounter() - start;
        EXPECT_GT(waited, delayTicks(platform::kCounterFrequency, microseconds))
            << microseconds << " us";
    }
}

// The processor time of the calling thread in nanoseconds.
std::uint64_t threadCpuNanoseconds() {
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return static_cast<std::uint64_t>(used.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(used.tv_nsec);
}

TEST(DelayMicrosecondsTest, ALongWaitSleepsInsteadOfHoldingTheProcessor) {
    const int slackBefore = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    const std::uint64_t cpuBefore = threadCpuNanoseconds();
    platform::delayMicroseconds(50'000);
    const std::uint64_t cpuUsed = threadCpuNanoseconds() - cpuBefore;
    // Only the last 100 us are spun; a busy wait would use all 50 ms.
    EXPECT_LT(cpuUsed, 10'000'000u);
    EXPECT_EQ(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0), slackBefore);
}

}  // namespace
}  // namespace veldrix::test
