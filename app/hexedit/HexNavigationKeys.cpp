#include "hexedit/HexNavigationKeys.h"

#include <QKeyEvent>
#include <algorithm>

#include "hexedit/CHexEditBase.h"

namespace veldrix {

namespace {

// Larger than any data length: Home and End clamp at the ends.
constexpr std::int64_t kToEnd = std::int64_t{1} << 32;

}  // namespace

std::optional<HexNavigationKeys::Step> HexNavigationKeys::stepFor(int key) const {
    const bool high = editor_.isHighDigit();
    const std::int64_t rowWidth = editor_.hexLayout().rowWidth;
    // A page is the rows in view less one; a window too small for that
    // still pages by one row.
    const std::int64_t page = rowWidth * std::max(editor_.hexLayout().rows - 1, 1);
    switch (key) {
        case Qt::Key_Left:
            return high ? Step{-1, false} : Step{0, true};
        case Qt::Key_Right:
            return high ? Step{0, false} : Step{1, true};
        case Qt::Key_Up:
            return Step{-rowWidth, high};
        case Qt::Key_Down:
            return Step{rowWidth, high};
        case Qt::Key_PageUp:
            return Step{-page, high};
        case Qt::Key_PageDown:
            return Step{page, high};
        case Qt::Key_Home:
            return Step{-kToEnd, true};
        case Qt::Key_End:
            return Step{kToEnd, false};
        default:
            return std::nullopt;
    }
}

bool HexNavigationKeys::handleKey(const QKeyEvent& event) {
    const auto step = stepFor(event.key());
    if (!step) {
        return false;
    }
    const bool shift = (event.modifiers() & Qt::ShiftModifier) != 0;
    if (shift && editor_.anchor() == kNoIndex) {
        editor_.SetAnchor(editor_.caret());
    }
    editor_.MoveCaret(step->delta, step->highDigit, shift);
    return true;
}

}  // namespace veldrix
