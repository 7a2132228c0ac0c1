#pragma once
// Ctrl+A, Ctrl+C and Ctrl+V: Select All, Copy and Paste. They are the
// editor's own, taken before the main window's accelerators see them.

#include "hexedit/HexKeyController.h"

namespace veldrix {

class HexShortcutKeys : public HexKeyController {
public:
    using HexKeyController::HexKeyController;

    // True for the key presses this controller takes.
    [[nodiscard]] static bool claims(const QKeyEvent& event);
    [[nodiscard]] bool handleKey(const QKeyEvent& event) override;
};

}  // namespace veldrix
