#pragma once
// What one guarded call into a chip module came to, as a value: front ends
// and the operations decide from it, never from the messages the call showed.

#include <cstdint>

#include "platform/FaultGuard.h"

namespace veldrix {

enum class CallState {
    Ran,      // the module's entry returned; `result` is its answer
    Faulted,  // a processor fault or an exception ended the module's entry
    Refused,  // nothing was called: no entry is bound, or another call is running
};

struct CallOutcome {
    CallState state = CallState::Refused;
    std::int32_t result = 0;  // the module's result; 0 unless it ran
    // What ended a faulted call.
    platform::FaultKind fault = platform::FaultKind::None;
    // A fault of the programmer driver caught inside a callback during the
    // call (its voltage function): the module ran on, but on a board whose
    // state nobody knows.
    platform::FaultKind driverFault = platform::FaultKind::None;
    // The user asked to cancel during the call: the module may have stopped
    // early, whatever it answered.
    bool cancelled = false;

    [[nodiscard]] bool ran() const noexcept { return state == CallState::Ran; }
    [[nodiscard]] bool faulted() const noexcept { return state == CallState::Faulted; }
    [[nodiscard]] bool refused() const noexcept { return state == CallState::Refused; }
    [[nodiscard]] bool driverFaulted() const noexcept {
        return driverFault != platform::FaultKind::None;
    }
};

}  // namespace veldrix
