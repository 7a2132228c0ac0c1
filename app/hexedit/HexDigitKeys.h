#pragma once
// Typing: a hex digit overwrites the caret's digit and moves on; every other
// character is ignored.

#include <optional>

#include "hexedit/HexKeyController.h"

class QString;

namespace veldrix {

class HexDigitKeys : public HexKeyController {
public:
    using HexKeyController::HexKeyController;

    // 0..15 for "0" to "9", "a" to "f" (either case); nothing otherwise.
    [[nodiscard]] static std::optional<int> digitValue(const QString& text);
    [[nodiscard]] bool handleKey(const QKeyEvent& event) override;
};

}  // namespace veldrix
