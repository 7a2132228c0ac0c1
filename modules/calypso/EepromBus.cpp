#include "EepromBus.h"

namespace veldrix::calypso {
namespace {

using board::busWord;

constexpr std::uint32_t kSettleMicroseconds = 10'000;

}  // namespace

std::uint8_t EepromBus::readByte(std::uint32_t address) const {
    host_.bus(low(address));
    host_.bus(high(address) | chip_.readHigh);
    host_.bus(top(address) | chip_.readControl);
    return host_.bus(board::kReadDataLinesWord);
}

void EepromBus::powerUp(PowerMode mode, std::uint32_t vccWhileWriting) const {
    const dlldata& block = host_.block();
    host_.bus(module::kForceSetupIdle);
    host_.bus(module::kForceSpareClear);
    switch (mode) {
        case PowerMode::Write:
            host_.supply(vccWhileWriting, block.vpp, kHighVoltage);
            host_.bus(busWord(board::kPowerLatch, chip_.power));
            host_.wait(kSettleMicroseconds);
            break;
        case PowerMode::Erase:
            host_.bus(busWord(board::kPowerLatch, chip_.power));
            break;
        case PowerMode::Read:
            host_.bus(module::kForceChipDrives);
            host_.supply(block.vcc, block.vpp, kHighVoltage);
            host_.bus(busWord(board::kPowerLatch, chip_.power & kPowerIdleMask));
            host_.wait(kSettleMicroseconds);
            break;
    }
}

void EepromBus::powerDown() const {
    host_.bus(board::kResetWord);
    host_.closeProgress();
}

}  // namespace veldrix::calypso
