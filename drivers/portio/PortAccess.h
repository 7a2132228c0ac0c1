#pragma once
// Chooses the backend for a port base address, in this order: the simulated
// board at its reserved address, direct port instructions with I/O
// permission, the kernel's ppdev device, else a floating bus. The choice is
// kept until the base address changes (the program writes the user's port
// into the driver's `portadr` at any time).

#include <cstdint>
#include <memory>
#include <optional>

#include "FloatingPortIo.h"
#include "IPortIo.h"
#include "PortBackends.h"

namespace veldrix::portio {

class PortAccess {
public:
    explicit PortAccess(std::unique_ptr<PortBackends> backends) noexcept
        : backends_(std::move(backends)) {}

    // The driver's own instance, on the system's backends. Released (a ppdev
    // port handed back) when the driver unloads.
    [[nodiscard]] static PortAccess& process();

    // Never fails: a backend that cannot be set up leaves the floating bus.
    [[nodiscard]] IPortIo& forBase(std::uint16_t base) noexcept;

private:
    [[nodiscard]] std::unique_ptr<IPortIo> choose(std::uint16_t base);

    std::unique_ptr<PortBackends> backends_;
    std::optional<std::uint16_t> base_;
    std::unique_ptr<IPortIo> current_;
    FloatingPortIo floating_;
};

}  // namespace veldrix::portio
