#include "EepromProbe.h"

namespace veldrix::calypso {
namespace {

using board::busWord;

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
        return DD_OK;
    }
    host.bus(module::kForceChipDrives);
    host.bus(module::kForceSetupIdle);
    host.supply(block.vcc, 0, block.vid);
    host.bus(busWord(board::kAddressLowLatch, 0x00));
    host.bus(busWord(board::kAddressHighLatch, chip.readHigh));
    host.bus(busWord(board::kControlLatch, chip.readControl));
    host.bus(busWord(board::kPowerLatch, (chip.power & kPowerIdleMask) | board::kVidToIdPin));
    host.bus(busWord(board::kControlLatch, chip.readControl | board::kHighVoltageGate));
    host.wait(kIdentifierSetupMicroseconds);
    const std::uint8_t maker = host.bus(board::kReadDataLinesWord);
    host.bus(busWord(board::kAddressLowLatch, 0x01));
    host.wait(kAddressSetupMicroseconds);
    const std::uint8_t device = host.bus(board::kReadDataLinesWord);
    block.errdata = static_cast<std::uint32_t>(maker) * 256 + device;
    bus_.powerDown();
    return DD_OK;
}

std::int32_t EepromProbe::testInsertion() const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    if (host.block().testins == 0) {
        return DD_OK;
    }
    host.bus(busWord(board::kAddressLowLatch, 0xFF));
    host.bus(busWord(board::kAddressHighLatch, chip.readHigh));
    host.bus(busWord(board::kControlLatch,
                     chip.readControl | board::kBiasLine | board::kHighAddressLines));
    host.wait(kLineSettleMicroseconds);
    const std::uint8_t first = host.bus(board::kReadDataLinesWord);
    host.bus(busWord(board::kControlLatch,
                     (chip.readControl & ~board::kBiasLine) | board::kHighAddressLines));
    host.wait(kLineSettleMicroseconds);
    const std::uint8_t second = host.bus(board::kReadDataLinesWord);
    host.bus(busWord(board::kControlLatch,
                     chip.readControl | board::kBiasLine | board::kHighAddressLines));
    // A chip drives its data lines whatever the bias; an empty socket leaves
    // them to it. Every operation that drove the board ends with the reset.
    bus_.powerDown();
    if (first == second) {
        return DD_OK;
    }
    host.message(DD_MB_OK, kNotConnected);
    return kNoChipInserted;
}

}  // namespace veldrix::calypso
