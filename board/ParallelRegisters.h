#pragma once
// Register offsets of a PC parallel port, relative to its base address, and
// the control register's bits.

#include <cstdint>

namespace veldrix::board {

inline constexpr std::uint16_t kDataRegister = 0;            // data lines D0-D7
inline constexpr std::uint16_t kStatusRegister = 1;          // input lines, read only
inline constexpr std::uint16_t kControlRegister = 2;         // strobe lines, bit 5 data direction
inline constexpr std::uint16_t kEcpControlRegister = 0x402;  // extended control register (ECP)
// Offset just past the holtan board's highest register (base+3).
inline constexpr std::uint16_t kRegisterSpan = 4;

// Control bit 5: the data lines become inputs, so reading the data register
// returns what the attached board drives onto them.
inline constexpr std::uint8_t kControlDataInput = 0x20;
// Control bits that the port's own strobe logic drives (bits 0 to 3).
inline constexpr std::uint8_t kControlLines = 0x0F;

}  // namespace veldrix::board
