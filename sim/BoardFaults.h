#pragma once
// Faults of the board and its cable as the PC's port sees them: the board
// gone from the port, and status lines held at a level.

#include <cstdint>

namespace veldrix::sim {

struct BoardFaults {
    // Nothing hangs on the port: it answers as an empty port does, and no
    // latch takes what the PC writes.
    bool absent = false;
    // Status register bits held at the levels of statusLevels.
    std::uint8_t statusMask = 0;
    std::uint8_t statusLevels = 0;

    void holdStatusLine(unsigned bit, bool level) noexcept {
        const auto line = static_cast<std::uint8_t>(1u << (bit & 7u));
        statusMask = static_cast<std::uint8_t>(statusMask | line);
        statusLevels =
            static_cast<std::uint8_t>(level ? statusLevels | line : statusLevels & ~line);
    }
    [[nodiscard]] std::uint8_t status(std::uint8_t lines) const noexcept {
        return static_cast<std::uint8_t>((lines & ~statusMask) | statusLevels);
    }
};

}  // namespace veldrix::sim
