#include "MultiplexedBus.h"

namespace veldrix::thalia {
namespace {

using board::busWord;

constexpr std::uint32_t kSettleMicroseconds = 100'000;  // supplies after power-up
constexpr std::uint32_t kIdentifierSetupMicroseconds = 100;
constexpr std::uint32_t kProgrammingVcc = 65;  // 6.5 V while writing or erasing

}  // namespace

void MultiplexedBus::strobes(std::uint8_t pattern) const {
    host_.bus(busWord(board::kControlLatch, pattern));
}

void MultiplexedBus::power(std::uint8_t pattern) const {
    host_.bus(busWord(board::kPowerLatch, pattern));
}

void MultiplexedBus::dataPins(std::uint8_t value) const {
    host_.bus(busWord(board::kDataLatch, value));
}

void MultiplexedBus::highAddress(std::uint8_t value) const {
    host_.bus(busWord(board::kAddressHighLatch, value));
}

std::uint8_t MultiplexedBus::readDataPins() const {
    return host_.bus(board::kReadDataLinesWord);
}

void MultiplexedBus::latchLowAddress(std::uint32_t a) const {
    strobes(kAddressStrobe);
    dataPins(lowByte(a));
    strobes(kStrobesIdle);
}

std::uint8_t MultiplexedBus::readByte(std::uint32_t a) const {
    host_.bus(module::kForceBoardDrives);
    latchLowAddress(a);
    host_.bus(module::kForceChipDrives);
    strobes(kChipOutputs);
    highAddress(highByte(a));
    const std::uint8_t value = readDataPins();
    strobes(kStrobesIdle);
    return value;
}

void MultiplexedBus::powerUp(PowerMode mode) const {
    const dlldata& block = host_.block();
    host_.bus(module::kForceChipDrives);
    host_.bus(module::kForceSetupIdle);
    switch (mode) {
        case PowerMode::Read:
            host_.supply(block.vcc, 0, 0);
            break;
        case PowerMode::Program:
            host_.supply(kProgrammingVcc, block.vpp, block.vid);
            break;
        case PowerMode::Identifier:
            host_.supply(block.vcc, block.vpp, block.vid);
            break;
    }
    power(kProgramPowerOff);
    if (mode == PowerMode::Identifier) {
        strobes(kProgramSetup);
        host_.wait(kIdentifierSetupMicroseconds);
        power(kIdentifierPower);
    } else {
        strobes(kStrobesIdle);
    }
    host_.wait(kSettleMicroseconds);
}

void MultiplexedBus::powerDown() const {
    host_.bus(board::kResetWord);
    host_.closeProgress();
}

}  // namespace veldrix::thalia
