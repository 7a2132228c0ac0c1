#include "dialogs/PumpThrottle.h"

#include <algorithm>

namespace veldrix {

namespace {

// Readings this far apart read too seldom for the interval.
constexpr std::uint64_t kReadingsTooFarApart = PumpThrottle::kIntervalMilliseconds / 2;

}  // namespace

bool PumpThrottle::due(std::uint64_t nowMilliseconds) {
    reports_ = 0;
    adaptStride(nowMilliseconds);
    const bool pump =
        !lastPump_.has_value() || nowMilliseconds - *lastPump_ >= kIntervalMilliseconds;
    if (pump) {
        lastPump_ = nowMilliseconds;
    }
    return pump;
}

void PumpThrottle::adaptStride(std::uint64_t nowMilliseconds) {
    if (lastReading_.has_value()) {
        const std::uint64_t apart = nowMilliseconds - *lastReading_;
        if (apart == 0) {
            stride_ = std::min(stride_ * 2, kMaxStride);
        } else if (apart > kReadingsTooFarApart) {
            stride_ = std::max<std::uint32_t>(stride_ / 2, 1);
        }
    }
    lastReading_ = nowMilliseconds;
}

}  // namespace veldrix
