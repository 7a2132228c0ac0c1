#pragma once
// Bit-banged Microwire through the board's latches: the chip's clock (SK) sits
// on bit 0 of selector 9, data in (DI) on bit 6 of selector 1, chip select
// (CS) on bit 2 of selector 11, and data out (DO) is bit 0 of the data lines.
// Every line change is followed by the bit-cell delay.

#include <cstdint>

#include "MicrowireChipRow.h"
#include "ModuleHost.h"

namespace veldrix::urania {

class MicrowireBus {
public:
    // cellDelay is the live key value, read at every line change (µs).
    MicrowireBus(const module::ModuleHost& host, const MicrowireChipRow& chip,
                 const std::uint32_t& cellDelay)
        : host_(host), chip_(chip), cellDelay_(cellDelay) {}

    void clockLine(bool high) const;
    void dataInLine(bool high) const;
    void chipSelect(bool high) const;
    [[nodiscard]] bool sampleDataOut() const;

    void clockBit(bool bit) const;
    void shiftOutByte(std::uint8_t value) const;
    [[nodiscard]] std::uint8_t shiftInByte() const;

    // Command bits only; the caller frames them with chip select.
    void sendRead(std::uint32_t word) const;
    void sendWriteEnable() const;
    void sendErase(std::uint32_t word) const;  // short form only
    void startWrite() const;                   // start bit and opcode; address follows
    void sendAddress(std::uint32_t word) const;
    void sendWriteDisable() const;  // short form only

private:
    void line(std::uint16_t word) const;
    // The low `count` bits of `bits`, most significant first.
    void clockBits(std::uint32_t bits, unsigned count) const;

    const module::ModuleHost& host_;
    const MicrowireChipRow& chip_;
    const std::uint32_t& cellDelay_;
};

}  // namespace veldrix::urania
