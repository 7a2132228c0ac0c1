#pragma once
// The eight presence checks of a parallel-port board's driver, read out of
// its init() answer one by one and named for the user.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "PresenceChecks.h"

namespace veldrix {

enum class CheckState {
    Passed,
    Failed,
    Unknown,  // the driver did not say (its init faulted, or it gave no mask)
};

struct PresenceCheck {
    unsigned number = 0;  // 1 to 8, as the board's documentation counts them
    std::string name;     // "data register loop-back (0x88)"
    CheckState state = CheckState::Unknown;
};

using PresenceChecks = std::array<PresenceCheck, board::kPresenceCheckCount>;

// Every check from init()'s answer: 0 passes all; otherwise the low byte is
// the mask of failed checks. An answer that says the test failed but sets no
// mask bit (a driver that keeps the mask to itself) leaves every check
// Unknown, and so does no answer at all (init faulted).
[[nodiscard]] PresenceChecks presenceChecks(std::optional<std::uint32_t> initAnswer);

// "data register loop-back (0x88)", "status bit 3 set with 0x06, clear with
// 0x07", ... for check 1 to 8.
[[nodiscard]] std::string presenceCheckName(unsigned number);

}  // namespace veldrix
