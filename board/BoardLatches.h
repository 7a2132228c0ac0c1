#pragma once
// The parallel-port programmer board's latch map: the selectors of a bus word,
// what each latch bit drives on the socket, and the reset. The drivers execute
// bus words with it, the simulated board decodes them with it and the chip
// modules compose them with it.

#include <array>
#include <cstdint>

namespace veldrix::board {

// Bits 0-3 of a bus word's selector byte: the latch written (and the pattern
// put on the control register's low four bits), or an action that reads.
enum Selector : std::uint8_t {
    kResetSelector = 0x00,      // every latch back to idle (kResetWords)
    kAddressHighLatch = 0x01,   // A8-A15 (chip-specific bits on top)
    kVoltageLatch = 0x03,       // the voltage byte (BoardVoltages.h)
    kDirectionLatch = 0x05,     // who drives the chip's data pins
    kSpareLatch = 0x06,         // not wired to the socket; the reset clears it
    kSetupLatch = 0x07,         // board setup
    kStatusSelector = 0x08,     // read the status register
    kAddressLowLatch = 0x09,    // A0-A7
    kControlLatch = 0x0B,       // A16-A19 and the chip's control lines
    kDataLatch = 0x0D,          // data byte towards the chip
    kDataLinesSelector = 0x0E,  // read the chip's data lines
    kPowerLatch = 0x0F,         // supply and high-voltage switches
};

inline constexpr std::uint8_t kSelectorBits = 0x0F;
// Control register bits 0 and 1: the board latches the data register into the
// selected latch when they fall back to 0.
inline constexpr std::uint8_t kStrobeLines = 0x03;
// Selector bit 7: write the latch even when the driver's cache holds the byte.
inline constexpr std::uint8_t kForceWrite = 0x80;

// Writing the direction latch clears these latches on the board, writing the
// setup latch those.
inline constexpr std::array<std::uint8_t, 3> kClearedByDirection = {kAddressHighLatch,
                                                                    kAddressLowLatch, kDataLatch};
inline constexpr std::array<std::uint8_t, 3> kClearedBySetup = {kVoltageLatch, kControlLatch,
                                                                kPowerLatch};

// Direction latch.
inline constexpr std::uint8_t kBoardReleasesData = 0x02;  // set: the chip may drive the pins
inline constexpr std::uint8_t kBoardDrivesData = 0x80;    // pattern: latch 13 on the pins
inline constexpr std::uint8_t kChipDrivesData = kBoardDrivesData | kBoardReleasesData;

// Setup latch pattern the modules force before an operation.
inline constexpr std::uint8_t kSetupIdle = 0x80;

// Control latch.
inline constexpr std::uint8_t kHighAddressLines = 0x0F;  // A16-A19
inline constexpr std::uint8_t kChipEnableLine = 0x10;    // EEPROM /CE; multiplexed EPROM ALE/PGM
inline constexpr std::uint8_t kOutputEnableLine = 0x20;  // /OE: 0 enables the outputs
inline constexpr std::uint8_t kHighVoltageGate = 0x40;  // Vpp and Vid reach the pins only while set
inline constexpr std::uint8_t kBiasLine = 0x80;         // undriven data lines read 1 while set

// Power latch: which socket pins the supplies reach.
inline constexpr std::uint8_t kVppToPin1 = 0x01;   // 128-512 KB EEPROM Vpp
inline constexpr std::uint8_t kVppToPin3 = 0x02;   // 32 KB EEPROM Vpp
inline constexpr std::uint8_t kVppToPin24 = 0x04;  // 64 KB EEPROM /OE-Vpp, multiplexed EPROM Vpp
inline constexpr std::uint8_t kVidToIdPin = 0x10;  // A9; the multiplexed EPROM's ID pin
inline constexpr std::uint8_t kVccToPin30 = 0x40;  // 28-pin EEPROMs
inline constexpr std::uint8_t kVccToPin32 = 0x80;  // 32-pin EEPROMs, Microwire, multiplexed EPROM

// A Microwire part's serial lines on the address and control latches.
inline constexpr std::uint8_t kMicrowireClock = 0x01;       // SK, address low latch
inline constexpr std::uint8_t kMicrowireDataIn = 0x40;      // DI, address high latch
inline constexpr std::uint8_t kMicrowireChipSelect = 0x04;  // CS, control latch
inline constexpr std::uint8_t kMicrowireDataOut = 0x01;     // DO among the data lines

[[nodiscard]] constexpr std::uint16_t busWord(std::uint8_t selector, std::uint8_t data) noexcept {
    return static_cast<std::uint16_t>(selector << 8 | data);
}

// The one word a module sends to put the board back to idle.
inline constexpr std::uint16_t kResetWord = busWord(kResetSelector, 0x00);
inline constexpr std::uint16_t kReadDataLinesWord = busWord(kDataLinesSelector, 0x00);

// What the driver writes for the reset word: forced, in this order. The
// voltage byte 0xCF selects the lowest entry of every voltage table.
inline constexpr std::array<std::uint16_t, 4> kResetWords = {
    busWord(kForceWrite | kDirectionLatch, 0x9B), busWord(kForceWrite | kSetupLatch, 0x90),
    busWord(kForceWrite | kVoltageLatch, 0xCF), busWord(kForceWrite | kSpareLatch, 0x00)};

// The board's answer to the drivers' presence test: status bit 3 is set only
// while the control register holds kAnswerPattern; bit 7 is always set and
// bits 4 to 6 never are.
inline constexpr std::uint8_t kAnswerPattern = 0x06;
inline constexpr std::uint8_t kStatusAnswer = 0x08;
inline constexpr std::uint8_t kStatusAlwaysSet = 0x80;

}  // namespace veldrix::board
