#pragma once
// Caret movement: arrows, Page Up/Down, Home, End. With Shift held the
// selection runs from where the first Shift movement started.

#include <cstdint>
#include <optional>

#include "hexedit/HexKeyController.h"

namespace veldrix {

class HexNavigationKeys : public HexKeyController {
public:
    using HexKeyController::HexKeyController;

    [[nodiscard]] bool handleKey(const QKeyEvent& event) override;

private:
    struct Step {
        std::int64_t delta;  // bytes
        bool highDigit;
    };
    // The caret step of `key`, or nothing for a key that does not move it.
    [[nodiscard]] std::optional<Step> stepFor(int key) const;
};

}  // namespace veldrix
