#include "EepromProbe.h"

#include "FunctionCode.h"

namespace veldrix::calypso {
namespace {

using module::busWord;

constexpr std::uint8_t kAllTopAddressBits = 0x0F;  // address bits 16..19 of selector 11
constexpr std::uint32_t kIdentifierSetupMicroseconds = 2;
constexpr std::uint32_t kAddressSetupMicroseconds = 1;
constexpr const char* kNotConnected = "EEPROM not connected!";

}  // namespace

std::int32_t EepromProbe::readId() const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    dlldata& block = host.block();
    block.errdata = 0;
    if (block.vid == 0) {
        return module::kDone;
    }
    host.bus(module::kForceChipDrives);
    host.bus(module::kForceSetupIdle);
    host.supply(block.vcc, 0, block.vid);
    host.bus(busWord(module::kSelectAddressLow, 0x00));
    host.bus(busWord(module::kSelectAddressHigh, chip.readHigh));
    host.bus(busWord(module::kSelectControl, chip.readControl));
    host.bus(busWord(module::kSelectPower, (chip.power & kPowerIdleMask) | kVidOnA9));
    host.bus(busWord(module::kSelectControl, chip.readControl | kHighVoltageGate));
    host.wait(kIdentifierSetupMicroseconds);
    const std::uint8_t maker = host.bus(module::kReadDataLines);
    host.bus(busWord(module::kSelectAddressLow, 0x01));
    host.wait(kAddressSetupMicroseconds);
    const std::uint8_t device = host.bus(module::kReadDataLines);
    block.errdata = static_cast<std::uint32_t>(maker) * 256 + device;
    bus_.powerDown();
    return module::kDone;
}

std::int32_t EepromProbe::testInsertion() const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    if (host.block().testins == 0) {
        return module::kDone;
    }
    host.bus(busWord(module::kSelectAddressLow, 0xFF));
    host.bus(busWord(module::kSelectAddressHigh, chip.readHigh));
    host.bus(
        busWord(module::kSelectControl, chip.readControl | kDataLineBias | kAllTopAddressBits));
    host.wait(kLineSettleMicroseconds);
    const std::uint8_t first = host.bus(module::kReadDataLines);
    host.bus(
        busWord(module::kSelectControl, (chip.readControl & ~kDataLineBias) | kAllTopAddressBits));
    host.wait(kLineSettleMicroseconds);
    const std::uint8_t second = host.bus(module::kReadDataLines);
    host.bus(
        busWord(module::kSelectControl, chip.readControl | kDataLineBias | kAllTopAddressBits));
    // A chip drives its data lines whatever the bias; an empty socket leaves
    // them to it. Every operation that drove the board ends with the reset.
    bus_.powerDown();
    if (first == second) {
        return module::kDone;
    }
    host.message(DD_MB_OK, kNotConnected);
    return kNoChipInserted;
}

}  // namespace veldrix::calypso
