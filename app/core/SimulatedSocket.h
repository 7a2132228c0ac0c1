#pragma once
// Keeps the simulated board's socket holding the chip the user applied, as
// long as the simulated board is the selected port.

#include <cstdint>
#include <string_view>

#include "core/DriverBinding.h"
#include "ports/PortList.h"

namespace veldrix {

class SimulatedSocket {
public:
    SimulatedSocket(const DriverBinding& binding, const PortList& ports) noexcept
        : binding_(binding), ports_(ports) {}

    // Puts a chip of the module's kind and chipSize bytes into the socket of
    // the bound driver's board, when the "SIM" port is current and the driver
    // has a board; otherwise does nothing. A chip the board cannot model
    // leaves the socket empty rather than holding the previous chip. Returns
    // the board's answer (VXSIM_OK, a VXSIM_ERR_* code), VXSIM_OK when nothing
    // was to be done.
    int follow(std::string_view moduleName, std::uint32_t chipSize);

private:
    const DriverBinding& binding_;
    const PortList& ports_;
};

}  // namespace veldrix
