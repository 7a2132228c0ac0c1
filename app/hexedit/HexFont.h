#pragma once
// The hex editor draws every cell on a grid of whole-pixel character widths,
// so it takes only fixed-pitch fonts.

#include <QFont>
#include <optional>

namespace veldrix {

// The editor's own font made from `offered`: nothing when the offered font is
// not fixed-pitch. Its character advance is evened out to whole pixels, so a
// row drawn with one text call lines up with the cell grid.
[[nodiscard]] std::optional<QFont> hexEditFont(const QFont& offered);

// The system's fixed-pitch font, prepared as above.
[[nodiscard]] QFont systemHexEditFont();

}  // namespace veldrix
