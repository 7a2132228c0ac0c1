#include "EepromEraser.h"

namespace veldrix::calypso {
namespace {

using board::busWord;

constexpr std::uint32_t kEraseCycles = 20;
constexpr std::uint32_t kChecksPerCycle = 3;
constexpr std::uint32_t kErasePulseMicroseconds = 105'000;
constexpr std::uint32_t kCheckPauseMicroseconds = 10'000;  // × (i² + 1) after each check
constexpr std::uint32_t kGateSetupMicroseconds = 100;
constexpr std::uint32_t kRecoveryMicroseconds = 150;

}  // namespace

void EepromEraser::erasePulse() const {
    const module::ModuleHost& host = bus_.host();
    const EepromChipRow& chip = bus_.chip();
    host.bus(module::kForceBoardDrives);
    host.bus(busWord(board::kDataLatch, 0xFF));
    host.bus(busWord(board::kAddressLowLatch, 0x00));
    host.bus(busWord(board::kAddressHighLatch, chip.programHigh));
    bus_.powerUp(PowerMode::Erase);
    host.supply(host.block().vcc, kHighVoltage, kHighVoltage);
    host.bus(busWord(board::kPowerLatch, chip.power | board::kVidToIdPin));
    host.wait(kLineSettleMicroseconds);
    host.bus(busWord(board::kControlLatch,
                     chip.eraseControl | board::kHighVoltageGate | board::kChipEnableLine));
    host.wait(kGateSetupMicroseconds);
    // The erase pulse: the chip enabled with both high voltages applied.
    host.bus(busWord(board::kControlLatch, chip.eraseControl | board::kHighVoltageGate));
    host.wait(kErasePulseMicroseconds);
    host.bus(busWord(board::kControlLatch,
                     chip.eraseControl | board::kHighVoltageGate | board::kChipEnableLine));
    host.bus(busWord(board::kPowerLatch, 0x00));
    host.wait(kRecoveryMicroseconds);
    host.bus(board::kResetWord);
}

std::int32_t EepromEraser::erase() const {
    const module::ModuleHost& host = bus_.host();
    const std::uint32_t step = bus_.chip().size / kEraseCycles;
    bool blank = false;
    for (std::uint32_t i = 0; i < kEraseCycles && !blank; ++i) {
        static_cast<void>(host.progressStopRequested(step * i));
        erasePulse();
        blank = true;
        for (std::uint32_t check = 0; check < kChecksPerCycle; ++check) {
            if (!scanner_.blankPass()) {
                blank = false;
            }
            host.wait((i * i + 1) * kCheckPauseMicroseconds);
        }
    }
    bus_.powerDown();
    dlldata& block = host.block();
    if (blank) {
        block.erraddr = 0;
        return DD_OK;
    }
    return block.erraddr != 0 ? static_cast<std::int32_t>(block.erraddr) : DD_BLANK_FAILED;
}

}  // namespace veldrix::calypso
