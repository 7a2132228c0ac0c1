#pragma once
// calypso's Write: pulse-and-verify programming of every buffer byte, with an
// optional overprogramming pulse.

#include <cstdint>

#include "EepromBus.h"

namespace veldrix::calypso {

class EepromProgrammer {
public:
    EepromProgrammer(const EepromBus& bus, const CfgKey* keys) : bus_(bus), keys_(keys) {}

    [[nodiscard]] std::int32_t write() const;

private:
    // 0 when byte d sits at address a; kVerifyFailed with errdata set when it
    // cannot be programmed. Leaves the power-down to write().
    [[nodiscard]] std::int32_t programByte(std::uint32_t a, std::uint8_t d) const;
    // Data and address on the pins, programming lines armed.
    void armPulse(std::uint32_t a, std::uint8_t d) const;
    void programmingPulse(std::uint32_t a, std::uint8_t d) const;
    void overprogrammingPulse(std::uint32_t a, std::uint8_t d) const;
    [[nodiscard]] std::uint8_t readBack(std::uint32_t a) const;

    [[nodiscard]] std::uint32_t key(int index) const { return keys_[index].value; }

    const EepromBus& bus_;
    const CfgKey* keys_;
};

}  // namespace veldrix::calypso
