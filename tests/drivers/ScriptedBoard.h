#pragma once
// A board that answers the presence test as scripted: the status register
// gives one byte per control pattern, the data register echoes (or not) what
// was written.

#include <array>
#include <cstdint>

#include "ParallelRegisters.h"
#include "portio/IPortIo.h"

namespace veldrix::test {

class ScriptedBoard final : public portio::IPortIo {
public:
    // A board that passes every check: status 0x88 under pattern 6, else 0x80.
    ScriptedBoard(std::uint16_t base) : base_(base) {
        status.fill(0x80);
        status[0x06] = 0x88;
    }

    std::array<std::uint8_t, 16> status{};  // by control pattern
    bool echoesData = true;

    std::uint8_t in(std::uint16_t address) override {
        switch (address - base_) {
            case board::kDataRegister:
                return echoesData ? data_ : static_cast<std::uint8_t>(~data_);
            case board::kStatusRegister:
                return status[control_ & 0x0F];
            case board::kControlRegister:
                return control_;
            default:
                return 0xFF;
        }
    }
    void out(std::uint16_t address, std::uint8_t value) override {
        if (address - base_ == board::kDataRegister) {
            data_ = value;
        } else if (address - base_ == board::kControlRegister) {
            control_ = value;
        }
    }

private:
    std::uint16_t base_;
    std::uint8_t data_ = 0;
    std::uint8_t control_ = 0;
};

}  // namespace veldrix::test
