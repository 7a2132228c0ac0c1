#include "HoltanProtocol.h"

#include "BoardLatches.h"
#include "BoardVoltages.h"
#include "common/PresenceTest.h"

namespace veldrix::drivers {

namespace {

// The idle action's pattern.
constexpr std::uint8_t kIdleData = 0x01;
constexpr std::uint8_t kIdleControl = 0x09;
// Bus words init() sends whatever the presence test found.
constexpr std::uint32_t kIdleWord =
    board::busWord(static_cast<std::uint8_t>(HoltanAction::Idle), 0);
constexpr std::uint32_t kInitTrailerWord = 0x0C00;  // an action that does nothing

// Bit actions: data bits 3 and 4 choose the register, bits 0 to 2 the bit.
constexpr unsigned kRegisterShift = 3;
constexpr std::uint8_t kRegisterBits = 0x03;
constexpr std::uint8_t kBitNumberBits = 0x07;

constexpr std::uint8_t kStatusBusy = 0x80;

}  // namespace

std::uint8_t HoltanProtocol::bdport(const ParallelPort& port, std::uint32_t word) {
    const auto selector = static_cast<std::uint8_t>(word >> 8);
    const auto data = static_cast<std::uint8_t>(word);
    switch (static_cast<HoltanAction>(selector & board::kSelectorBits)) {
        case HoltanAction::Idle:
            port.writeData(kIdleData);
            port.writeControl(kIdleControl);
            return 0;
        case HoltanAction::SetBit:
            changeBit(port, data, true);
            return 0;
        case HoltanAction::ClearBit:
            changeBit(port, data, false);
            return 0;
        case HoltanAction::WriteData:
            return cachedWrite(port, board::kDataRegister, selector, data);
        case HoltanAction::WriteStatus:
            return cachedWrite(port, board::kStatusRegister, selector, data);
        case HoltanAction::WriteControl:
            return cachedWrite(port, board::kControlRegister, selector, data);
        case HoltanAction::ReadData:
            return port.readData();
        case HoltanAction::ReadStatus:
            return port.readStatus();
        case HoltanAction::ReadControl:
            return port.readControl();
        case HoltanAction::ReadReady:
            return (port.readStatus() & kStatusBusy) == 0 ? 1 : 0;
    }
    return 0;
}

std::uint32_t HoltanProtocol::init(const ParallelPort& port, std::uint8_t ecr) {
    port.setEcpMode(ecr);
    const std::uint8_t failed = failedPresenceChecks(port);
    bdport(port, kIdleWord);
    bdport(port, kInitTrailerWord);
    return failed == 0 ? 0 : kInitFailed;
}

std::uint32_t HoltanProtocol::voltage(const ParallelPort& port, std::int32_t vcc, std::int32_t vpp,
                                      std::int32_t vid) {
    voltageByte_ = board::composeVoltageByte(vcc, vpp, vid);
    port.writeData(voltageByte_);
    return 0;
}

std::uint8_t HoltanProtocol::cachedWrite(const ParallelPort& port, std::uint16_t offset,
                                         std::uint8_t selector, std::uint8_t data) {
    if (cache_.update(selector, data)) {
        port.write(offset, data);
    }
    return data;
}

void HoltanProtocol::changeBit(const ParallelPort& port, std::uint8_t data, bool set) {
    const std::uint16_t offset = (data >> kRegisterShift) & kRegisterBits;
    const auto bit = static_cast<std::uint8_t>(1u << (data & kBitNumberBits));
    const std::uint8_t value = port.read(offset);
    port.write(offset, set ? static_cast<std::uint8_t>(value | bit)
                           : static_cast<std::uint8_t>(value & ~bit));
}

}  // namespace veldrix::drivers
