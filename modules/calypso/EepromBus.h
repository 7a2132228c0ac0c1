#pragma once
// The board as calypso drives it: address bits 0..7 on selector 9, 8..15 on
// selector 1, 16..19 with the control lines on selector 11, data towards the
// chip on selector 13, power and programming lines on selector 15.

#include <cstdint>

#include "BoardWord.h"
#include "EepromChipRow.h"
#include "ModuleHost.h"

namespace veldrix::calypso {

// Which supplies an operation's power-up applies.
enum class PowerMode { Read, Write, Erase };

// Fixed identification-and-erase voltage, tenths of a volt.
inline constexpr std::uint32_t kHighVoltage = 140;

// The bits of a row's power pattern that stay on outside programming and
// erase.
inline constexpr std::uint8_t kPowerIdleMask = 0xE0;
// Lines settle this long around a pulse, µs.
inline constexpr std::uint32_t kLineSettleMicroseconds = 10;

class EepromBus {
public:
    EepromBus(const module::ModuleHost& host, const EepromChipRow& chip)
        : host_(host), chip_(chip) {}

    [[nodiscard]] const module::ModuleHost& host() const { return host_; }
    [[nodiscard]] const EepromChipRow& chip() const { return chip_; }

    // The three address words of address a (the top word carries only bits
    // 16..19; callers OR their control pattern in).
    [[nodiscard]] static constexpr std::uint16_t low(std::uint32_t a) {
        return board::busWord(board::kAddressLowLatch, static_cast<std::uint8_t>(a));
    }
    [[nodiscard]] static constexpr std::uint16_t high(std::uint32_t a) {
        return board::busWord(board::kAddressHighLatch, static_cast<std::uint8_t>(a >> 8));
    }
    [[nodiscard]] static constexpr std::uint16_t top(std::uint32_t a) {
        return board::busWord(board::kControlLatch, static_cast<std::uint8_t>((a >> 16) & 0x0F));
    }

    [[nodiscard]] std::uint8_t readByte(std::uint32_t address) const;
    // vccWhileWriting is the Vccp key's value, used only in Write mode.
    void powerUp(PowerMode mode, std::uint32_t vccWhileWriting = 0) const;
    // Driver reset, then the progress display closed.
    void powerDown() const;

private:
    const module::ModuleHost& host_;
    const EepromChipRow& chip_;
};

}  // namespace veldrix::calypso
