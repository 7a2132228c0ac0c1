#include "EepromScanner.h"

namespace veldrix::calypso {
namespace {

constexpr std::uint32_t kProgressReports = 64;
constexpr std::uint8_t kErased = 0xFF;

}  // namespace

template <class Visit>
bool EepromScanner::walkChip(Visit visit) const {
    const std::uint32_t size = bus_.chip().size;
    const std::uint32_t interval = module::progressInterval(size, kProgressReports);
    for (std::uint32_t a = 0; a < size; ++a) {
        if (!visit(a)) {
            return false;
        }
        if (a % interval == 0 && bus_.host().progressStopRequested(a)) {
            break;
        }
    }
    return true;
}

std::int32_t EepromScanner::read() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Read);
    static_cast<void>(walkChip([&](std::uint32_t a) {
        host.storeByte(a, bus_.readByte(a));
        return true;
    }));
    bus_.powerDown();
    return DD_OK;
}

std::int32_t EepromScanner::compare() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Read);
    std::uint32_t mismatches = 0;
    static_cast<void>(walkChip([&](std::uint32_t a) {
        if (host.bufferByte(a) != bus_.readByte(a)) {
            host.markByte(a);
            ++mismatches;
        }
        return true;
    }));
    bus_.powerDown();
    host.block().errdata = mismatches;
    return DD_OK;
}

std::int32_t EepromScanner::blankCheck() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Read);
    const bool blank = walkChip([&](std::uint32_t a) {
        if (bus_.readByte(a) != kErased) {
            host.block().erraddr = a;
            return false;
        }
        return true;
    });
    if (!blank) {
        host.bus(board::kResetWord);
        host.closeProgress();
        return kNotBlank;
    }
    host.closeProgress();
    host.bus(board::kResetWord);
    return DD_OK;
}

bool EepromScanner::blankPass() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Read);
    bool blank = true;
    for (std::uint32_t a = 0; a < bus_.chip().size; ++a) {
        if (bus_.readByte(a) != kErased) {
            host.block().erraddr = a;
            blank = false;
            break;
        }
    }
    host.bus(board::kResetWord);
    return blank;
}

}  // namespace veldrix::calypso
