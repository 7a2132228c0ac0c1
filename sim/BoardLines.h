#pragma once
// What the board presents to the socket: its latches (numbered by selector)
// and the voltages the voltage latch selects. The wiring is tabled in vxsim.h.

#include <array>
#include <cstdint>

#include "common/BoardVoltageTables.h"

namespace veldrix::sim {

// Latches, by selector.
inline constexpr unsigned kAddressHighLatch = 1;  // A8-A15; Microwire DI
inline constexpr unsigned kVoltageLatch = 3;
inline constexpr unsigned kDirectionLatch = 5;   // writing it clears 1, 9, 13
inline constexpr unsigned kSetupLatch = 7;       // writing it clears 3, 11, 15
inline constexpr unsigned kAddressLowLatch = 9;  // A0-A7; Microwire SK
inline constexpr unsigned kControlLatch = 11;    // A16-A19 and the chip's control lines
inline constexpr unsigned kDataLatch = 13;       // data towards the chip
inline constexpr unsigned kPowerLatch = 15;      // supply and high-voltage switches

// Latch 5.
inline constexpr std::uint8_t kBoardReleasesData = 0x02;
// Latch 11.
inline constexpr std::uint8_t kHighAddressLines = 0x0F;
inline constexpr std::uint8_t kChipEnableLine = 0x10;    // EEPROM /CE; multiplexed ALE/PGM
inline constexpr std::uint8_t kOutputEnableLine = 0x20;  // /OE: 0 enables the outputs
inline constexpr std::uint8_t kHighVoltageGate = 0x40;
inline constexpr std::uint8_t kBiasLine = 0x80;
// Latch 15.
inline constexpr std::uint8_t kVppToPin1 = 0x01;
inline constexpr std::uint8_t kVppToPin3 = 0x02;
inline constexpr std::uint8_t kVppToPin24 = 0x04;
inline constexpr std::uint8_t kVidToIdPin = 0x10;
inline constexpr std::uint8_t kVccToPin30 = 0x40;
inline constexpr std::uint8_t kVccToPin32 = 0x80;

class BoardLines {
public:
    [[nodiscard]] std::uint8_t operator[](unsigned latch) const noexcept {
        return latches_[latch & 0x0F];
    }
    void set(unsigned latch, std::uint8_t value) noexcept {
        latches_[latch & 0x0F] = value;
        if ((latch & 0x0F) == kVoltageLatch) {
            volts_ = drivers::decodeVoltageByte(value);
        }
    }

    [[nodiscard]] bool boardDrivesData() const noexcept {
        return ((*this)[kDirectionLatch] & kBoardReleasesData) == 0;
    }
    // What data lines read when nothing drives them.
    [[nodiscard]] std::uint8_t bias() const noexcept {
        return ((*this)[kControlLatch] & kBiasLine) != 0 ? 0xFF : 0x00;
    }
    // The data pins' levels seen by the chip when its outputs are off.
    [[nodiscard]] std::uint8_t pinsTowardsChip() const noexcept {
        return boardDrivesData() ? (*this)[kDataLatch] : bias();
    }
    [[nodiscard]] bool switchedOn(std::uint8_t powerSwitch) const noexcept {
        return ((*this)[kPowerLatch] & powerSwitch) != 0;
    }
    // Programming voltage on the pin `vppSwitch` feeds, 0 when it is off.
    [[nodiscard]] std::uint16_t vppAt(std::uint8_t vppSwitch) const noexcept {
        return gateOpen() && switchedOn(vppSwitch) ? volts_.vpp : 0;
    }
    // Identification voltage on the identifier pin, 0 when it is off.
    [[nodiscard]] std::uint16_t vidAtIdPin() const noexcept {
        return gateOpen() && switchedOn(kVidToIdPin) ? volts_.vid : 0;
    }
    [[nodiscard]] const drivers::BoardVoltages& volts() const noexcept { return volts_; }

private:
    [[nodiscard]] bool gateOpen() const noexcept {
        return ((*this)[kControlLatch] & kHighVoltageGate) != 0;
    }

    std::array<std::uint8_t, 16> latches_{};
    drivers::BoardVoltages volts_ = drivers::decodeVoltageByte(0);
};

}  // namespace veldrix::sim
