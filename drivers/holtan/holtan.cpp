// holtan: the driver whose bus words address the port registers directly.

#include "common/DriverExports.h"
#include "common/PresenceTest.h"
#include "common/ProtocolExports.h"
#include "holtan/HoltanProtocol.h"

using veldrix::drivers::HoltanProtocol;

std::uint16_t portadr = 0x378;
std::uint8_t ecr = 0x35;
const veldrix::drivers::PortEntry* pPorts = veldrix::drivers::kLptPorts;

std::uint32_t init(void) noexcept {
    return veldrix::drivers::forwardInit<HoltanProtocol>(veldrix::drivers::kInitFailed, portadr,
                                                         ecr);
}

std::uint8_t bdport(std::uint32_t word) noexcept {
    return veldrix::drivers::forwardBdport<HoltanProtocol>(portadr, word);
}

std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) noexcept {
    return veldrix::drivers::forwardVoltage<HoltanProtocol>(portadr, vcc, vpp, vid);
}
