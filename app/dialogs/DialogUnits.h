#pragma once
// Dialog units: a quarter of the dialog font's average character width
// horizontally and an eighth of its height vertically, so a dialog laid out
// in them grows with its font.

#include <QFont>
#include <QRect>
#include <QSize>

#include "core/DialogRect.h"

namespace veldrix {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // Pixels per 4 horizontal and per 8 vertical dialog units.
    [[nodiscard]] int baseX() const noexcept { return baseX_; }
    [[nodiscard]] int baseY() const noexcept { return baseY_; }

    // Each edge is converted and rounded on its own, as the classic mapping
    // does, so adjacent rectangles stay adjacent.
    [[nodiscard]] QRect toPixels(const DialogRect& rect) const noexcept;
    [[nodiscard]] QSize toPixels(int width, int height) const noexcept;
    [[nodiscard]] int x(int units) const noexcept;
    [[nodiscard]] int y(int units) const noexcept;

private:
    int baseX_;
    int baseY_;
};

}  // namespace veldrix
