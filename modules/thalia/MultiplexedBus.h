#pragma once
// The board as thalia drives a 20-pin EPROM whose low address byte shares the
// data pins: the low byte goes out on selector 13 and is captured by the
// address strobe, the high byte goes on selector 1, and data moves on the
// same pins (selector 13 out, selector 14 in). Selector 11 carries the
// chip's strobes as whole patterns, selector 15 the programming power.

#include <cstdint>

#include "BoardWord.h"
#include "ModuleHost.h"

namespace veldrix::thalia {

// Selector 11 patterns.
inline constexpr std::uint8_t kStrobesIdle = 0xA0;
inline constexpr std::uint8_t kAddressStrobe = 0xB0;  // low address byte is being placed
inline constexpr std::uint8_t kChipOutputs = 0x80;    // chip drives its data pins
inline constexpr std::uint8_t kProgramSetup = 0xE0;   // around a programming pulse
inline constexpr std::uint8_t kProgramPulse = 0xF0;
inline constexpr std::uint8_t kIdentifierRead = 0xC0;

// Selector 15 patterns.
inline constexpr std::uint8_t kProgramPowerOff = 0x80;
inline constexpr std::uint8_t kProgramPowerOn = 0x84;
inline constexpr std::uint8_t kIdentifierPower = 0x90;

// Only 16 address bits reach the chip: a larger size would wrap around and
// read or program the same cells again with other buffer bytes.
inline constexpr std::uint32_t kAddressSpace = 0x10000;

// Bytes an operation walks: the chip size, never beyond the 16 address bits.
[[nodiscard]] constexpr std::uint32_t chipSpan(const dlldata& block) {
    return block.size < kAddressSpace ? block.size : kAddressSpace;
}

enum class PowerMode { Read, Program, Identifier };

class MultiplexedBus {
public:
    explicit MultiplexedBus(const module::ModuleHost& host) : host_(host) {}

    [[nodiscard]] const module::ModuleHost& host() const { return host_; }

    [[nodiscard]] static constexpr std::uint8_t lowByte(std::uint32_t a) {
        return static_cast<std::uint8_t>(a);
    }
    [[nodiscard]] static constexpr std::uint8_t highByte(std::uint32_t a) {
        return static_cast<std::uint8_t>(a >> 8);
    }

    void strobes(std::uint8_t pattern) const;
    void power(std::uint8_t pattern) const;
    void dataPins(std::uint8_t value) const;
    void highAddress(std::uint8_t value) const;
    [[nodiscard]] std::uint8_t readDataPins() const;

    // Captures the low address byte from the data pins.
    void latchLowAddress(std::uint32_t a) const;
    [[nodiscard]] std::uint8_t readByte(std::uint32_t a) const;

    void powerUp(PowerMode mode) const;
    void powerDown() const;

private:
    const module::ModuleHost& host_;
};

}  // namespace veldrix::thalia
