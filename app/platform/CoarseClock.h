#pragma once
// A monotonic clock of a few milliseconds' resolution that costs a quarter
// of the precise one to read: for deciding how often to do something on a
// path that runs millions of times, never for chip timing.

#include <cstdint>

namespace veldrix::platform {

// Milliseconds since an arbitrary start (CLOCK_MONOTONIC_COARSE).
[[nodiscard]] std::uint64_t readCoarseMilliseconds() noexcept;

}  // namespace veldrix::platform
