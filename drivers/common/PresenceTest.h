#pragma once
// The board's presence test: eight checks of how it answers on the data and
// status registers.

#include <cstdint>

#include "ParallelPort.h"

namespace veldrix::drivers {

// Runs the checks and leaves the control register at 0x0C. Returns the mask
// of failed checks: bit 7 for check 1 down to bit 0 for check 8; 0 = present.
[[nodiscard]] std::uint8_t failedPresenceChecks(const ParallelPort& port);

// init()'s failure code: the mask over 0x100.
inline constexpr std::uint32_t kInitFailed = 0x100;

}  // namespace veldrix::drivers
