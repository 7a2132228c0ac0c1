#pragma once
// The board clock's reading for one register access, taken the first time
// something asks for it: most accesses need no time at all, and every one
// that does within the access sees the same instant.

#include <cstdint>

#include "SimClock.h"

namespace veldrix::sim {

class AccessTime {
public:
    explicit AccessTime(const SimClock& clock) noexcept : clock_(clock) {}
    AccessTime(const AccessTime&) = delete;
    AccessTime& operator=(const AccessTime&) = delete;

    // Nanoseconds of the board clock.
    [[nodiscard]] std::uint64_t nanoseconds() const noexcept {
        if (!read_) {
            now_ = clock_.nowNanoseconds();
            read_ = true;
        }
        return now_;
    }

private:
    const SimClock& clock_;
    mutable std::uint64_t now_ = 0;
    mutable bool read_ = false;
};

}  // namespace veldrix::sim
