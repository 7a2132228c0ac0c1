#pragma once
// How the main window's hex editors look: the fixed presentation (six
// address digits, address and character columns, 16 bytes a row) and the
// user's colours and font from the settings.

#include <QFont>

#include "core/ProgramSettings.h"

namespace veldrix {

class CHexEditBase;

// The presentation every editor of the main window has.
void configureEditor(CHexEditBase& editor);

// The colours and, when it is a fixed-pitch font, the font of the settings.
void applyEditorSettings(CHexEditBase& editor, const ColorSettings& colors,
                         const FontSettings& font);

// The font a stored logical-font record describes. Sizes that no screen font
// has (a damaged store) are brought into a readable range.
[[nodiscard]] QFont fontFromSettings(const FontSettings& font);

}  // namespace veldrix
