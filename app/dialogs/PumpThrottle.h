#pragma once
// When the progress window lets waiting events through. A module may report
// its position for every byte; pumping events on each report would make the
// window the slowest part of the operation, so it pumps when the percentage
// in its title changes and otherwise at most once per interval.

#include <cstdint>
#include <optional>

namespace veldrix {

class PumpThrottle {
public:
    static constexpr std::uint64_t kIntervalMilliseconds = 15;

    // True when events are to be pumped now (`nowMilliseconds` on a
    // monotonic clock): the first time, when `percent` differs from the last
    // pump's, or once the interval has passed since it. A true answer counts
    // as a pump.
    [[nodiscard]] bool due(int percent, std::uint64_t nowMilliseconds);

private:
    std::optional<std::uint64_t> lastPump_;
    int lastPercent_ = 0;
};

}  // namespace veldrix
