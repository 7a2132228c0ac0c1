// serlink: the parallel-port board's protocol on the first serial port's
// addresses. It has no extended control register step and no `ecr` export.

#include "common/BoardPort.h"
#include "common/CBoundary.h"
#include "common/DriverExports.h"
#include "common/PresenceTest.h"
#include "parlink/ParlinkProtocol.h"

namespace {

veldrix::drivers::ParlinkProtocol& protocol() {
    static veldrix::drivers::ParlinkProtocol instance;
    return instance;
}

constexpr std::uint32_t kInitBroken = veldrix::drivers::kInitFailed | 0xFF;

constexpr veldrix::drivers::PortEntry kComPorts[] = {
    {0x3F8, nullptr, "COM1 - 0x3F8", "COM1", 0, veldrix::drivers::kSerialPortKind},
};

}  // namespace

using veldrix::drivers::answerOr;
using veldrix::drivers::boardPort;

std::uint16_t portadr = 0x3F8;
const veldrix::drivers::PortEntry* pPorts = kComPorts;

std::uint32_t init(void) noexcept {
    return answerOr(kInitBroken, [] { return protocol().init(boardPort(portadr), std::nullopt); });
}

std::uint8_t bdport(std::uint32_t word) noexcept {
    return answerOr<std::uint8_t>(0xFF,
                                  [word] { return protocol().bdport(boardPort(portadr), word); });
}

std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) noexcept {
    return answerOr<std::uint32_t>(
        0, [=] { return protocol().voltage(boardPort(portadr), vcc, vpp, vid); });
}
