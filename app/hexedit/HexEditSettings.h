#pragma once
// The hex editor's colours and font from the settings records, as the main
// window gives them to both editors at start and after the Settings dialog.

#include <QFont>

#include "core/ProgramSettings.h"
#include "hexedit/CHexEditBase.h"

namespace veldrix {

// Address, hex, ASCII and background colours over the background colour;
// highlight and mark colours with the editor's fixed frame colour; the font.
void applyHexEditSettings(CHexEditBase& editor, const ColorSettings& colors,
                          const FontSettings& font);

// The font a font record describes: face, character height in pixels,
// weight, italic, underline, strike-out. A face that resolves to no
// fixed-pitch font (the default "Terminal" exists on no Linux system) gives
// the system's fixed-pitch font, as the editor draws only those.
[[nodiscard]] QFont hexEditFontFromSettings(const FontSettings& font);

}  // namespace veldrix
