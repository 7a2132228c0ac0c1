#pragma once
// Follows the programming or erase pulse on a chip's lines: when it starts,
// what address and data it started on, and how long it lasted.

#include <cstdint>
#include <optional>

#include "AccessTime.h"

namespace veldrix::sim {

enum class PulseKind { None, Program, Erase };

class PulseTracker {
public:
    struct Pulse {
        PulseKind kind = PulseKind::None;
        std::uint32_t address = 0;
        std::uint8_t data = 0;
        std::uint64_t nanoseconds = 0;  // length, when finished
    };

    // The lines now call for `kind`; returns the pulse that this ends. The
    // time is read only at an edge.
    [[nodiscard]] std::optional<Pulse> update(PulseKind kind, const AccessTime& now,
                                              std::uint32_t address, std::uint8_t data) noexcept {
        if (kind == current_.kind) {
            return std::nullopt;
        }
        std::optional<Pulse> finished;
        if (current_.kind != PulseKind::None) {
            finished = current_;
            finished->nanoseconds = now.nanoseconds() - start_;
        }
        current_ = Pulse{kind, address, data, 0};
        start_ = now.nanoseconds();
        return finished;
    }

private:
    Pulse current_;
    std::uint64_t start_ = 0;
};

}  // namespace veldrix::sim
