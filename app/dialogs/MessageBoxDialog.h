#pragma once
// The program's message box, built on CDynDialogEx from MessageBoxModel: the
// text in a read-only edit the user can select and copy from, a centred row
// of the style's buttons with captions in the user's language.

#include <QWidget>
#include <cstdint>
#include <string>

#include "core/ProgramSettings.h"

namespace veldrix {

// The window a box opens over: the modal window on top (the progress window
// during an operation, so the box stacks above it), else `fallback` (the main
// window; null before it exists).
[[nodiscard]] QWidget* messageBoxParent(QWidget* fallback);

// Shows the box modally over `parent` and returns the identifier (DD_ID*) of
// the button that closed it; DD_IDCANCEL when Esc or the close box did,
// which also closes a style without buttons. The window that was active
// before is made active again.
std::uint32_t showMessageBox(std::uint32_t style, const std::string& text, Language language,
                             QWidget* parent);

}  // namespace veldrix
