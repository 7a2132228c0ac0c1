#include "ParlinkProtocol.h"

#include <array>

#include "common/BoardVoltageTables.h"
#include "common/PresenceTest.h"

namespace veldrix::drivers {

namespace {

enum class Action : std::uint8_t {
    Reset,           // run the reset words
    CachedLatch,     // latch write unless the cache holds the byte
    DirectionLatch,  // selector 5: always written; the board clears latches 1, 9, 13
    SetupLatch,      // selector 7: always written; the board clears latches 3, 11, 15
    ReadData,        // the chip's data lines
    ReadStatus,      // the status register
    Nothing,
};

// Indexed by selector bits 0 to 3.
constexpr std::array<Action, 16> kActions = {
    Action::Reset,      Action::CachedLatch,    Action::ReadData,    Action::CachedLatch,
    Action::Nothing,    Action::DirectionLatch, Action::CachedLatch, Action::SetupLatch,
    Action::ReadStatus, Action::CachedLatch,    Action::ReadData,    Action::CachedLatch,
    Action::Nothing,    Action::CachedLatch,    Action::ReadData,    Action::CachedLatch,
};

// Every board latch back to its idle value, in this order.
constexpr std::array<std::uint16_t, 4> kResetWords = {0x859B, 0x8790, 0x83CF, 0x8600};

constexpr std::uint8_t kVoltageSelector = 0x83;  // forced write of the voltage latch
constexpr std::uint8_t kActionBits = 0x0F;
// Control bits that stay after a strobe: the falling lines are bits 0 and 1.
constexpr std::uint8_t kStrobeRest = 0x0C;

}  // namespace

std::uint8_t ParlinkProtocol::bdport(const ParallelPort& port, std::uint32_t word) {
    const auto selector = static_cast<std::uint8_t>(word >> 8);
    const auto data = static_cast<std::uint8_t>(word);
    switch (kActions[selector & kActionBits]) {
        case Action::Reset:
            reset(port);
            return 0;
        case Action::CachedLatch:
            if (cache_.update(selector, data)) {
                strobeLatch(port, selector, data);
            }
            return 0;
        case Action::DirectionLatch:
            strobeLatch(port, selector, data);
            cache_.store(selector, data);
            cache_.clear({1, 9, 13});
            return 0;
        case Action::SetupLatch:
            strobeLatch(port, selector, data);
            cache_.store(selector, data);
            cache_.clear({3, 11, 15});
            return 0;
        case Action::ReadData:
            return readDataLines(port, selector);
        case Action::ReadStatus:
            return port.readStatus();
        case Action::Nothing:
            return 0;
    }
    return 0;
}

std::uint32_t ParlinkProtocol::init(const ParallelPort& port, std::optional<std::uint8_t> ecr) {
    if (ecr) {
        port.setEcpMode(*ecr);
    }
    const std::uint8_t failed = failedPresenceChecks(port);
    if (failed != 0) {
        return kInitFailed | failed;
    }
    reset(port);
    return 0;
}

std::uint32_t ParlinkProtocol::voltage(const ParallelPort& port, std::int32_t vcc, std::int32_t vpp,
                                       std::int32_t vid) {
    voltageByte_ = composeVoltageByte(vcc, vpp, vid);
    bdport(port, static_cast<std::uint32_t>(kVoltageSelector << 8 | voltageByte_));
    return 0;
}

void ParlinkProtocol::reset(const ParallelPort& port) {
    for (std::uint16_t word : kResetWords) {
        bdport(port, word);
    }
}

void ParlinkProtocol::strobeLatch(const ParallelPort& port, std::uint8_t selector,
                                  std::uint8_t data) {
    port.writeData(data);
    port.writeControl(selector);
    port.writeControl(selector & kStrobeRest);
}

std::uint8_t ParlinkProtocol::readDataLines(const ParallelPort& port, std::uint8_t selector) {
    port.writeControl(selector | portio::kControlDataInput);
    const std::uint8_t value = port.readData();
    port.writeControl(selector & kStrobeRest);
    return value;
}

}  // namespace veldrix::drivers
