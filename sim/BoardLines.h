#pragma once
// What the board presents to the socket: its latches (numbered by selector,
// BoardLatches.h) and the voltages the voltage latch selects.

#include <array>
#include <cstdint>

#include "BoardLatches.h"
#include "BoardVoltages.h"

namespace veldrix::sim {

class BoardLines {
public:
    [[nodiscard]] std::uint8_t operator[](unsigned latch) const noexcept {
        return latches_[latch & board::kSelectorBits];
    }
    void set(unsigned latch, std::uint8_t value) noexcept {
        latches_[latch & board::kSelectorBits] = value;
        if ((latch & board::kSelectorBits) == board::kVoltageLatch) {
            volts_ = board::decodeVoltageByte(value);
        }
    }

    [[nodiscard]] bool boardDrivesData() const noexcept {
        return ((*this)[board::kDirectionLatch] & board::kBoardReleasesData) == 0;
    }
    // What data lines read when nothing drives them.
    [[nodiscard]] std::uint8_t bias() const noexcept {
        return ((*this)[board::kControlLatch] & board::kBiasLine) != 0 ? 0xFF : 0x00;
    }
    // The data pins' levels seen by the chip when its outputs are off.
    [[nodiscard]] std::uint8_t pinsTowardsChip() const noexcept {
        return boardDrivesData() ? (*this)[board::kDataLatch] : bias();
    }
    [[nodiscard]] bool switchedOn(std::uint8_t powerSwitch) const noexcept {
        return ((*this)[board::kPowerLatch] & powerSwitch) != 0;
    }
    // Programming voltage on the pin `vppSwitch` feeds, 0 when it is off.
    [[nodiscard]] std::uint16_t vppAt(std::uint8_t vppSwitch) const noexcept {
        return gateOpen() && switchedOn(vppSwitch) ? volts_.vpp : 0;
    }
    // Identification voltage on the identifier pin, 0 when it is off.
    [[nodiscard]] std::uint16_t vidAtIdPin() const noexcept {
        return gateOpen() && switchedOn(board::kVidToIdPin) ? volts_.vid : 0;
    }
    [[nodiscard]] const board::BoardVoltages& volts() const noexcept { return volts_; }

private:
    [[nodiscard]] bool gateOpen() const noexcept {
        return ((*this)[board::kControlLatch] & board::kHighVoltageGate) != 0;
    }

    std::array<std::uint8_t, 16> latches_{};
    board::BoardVoltages volts_ = board::decodeVoltageByte(0);
};

}  // namespace veldrix::sim
