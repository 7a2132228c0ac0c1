#include "platform/HighResClock.h"

#include <time.h>

namespace veldrix::platform {

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
    while (readCounter() <= end) {
    }
}

}  // namespace veldrix::platform
