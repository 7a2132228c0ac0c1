#pragma once
// The drivers' presence test of the board, as data: what it writes, the
// control patterns it reads the status register under, and which bit of
// init()'s failure mask each of its eight checks owns. The drivers run it;
// the program's board self-test names its checks from the same values.

#include <array>
#include <cstdint>

#include "BoardLatches.h"

namespace veldrix::board {

inline constexpr unsigned kPresenceCheckCount = 8;

// Check 1: the data register reads this back.
inline constexpr std::uint8_t kPresenceDataProbe = 0x88;
// Checks 2 and 3 read the status under kAnswerPattern: bit 7 set and bits 5
// and 4 clear (check 2), bit 6 clear (check 3).
inline constexpr std::uint8_t kAckStatusBit = 0x40;
inline constexpr std::uint8_t kPaperSelectStatusBits = 0x30;
// Checks 4 to 7: under each of these patterns status bit 3 is clear (and
// was set under kAnswerPattern). Check 8: it is clear under all of them
// taken together.
inline constexpr std::array<std::uint8_t, 4> kQuietPatterns = {0x07, 0x04, 0x02, 0x0E};
// The control register once the test is over.
inline constexpr std::uint8_t kPresenceIdleControl = 0x0C;

// init()'s answer: 0, or kInitFailed plus the mask of failed checks.
inline constexpr std::uint32_t kInitFailed = 0x100;

// Check 1 owns bit 7 of the mask, check 8 bit 0.
[[nodiscard]] constexpr std::uint8_t presenceCheckBit(unsigned check) noexcept {
    return static_cast<std::uint8_t>(0x80u >> ((check - 1) & 7u));
}

}  // namespace veldrix::board
