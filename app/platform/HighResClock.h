#pragma once
// The high-resolution counter and the wait that modules use for chip timing.

#include <cstdint>

namespace veldrix::platform {

// Counter ticks per second; the monotonic clock counts nanoseconds.
inline constexpr std::uint64_t kCounterFrequency = 1'000'000'000;

// Current counter value (CLOCK_MONOTONIC in nanoseconds).
[[nodiscard]] std::uint64_t readCounter() noexcept;

// Ticks a wait of `microseconds` lasts on a counter of `frequency` Hz:
// (low 32 bits of frequency / 1 000 000 + 1) per microsecond, rounded up so
// that a wait is never shorter than asked. Computed in 64 bits.
[[nodiscard]] std::uint64_t delayTicks(std::uint64_t frequency,
                                       std::uint32_t microseconds) noexcept;

// Waits until the counter exceeds its start plus delayTicks(); 0 returns at
// once. Waits of 1 ms and more sleep until 100 us before their end and spin
// the rest; shorter waits spin throughout.
void delayMicroseconds(std::uint32_t microseconds) noexcept;

}  // namespace veldrix::platform
