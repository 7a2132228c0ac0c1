#pragma once
// The board as thalia drives a 20-pin EPROM whose low address byte shares the
// data pins: the low byte goes out on selector 13 and is captured by the
// address strobe, the high byte goes on selector 1, and data moves on the
// same pins (selector 13 out, selector 14 in). Selector 11 carries the
// chip's strobes as whole patterns, selector 15 the programming power.

#include <cstdint>

#include "BoardLatches.h"
#include "BoardWord.h"
#include "ModuleHost.h"

namespace veldrix::thalia {

// Control latch patterns. The chip's ALE/PGM pin sits on the line that is an
// EEPROM's /CE, its /OE on /OE; the bias line keeps undriven pins high.
inline constexpr std::uint8_t kChipOutputs = board::kBiasLine;  // chip drives its data pins
inline constexpr std::uint8_t kStrobesIdle = kChipOutputs | board::kOutputEnableLine;
inline constexpr std::uint8_t kAddressStrobe =  // low address byte is being placed
    kStrobesIdle | board::kChipEnableLine;
inline constexpr std::uint8_t kIdentifierRead = kChipOutputs | board::kHighVoltageGate;
inline constexpr std::uint8_t kProgramSetup =  // around a programming pulse
    kStrobesIdle | board::kHighVoltageGate;
inline constexpr std::uint8_t kProgramPulse = kProgramSetup | board::kChipEnableLine;

// Power latch patterns.
inline constexpr std::uint8_t kProgramPowerOff = board::kVccToPin32;
inline constexpr std::uint8_t kProgramPowerOn = kProgramPowerOff | board::kVppToPin24;
inline constexpr std::uint8_t kIdentifierPower = kProgramPowerOff | board::kVidToIdPin;

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
