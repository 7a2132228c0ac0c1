// serlink: the parallel-port board's protocol on the first serial port's
// addresses. It has no extended control register step and no `ecr` export.

#include <optional>

#include "common/DriverExports.h"
#include "common/PresenceTest.h"
#include "common/ProtocolExports.h"
#include "parlink/ParlinkProtocol.h"

namespace {

using veldrix::drivers::ParlinkProtocol;

constexpr std::uint32_t kInitBroken = veldrix::drivers::kInitFailed | 0xFF;

constexpr veldrix::drivers::PortEntry kComPorts[] = {
    {0x3F8, nullptr, "COM1 - 0x3F8", "COM1", 0, veldrix::drivers::kSerialPortKind},
};

}  // namespace

std::uint16_t portadr = 0x3F8;
const veldrix::drivers::PortEntry* pPorts = kComPorts;

std::uint32_t init(void) noexcept {
    return veldrix::drivers::forwardInit<ParlinkProtocol>(kInitBroken, portadr,
                                                          std::optional<std::uint8_t>{});
}

std::uint8_t bdport(std::uint32_t word) noexcept {
    return veldrix::drivers::forwardBdport<ParlinkProtocol>(portadr, word);
}

std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) noexcept {
    return veldrix::drivers::forwardVoltage<ParlinkProtocol>(portadr, vcc, vpp, vid);
}
