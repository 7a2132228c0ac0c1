#pragma once
// Faults of the programmer driver caught inside the call block's callbacks.
// The callbacks note them; the guarded call compares the count before and
// after, so the module call during which one happened can tell.

#include <cstdint>

#include "platform/FaultGuard.h"

namespace veldrix {

struct DriverFaultLog {
    std::uint32_t count = 0;
    platform::FaultKind last = platform::FaultKind::None;

    void note(platform::FaultKind kind) noexcept {
        ++count;
        last = kind;
    }
};

}  // namespace veldrix
