#pragma once
// The Microwire serial EEPROMs urania handles, all in 16-bit organisation.

#include <array>
#include <cstdint>

namespace veldrix::urania {

struct MicrowireChipRow {
    std::uint32_t size;        // bytes; two per 16-bit word
    std::uint8_t addressBits;  // address bits sent with READ, WRITE and ERASE
    std::uint8_t enableBits;   // width of the EWEN address field (1 1 0 ... 0)
    // The 16-word part: a dummy 0 before the start bit, ERASE before WRITE,
    // EWDS afterwards, and the clock held high between data bits.
    bool shortForm;

    [[nodiscard]] constexpr std::uint32_t words() const { return size / 2; }
};

// Rows are chosen by size, first match wins.
inline constexpr std::array<MicrowireChipRow, 6> kMicrowireChips{{
    {32, 4, 6, true},
    {128, 6, 6, false},
    {256, 8, 8, false},
    {512, 8, 8, false},
    {1024, 10, 10, false},
    {2048, 10, 10, false},
}};

}  // namespace veldrix::urania
