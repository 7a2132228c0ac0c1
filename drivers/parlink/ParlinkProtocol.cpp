#include "ParlinkProtocol.h"

#include <array>

#include "BoardLatches.h"
#include "BoardVoltages.h"
#include "common/PresenceTest.h"

namespace veldrix::drivers {

namespace {

enum class Action : std::uint8_t {
    Reset,           // run the reset words
    CachedLatch,     // latch write unless the cache holds the byte
    DirectionLatch,  // always written; the board clears the latches it governs
    SetupLatch,      // always written; likewise
    ReadData,        // the chip's data lines
    ReadStatus,      // the status register
    Nothing,
};

// Indexed by selector bits 0 to 3. Selectors 2 and 10 read the data lines as
// 14 does; 4 and 12 do nothing.
constexpr std::array<Action, 16> kActions = [] {
    std::array<Action, 16> actions{};
    actions.fill(Action::CachedLatch);
    actions[board::kResetSelector] = Action::Reset;
    actions[board::kDirectionLatch] = Action::DirectionLatch;
    actions[board::kSetupLatch] = Action::SetupLatch;
    actions[board::kStatusSelector] = Action::ReadStatus;
    for (const std::uint8_t read :
         {std::uint8_t{0x02}, std::uint8_t{0x0A}, std::uint8_t{board::kDataLinesSelector}}) {
        actions[read] = Action::ReadData;
    }
    actions[0x04] = actions[0x0C] = Action::Nothing;
    return actions;
}();

// Control bits that stay after a strobe: the strobe lines fall back.
constexpr std::uint8_t kStrobeRest = board::kControlLines & ~board::kStrobeLines;

}  // namespace

std::uint8_t ParlinkProtocol::bdport(const ParallelPort& port, std::uint32_t word) {
    const auto selector = static_cast<std::uint8_t>(word >> 8);
    const auto data = static_cast<std::uint8_t>(word);
    switch (kActions[selector & board::kSelectorBits]) {
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
            cache_.clear(board::kClearedByDirection);
            return 0;
        case Action::SetupLatch:
            strobeLatch(port, selector, data);
            cache_.store(selector, data);
            cache_.clear(board::kClearedBySetup);
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
    voltageByte_ = board::composeVoltageByte(vcc, vpp, vid);
    bdport(port, board::busWord(board::kForceWrite | board::kVoltageLatch, voltageByte_));
    return 0;
}

void ParlinkProtocol::reset(const ParallelPort& port) {
    for (std::uint16_t word : board::kResetWords) {
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
    port.writeControl(selector | board::kControlDataInput);
    const std::uint8_t value = port.readData();
    port.writeControl(selector & kStrobeRest);
    return value;
}

}  // namespace veldrix::drivers
