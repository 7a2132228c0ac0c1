#include "SimClock.h"

#include <chrono>

namespace veldrix::sim {

std::uint64_t SimClock::monotonicNanoseconds() noexcept {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

std::uint64_t SimClock::nowNanoseconds() const noexcept {
    return manual_ ? manualNow_ : monotonicNanoseconds() + offset_;
}

void SimClock::setManual(bool manual) noexcept {
    if (manual == manual_) {
        return;
    }
    if (manual) {
        manualNow_ = nowNanoseconds();
    } else {
        const std::uint64_t real = monotonicNanoseconds();
        offset_ = manualNow_ > real ? manualNow_ - real : 0;
    }
    manual_ = manual;
}

void SimClock::advance(std::uint32_t microseconds) noexcept {
    if (manual_) {
        manualNow_ += microseconds * kNanosecondsPerMicrosecond;
    }
}

}  // namespace veldrix::sim
