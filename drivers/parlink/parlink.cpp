// parlink: the driver of the parallel-port programmer board.

#include "common/DriverExports.h"
#include "common/PresenceTest.h"
#include "common/ProtocolExports.h"
#include "parlink/ParlinkProtocol.h"

namespace {

using veldrix::drivers::ParlinkProtocol;

// What a fault inside the driver answers: every check failed.
constexpr std::uint32_t kInitBroken = veldrix::drivers::kInitFailed | 0xFF;

}  // namespace

std::uint16_t portadr = 0x378;
std::uint8_t ecr = 0x35;
const veldrix::drivers::PortEntry* pPorts = veldrix::drivers::kLptPorts;

std::uint32_t init(void) noexcept {
    return veldrix::drivers::forwardInit<ParlinkProtocol>(kInitBroken, portadr, ecr);
}

std::uint8_t bdport(std::uint32_t word) noexcept {
    return veldrix::drivers::forwardBdport<ParlinkProtocol>(portadr, word);
}

std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) noexcept {
    return veldrix::drivers::forwardVoltage<ParlinkProtocol>(portadr, vcc, vpp, vid);
}
