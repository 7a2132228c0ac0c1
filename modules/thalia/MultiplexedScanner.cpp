#include "MultiplexedScanner.h"

namespace veldrix::thalia {
namespace {

constexpr std::uint32_t kProgressReports = 64;
constexpr std::uint8_t kErased = 0xFF;

}  // namespace

std::int32_t MultiplexedScanner::scan(ScanKind kind) const {
    const module::ModuleHost& host = bus_.host();
    dlldata& block = host.block();
    const std::uint32_t size = chipSpan(block);
    const std::uint32_t interval = module::progressInterval(size, kProgressReports);
    bus_.powerUp(PowerMode::Read);
    std::uint32_t mismatches = 0;
    for (std::uint32_t a = 0; a < size; ++a) {
        const std::uint8_t value = bus_.readByte(a);
        switch (kind) {
            case ScanKind::Read:
                host.storeByte(a, value);
                break;
            case ScanKind::Compare:
                if (host.bufferByte(a) != value) {
                    host.markByte(a);
                    ++mismatches;
                }
                break;
            case ScanKind::BlankCheck:
                if (value != kErased) {
                    block.erraddr = a;
                    bus_.powerDown();
                    return DD_BLANK_FAILED;
                }
                break;
        }
        if (a % interval == 0 && host.progressStopRequested(a)) {
            break;
        }
    }
    block.errdata = mismatches;
    bus_.powerDown();
    return DD_OK;
}

}  // namespace veldrix::thalia
