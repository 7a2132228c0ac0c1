#pragma once
// thalia's operations under programming voltages: Write (one pulse per byte),
// the two-command Erase, and Read ID.

#include <cstdint>

#include "MultiplexedBus.h"

namespace veldrix::thalia {

class MultiplexedProgrammer {
public:
    MultiplexedProgrammer(const MultiplexedBus& bus, const CfgKey* keys) : bus_(bus), keys_(keys) {}

    [[nodiscard]] std::int32_t write() const;
    // Not verified: the user runs Blank check afterwards.
    [[nodiscard]] std::int32_t erase() const;
    // Identifier at high address byte 0 in bits 0..7, at byte 1 in bits 16..23.
    [[nodiscard]] std::int32_t readId() const;

private:
    // Address, then data under one programming pulse of `microseconds`.
    void pulseByte(std::uint32_t a, std::uint8_t d, std::uint32_t microseconds) const;
    [[nodiscard]] std::uint8_t readBack(std::uint32_t a) const;
    [[nodiscard]] std::uint8_t readIdentifier(std::uint8_t highAddress) const;
    [[nodiscard]] std::uint32_t key(int index) const { return keys_[index].value; }

    const MultiplexedBus& bus_;
    const CfgKey* keys_;
};

}  // namespace veldrix::thalia
