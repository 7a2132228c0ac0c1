#pragma once
// The board's sense of time: the monotonic clock the program's delays run
// on, or a manual clock that a test advances.

#include <cstdint>

namespace veldrix::sim {

class SimClock {
public:
    [[nodiscard]] std::uint64_t nowNanoseconds() const noexcept;

    // Switching either way never makes the clock run backwards: the manual
    // clock starts where the clock stands, and the monotonic clock resumes
    // no earlier than the manual clock had reached.
    void setManual(bool manual) noexcept;
    // Moves the manual clock on; ignored while the monotonic clock runs.
    void advance(std::uint32_t microseconds) noexcept;

private:
    [[nodiscard]] static std::uint64_t monotonicNanoseconds() noexcept;

    bool manual_ = false;
    std::uint64_t manualNow_ = 0;
    std::uint64_t offset_ = 0;  // added to the monotonic clock after manual time ran ahead
};

inline constexpr std::uint64_t kNanosecondsPerMicrosecond = 1000;

}  // namespace veldrix::sim
