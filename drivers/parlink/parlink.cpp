// parlink: the driver of the parallel-port programmer board.

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

// What a fault inside the driver answers: every check failed.
constexpr std::uint32_t kInitBroken = veldrix::drivers::kInitFailed | 0xFF;

}  // namespace

using veldrix::drivers::answerOr;
using veldrix::drivers::boardPort;

std::uint16_t portadr = 0x378;
std::uint8_t ecr = 0x35;
const veldrix::drivers::PortEntry* pPorts = veldrix::drivers::kLptPorts;

std::uint32_t init(void) noexcept {
    return answerOr(kInitBroken, [] { return protocol().init(boardPort(portadr), ecr); });
}

std::uint8_t bdport(std::uint32_t word) noexcept {
    return answerOr<std::uint8_t>(0xFF,
                                  [word] { return protocol().bdport(boardPort(portadr), word); });
}

std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) noexcept {
    return answerOr<std::uint32_t>(
        0, [=] { return protocol().voltage(boardPort(portadr), vcc, vpp, vid); });
}
