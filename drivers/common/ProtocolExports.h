#pragma once
// The bodies of a driver's init, bdport and voltage exports: each reaches the
// board through the driver's one protocol instance on the port at the base
// address the program has put into `portadr`, and no exception leaves them.
// Every driver library still defines its own exported C symbols.

#include <cstdint>

#include "BoardPort.h"
#include "CBoundary.h"

namespace veldrix::drivers {

template <class Protocol>
[[nodiscard]] Protocol& driverProtocol() {
    static Protocol instance;
    return instance;
}

// `broken` is what init answers when the driver itself faults.
template <class Protocol, class Ecr>
[[nodiscard]] std::uint32_t forwardInit(std::uint32_t broken, std::uint16_t base,
                                        Ecr ecr) noexcept {
    return answerOr(broken, [=] { return driverProtocol<Protocol>().init(boardPort(base), ecr); });
}

template <class Protocol>
[[nodiscard]] std::uint8_t forwardBdport(std::uint16_t base, std::uint32_t word) noexcept {
    return answerOr<std::uint8_t>(
        0xFF, [=] { return driverProtocol<Protocol>().bdport(boardPort(base), word); });
}

template <class Protocol>
[[nodiscard]] std::uint32_t forwardVoltage(std::uint16_t base, std::int32_t vcc, std::int32_t vpp,
                                           std::int32_t vid) noexcept {
    return answerOr<std::uint32_t>(
        0, [=] { return driverProtocol<Protocol>().voltage(boardPort(base), vcc, vpp, vid); });
}

}  // namespace veldrix::drivers
