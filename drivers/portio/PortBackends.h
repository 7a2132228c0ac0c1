#pragma once
// The ways a port base address can be reached, each offered by the system
// or not.

#include <cstdint>
#include <memory>

#include "IPortIo.h"

namespace veldrix::portio {

class PortBackends {
public:
    virtual ~PortBackends() = default;
    // The simulated programmer board.
    [[nodiscard]] virtual std::unique_ptr<IPortIo> simulated(std::uint16_t base) = 0;
    // Direct port instructions; nullptr without I/O permission.
    [[nodiscard]] virtual std::unique_ptr<IPortIo> direct(std::uint16_t base) = 0;
    // The kernel's ppdev device of that port; nullptr when none can be claimed.
    [[nodiscard]] virtual std::unique_ptr<IPortIo> ppdev(std::uint16_t base) = 0;
};

// What this machine offers: the process's simulated board, ioperm, ppdev.
[[nodiscard]] std::unique_ptr<PortBackends> systemPortBackends();

}  // namespace veldrix::portio
