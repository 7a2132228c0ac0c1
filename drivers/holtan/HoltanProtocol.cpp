#include "HoltanProtocol.h"

#include "common/BoardVoltageTables.h"
#include "common/PresenceTest.h"

namespace veldrix::drivers {

namespace {

// Action 0: the board's idle pattern.
constexpr std::uint8_t kIdleData = 0x01;
constexpr std::uint8_t kIdleControl = 0x09;
// Bus word init() sends after the idle pattern.
constexpr std::uint32_t kInitTrailerWord = 0x0C00;

// Bit actions: data bits 3 and 4 choose the register, bits 0 to 2 the bit.
constexpr unsigned kRegisterShift = 3;
constexpr std::uint8_t kRegisterBits = 0x03;
constexpr std::uint8_t kBitNumberBits = 0x07;

constexpr std::uint8_t kStatusBusy = 0x80;

}  // namespace

std::uint8_t HoltanProtocol::bdport(const ParallelPort& port, std::uint32_t word) {
    const auto selector = static_cast<std::uint8_t>(word >> 8);
    const auto data = static_cast<std::uint8_t>(word);
    switch (selector & 0x0F) {
        case 0:
            port.writeData(kIdleData);
            port.writeControl(kIdleControl);
            return 0;
        case 1:
            changeBit(port, data, true);
            return 0;
        case 2:
            changeBit(port, data, false);
            return 0;
        case 3:
            return cachedWrite(port, portio::kDataRegister, selector, data);
        case 4:
            return cachedWrite(port, portio::kStatusRegister, selector, data);
        case 5:
            return cachedWrite(port, portio::kControlRegister, selector, data);
        case 6:
            return port.readData();
        case 7:
            return port.readStatus();
        case 8:
            return port.readControl();
        case 9:
            return (port.readStatus() & kStatusBusy) == 0 ? 1 : 0;
        default:
            return 0;
    }
}

std::uint32_t HoltanProtocol::init(const ParallelPort& port, std::uint8_t ecr) {
    port.setEcpMode(ecr);
    const std::uint8_t failed = failedPresenceChecks(port);
    bdport(port, 0x0000);
    bdport(port, kInitTrailerWord);
    return failed == 0 ? 0 : kInitFailed;
}

std::uint32_t HoltanProtocol::voltage(const ParallelPort& port, std::int32_t vcc, std::int32_t vpp,
                                      std::int32_t vid) {
    voltageByte_ = composeVoltageByte(vcc, vpp, vid);
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
