#include "EepromProgrammer.h"

#include "CalypsoKeys.h"

namespace veldrix::calypso {
namespace {

using board::busWord;

constexpr std::uint32_t kWriteProgressReports = 1000;

constexpr std::uint16_t dataWord(std::uint8_t d) {
    return busWord(board::kDataLatch, d);
}

}  // namespace

void EepromProgrammer::armPulse(std::uint32_t a, std::uint8_t d) const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    host.bus(EepromBus::top(a) | chip.programIdle);
    host.bus(module::kForceBoardDrives);
    host.bus(dataWord(d));
    host.bus(EepromBus::low(a));
    host.bus(EepromBus::high(a) | chip.programHigh);
    host.bus(EepromBus::top(a) | chip.programIdle | board::kHighVoltageGate);
}

void EepromProgrammer::programmingPulse(std::uint32_t a, std::uint8_t d) const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    armPulse(a, d);
    host.wait(kLineSettleMicroseconds);
    host.bus(EepromBus::high(a) | chip.pulseHigh);
    host.bus(EepromBus::top(a) | chip.programPulse | board::kHighVoltageGate);
    host.wait(key(kTpwKey));
    host.bus(EepromBus::top(a) | chip.programIdle | board::kHighVoltageGate);
    host.bus(EepromBus::high(a) | chip.programHigh);
    host.bus(EepromBus::top(a) | chip.programIdle);
    host.bus(dataWord(static_cast<std::uint8_t>(d ^ 0xFF)));
}

void EepromProgrammer::overprogrammingPulse(std::uint32_t a, std::uint8_t d) const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    armPulse(a, d);
    host.bus(EepromBus::high(a) | chip.pulseHigh);
    host.bus(EepromBus::top(a) | chip.programPulse | board::kHighVoltageGate);
    host.waitLong(static_cast<std::uint64_t>(key(kTpwKey)) * key(kNmulKey));
    host.bus(EepromBus::top(a) | chip.programIdle | board::kHighVoltageGate);
    host.bus(EepromBus::high(a) | chip.readHigh);
    host.bus(EepromBus::top(a) | chip.programIdle);
    host.wait(kLineSettleMicroseconds);
    host.bus(module::kForceChipDrives);
    host.bus(EepromBus::top(a) | chip.readControl);
}

std::uint8_t EepromProgrammer::readBack(std::uint32_t a) const {
    bus_.host().bus(module::kForceChipDrives);
    return bus_.readByte(a);
}

std::int32_t EepromProgrammer::programByte(std::uint32_t a, std::uint8_t d) const {
    dlldata& block = bus_.host().block();
    const bool verify = block.checkwr != 0;
    if (block.forcewr == 0 && verify) {
        const std::uint8_t current = readBack(a);
        if (current == d) {
            return DD_OK;
        }
        // A pulse only clears bits: a 1 over a programmed 0 needs an erase.
        if ((d & ~current) != 0) {
            block.errdata = current;
            return DD_VERIFY_FAILED;
        }
    }
    // At least one pulse, even with Nnum set to 0: otherwise nothing would
    // have been read to judge the byte by.
    const std::uint32_t pulses = key(kNnumKey) == 0 ? 1 : key(kNnumKey);
    std::uint8_t seen = d;
    for (std::uint32_t i = 0; i < pulses; ++i) {
        programmingPulse(a, d);
        if (!verify) {
            break;
        }
        seen = readBack(a);
        if (seen == d) {
            break;
        }
    }
    if (seen != d) {
        block.errdata = seen;
        return DD_VERIFY_FAILED;
    }
    if (key(kNmulKey) == 0) {
        return DD_OK;
    }
    overprogrammingPulse(a, d);
    if (!verify) {
        return DD_OK;
    }
    seen = bus_.readByte(a);
    if (seen != d) {
        block.errdata = seen;
        return DD_VERIFY_FAILED;
    }
    return DD_OK;
}

std::int32_t EepromProgrammer::write() const {
    const module::ModuleHost& host = bus_.host();
    const std::uint32_t size = bus_.chip().size;
    const std::uint32_t interval = module::progressInterval(size, kWriteProgressReports);
    bus_.powerUp(PowerMode::Write, key(kVccpKey));
    for (std::uint32_t a = 0; a < size; ++a) {
        if (const std::int32_t result = programByte(a, host.bufferByte(a)); result != DD_OK) {
            host.block().erraddr = a;
            bus_.powerDown();
            return result;
        }
        if (a % interval == 0 && host.progressStopRequested(a)) {
            break;
        }
    }
    bus_.powerDown();
    return DD_OK;
}

}  // namespace veldrix::calypso
