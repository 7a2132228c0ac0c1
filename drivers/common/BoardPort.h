#pragma once
// The port a driver's exports reach: the backend chosen for the base address
// the program has put into `portadr`.

#include <cstdint>

#include "ParallelPort.h"
#include "portio/PortAccess.h"

namespace veldrix::drivers {

[[nodiscard]] inline ParallelPort boardPort(std::uint16_t base) noexcept {
    return ParallelPort(portio::PortAccess::process().forBase(base), base);
}

}  // namespace veldrix::drivers
