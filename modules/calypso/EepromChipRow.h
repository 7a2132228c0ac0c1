#pragma once
// The byte-wide electrically erasable EPROMs calypso handles, with the latch
// patterns that adapt the board to each pin-out.

#include <array>
#include <cstdint>

namespace veldrix::calypso {

struct EepromChipRow {
    std::uint32_t size;  // bytes
    std::uint8_t pins;
    std::uint8_t readHigh;      // R5: OR-ed into selector 1 while reading
    std::uint8_t readControl;   // R6: OR-ed into selector 11 while reading
    std::uint8_t power;         // R7: selector 15; bits 5..7 only, except programming/erase
    std::uint8_t programHigh;   // R8: OR-ed into selector 1 around the pulse
    std::uint8_t pulseHigh;     // R9: OR-ed into selector 1 during the pulse
    std::uint8_t programIdle;   // R10: selector 11 while programming
    std::uint8_t programPulse;  // R11: selector 11 during the pulse
    std::uint8_t eraseControl;  // R12: selector 11 during erase

    // Address bits 16..19 as they sit in the low nibble of selector 11.
    [[nodiscard]] constexpr std::uint8_t topAddressMask() const {
        return static_cast<std::uint8_t>(((size - 1) >> 16) & 0x0F);
    }
    // Address bits 8..15 on selector 1.
    [[nodiscard]] constexpr std::uint8_t highAddressMask() const {
        return static_cast<std::uint8_t>(((size - 1) >> 8) & 0xFF);
    }
};

// Rows are chosen by size, first match wins.
inline constexpr std::array<EepromChipRow, 5> kEepromChips{{
    {32768, 28, 0x80, 0x80, 0x42, 0x80, 0x80, 0x30, 0x20, 0xA0},
    {65536, 28, 0x00, 0x80, 0x44, 0x00, 0x00, 0x30, 0x20, 0x20},
    {131072, 32, 0x00, 0x8E, 0x81, 0x00, 0x00, 0x26, 0x22, 0x26},
    {262144, 32, 0x00, 0x8C, 0x81, 0x00, 0x00, 0x24, 0x20, 0x24},
    {524288, 32, 0x00, 0x88, 0x81, 0x00, 0x00, 0x30, 0x20, 0x20},
}};

}  // namespace veldrix::calypso
