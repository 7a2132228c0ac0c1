#pragma once
// The board's presence test: eight checks of how it answers on the data and
// status registers (board/PresenceChecks.h).

#include <cstdint>

#include "ParallelPort.h"
#include "PresenceChecks.h"

namespace veldrix::drivers {

// Runs the checks and leaves the control register at 0x0C. Returns the mask
// of failed checks: bit 7 for check 1 down to bit 0 for check 8; 0 = present.
[[nodiscard]] std::uint8_t failedPresenceChecks(const ParallelPort& port);

using board::kInitFailed;

}  // namespace veldrix::drivers
