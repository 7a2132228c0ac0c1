#pragma once
// Bus words for the parallel-port programmer board: a selector byte over a
// data byte, executed by the driver's bdport. Selector bit 7 forces a latch
// write that the driver's cache would otherwise skip.

#include <cstdint>

namespace veldrix::module {

enum Selector : std::uint8_t {
    kSelectReset = 0x00,        // every latch back to idle
    kSelectAddressHigh = 0x01,  // chip address bits 8..15 (chip-specific bits on top)
    kSelectDirection = 0x05,    // board data-bus direction
    kSelectSpare = 0x06,        // not wired to the socket; the reset clears it
    kSelectSetup = 0x07,        // board setup latch
    kSelectAddressLow = 0x09,   // chip address bits 0..7
    kSelectControl = 0x0B,      // address bits 16..19 and the chip's control lines
    kSelectData = 0x0D,         // data byte towards the chip
    kSelectReadData = 0x0E,     // read the chip's data lines
    kSelectPower = 0x0F,        // chip power and programming lines
    kForce = 0x80,
};

[[nodiscard]] constexpr std::uint16_t busWord(std::uint8_t selector, std::uint8_t data) {
    return static_cast<std::uint16_t>((selector << 8) | data);
}

// Latch 5 patterns: who drives the chip's data pins.
inline constexpr std::uint8_t kBoardDrivesData = 0x80;
inline constexpr std::uint8_t kChipDrivesData = 0x82;

inline constexpr std::uint16_t kResetBoard = busWord(kSelectReset, 0x00);
inline constexpr std::uint16_t kReadDataLines = busWord(kSelectReadData, 0x00);
inline constexpr std::uint16_t kForceBoardDrives =
    busWord(kForce | kSelectDirection, kBoardDrivesData);
inline constexpr std::uint16_t kForceChipDrives =
    busWord(kForce | kSelectDirection, kChipDrivesData);
inline constexpr std::uint16_t kForceSetupIdle = busWord(kForce | kSelectSetup, 0x80);
inline constexpr std::uint16_t kForceSpareClear = busWord(kForce | kSelectSpare, 0x00);

}  // namespace veldrix::module
