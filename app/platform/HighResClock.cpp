#include "platform/HighResClock.h"

#include <sys/prctl.h>
#include <time.h>

#include <cerrno>

namespace veldrix::platform {

namespace {

// Waits this long or longer sleep first instead of holding a processor.
constexpr std::uint32_t kSleepFromMicroseconds = 1000;
// The end of a sleeping wait is still spun: a wake-up is late by tens of
// microseconds, which chip timing cannot afford.
constexpr std::uint64_t kSpunTailTicks = 100 * (kCounterFrequency / 1'000'000);

// Sleeps until the counter reaches `deadline`, with the thread's timer slack
// at its 1 ns minimum meanwhile so the kernel does not add its default 50 us.
void sleepUntil(std::uint64_t deadline) noexcept {
    const int previousSlack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    (void)prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    timespec until{};
    until.tv_sec = static_cast<time_t>(deadline / kCounterFrequency);
    until.tv_nsec = static_cast<long>(deadline % kCounterFrequency);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
    if (previousSlack > 0) {
        (void)prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(previousSlack), 0, 0, 0);
    }
}

}  // namespace

std::uint64_t readCounter() noexcept {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * kCounterFrequency +
           static_cast<std::uint64_t>(now.tv_nsec);
}

std::uint64_t delayTicks(std::uint64_t frequency, std::uint32_t microseconds) noexcept {
    const std::uint64_t ticksPerMicrosecond =
        static_cast<std::uint32_t>(frequency) / 1'000'000u + 1;
    return ticksPerMicrosecond * microseconds;
}

void delayMicroseconds(std::uint32_t microseconds) noexcept {
    if (microseconds == 0) {
        return;
    }
    const std::uint64_t end = readCounter() + delayTicks(kCounterFrequency, microseconds);
    if (microseconds >= kSleepFromMicroseconds) {
        sleepUntil(end - kSpunTailTicks);
    }
    while (readCounter() <= end) {
    }
}

}  // namespace veldrix::platform
