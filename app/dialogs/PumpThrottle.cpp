#include "dialogs/PumpThrottle.h"

namespace veldrix {

bool PumpThrottle::due(int percent, std::uint64_t nowMilliseconds) {
    const bool pump = !lastPump_.has_value() || percent != lastPercent_ ||
                      nowMilliseconds - *lastPump_ >= kIntervalMilliseconds;
    if (pump) {
        lastPump_ = nowMilliseconds;
        lastPercent_ = percent;
    }
    return pump;
}

}  // namespace veldrix
