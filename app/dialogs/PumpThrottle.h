#pragma once
// When the progress window lets waiting events through. A module may report
// its position for every byte, millions of times an operation: each report
// must cost next to nothing, and the window must still take Esc and Cancel
// and redraw itself many times a second.
//
// So a report only counts; the clock is read once every `stride` reports,
// and events are pumped (the bar and title brought up to date, the window
// drawn, clicks and keys handled) when the interval has passed since the
// last pump. The stride adapts to the module's pace: it doubles while
// readings fall into the same millisecond and shrinks when they lie far
// apart, so a slow module is looked at on each report and a fast one seldom.

#include <cstdint>
#include <optional>

namespace veldrix {

class PumpThrottle {
public:
    static constexpr std::uint64_t kIntervalMilliseconds = 15;
    static constexpr std::uint32_t kMaxStride = 1024;

    // Counts a report; true when the clock is to be read for it (and due()
    // to be asked).
    [[nodiscard]] bool clockDue() noexcept { return ++reports_ >= stride_; }

    // With the monotonic clock read for a report: true when events are to
    // be pumped now, the first time and once the interval has passed since
    // the last pump. A true answer counts as a pump.
    [[nodiscard]] bool due(std::uint64_t nowMilliseconds);

    // Reports per clock reading.
    [[nodiscard]] std::uint32_t stride() const noexcept { return stride_; }

private:
    void adaptStride(std::uint64_t nowMilliseconds);

    std::optional<std::uint64_t> lastPump_;
    std::optional<std::uint64_t> lastReading_;
    std::uint32_t stride_ = 1;
    std::uint32_t reports_ = 0;
};

}  // namespace veldrix
