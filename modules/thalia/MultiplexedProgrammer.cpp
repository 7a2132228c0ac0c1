#include "MultiplexedProgrammer.h"

#include "ThaliaKeys.h"

namespace veldrix::thalia {
namespace {

constexpr std::uint32_t kProgressReports = 64;
constexpr std::uint32_t kEraseRecoveryMicroseconds = 100'000;

// The erase is two command writes: 0xAA at 0x5555, then 0x10 at 0x2AAA.
constexpr std::uint32_t kEraseUnlockAddress = 0x5555;
constexpr std::uint8_t kEraseUnlockData = 0xAA;
constexpr std::uint32_t kEraseCommandAddress = 0x2AAA;
constexpr std::uint8_t kEraseCommandData = 0x10;

}  // namespace

void MultiplexedProgrammer::pulseByte(std::uint32_t a, std::uint8_t d,
                                      std::uint32_t microseconds) const {
    bus_.latchLowAddress(a);
    bus_.highAddress(MultiplexedBus::highByte(a));
    bus_.power(kProgramPowerOn);
    bus_.strobes(kProgramSetup);
    bus_.dataPins(d);
    bus_.strobes(kProgramPulse);
    bus_.host().wait(microseconds);
    bus_.strobes(kProgramSetup);
}

std::uint8_t MultiplexedProgrammer::readBack(std::uint32_t a) const {
    const module::ModuleHost& host = bus_.host();
    bus_.latchLowAddress(a);
    host.bus(module::kForceChipDrives);
    bus_.highAddress(MultiplexedBus::highByte(a));
    bus_.strobes(kChipOutputs);
    const std::uint8_t value = bus_.readDataPins();
    bus_.strobes(kStrobesIdle);
    host.bus(module::kForceBoardDrives);
    return value;
}

std::int32_t MultiplexedProgrammer::write() const {
    const module::ModuleHost& host = bus_.host();
    dlldata& block = host.block();
    const std::uint32_t size = chipSpan(block);
    const std::uint32_t interval = module::progressInterval(size, kProgressReports);
    bus_.powerUp(PowerMode::Program);
    host.bus(module::kForceBoardDrives);
    for (std::uint32_t a = 0; a < size; ++a) {
        const std::uint8_t d = host.bufferByte(a);
        pulseByte(a, d, key(kProgramPulseKey));
        bus_.power(kProgramPowerOff);
        bus_.strobes(kStrobesIdle);
        if (block.checkwr != 0) {
            if (const std::uint8_t seen = readBack(a); seen != d) {
                block.erraddr = a;
                block.errdata = seen;
                bus_.powerDown();
                return DD_VERIFY_FAILED;
            }
        }
        if (a % interval == 0 && host.progressStopRequested(a)) {
            break;
        }
    }
    bus_.powerDown();
    return DD_OK;
}

std::int32_t MultiplexedProgrammer::erase() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Program);
    host.bus(module::kForceBoardDrives);
    bus_.strobes(kStrobesIdle);
    pulseByte(kEraseUnlockAddress, kEraseUnlockData, key(kFirstEraseKey));
    bus_.strobes(kStrobesIdle);
    pulseByte(kEraseCommandAddress, kEraseCommandData, key(kSecondEraseKey));
    bus_.strobes(kStrobesIdle);
    host.wait(kEraseRecoveryMicroseconds);
    bus_.powerDown();
    return DD_OK;
}

std::uint8_t MultiplexedProgrammer::readIdentifier(std::uint8_t highAddress) const {
    bus_.highAddress(highAddress);
    bus_.strobes(kIdentifierRead);
    const std::uint8_t value = bus_.readDataPins();
    bus_.strobes(kProgramSetup);
    return value;
}

std::int32_t MultiplexedProgrammer::readId() const {
    const module::ModuleHost& host = bus_.host();
    bus_.powerUp(PowerMode::Identifier);
    host.bus(module::kForceChipDrives);
    bus_.strobes(kProgramSetup);
    const std::uint32_t maker = readIdentifier(0);
    const std::uint32_t device = readIdentifier(1);
    host.block().errdata = device * 65536 + maker;
    bus_.powerDown();
    return DD_OK;
}

}  // namespace veldrix::thalia
