#include "hexedit/HexGeometry.h"

#include <algorithm>

namespace veldrix {

namespace {

// Pixels the caret may reach beyond the client's left and right edges.
constexpr int kCaretOverhang = 2;

}  // namespace

int HexGeometry::columnLeft(int columnX) const noexcept {
    return layout_.clientRect.left() - static_cast<int>(hScroll_) + columnX;
}

int HexGeometry::digitLeft(std::uint32_t column, int digit) const noexcept {
    return columnLeft(layout_.hexX) + (3 * static_cast<int>(column) + digit) * layout_.charWidth;
}

int HexGeometry::rowTop(int viewRow) const noexcept {
    const int top = layout_.clientRect.top() + viewRow * layout_.rowHeight;
    return viewRow > 0 ? top + 2 : top;
}

std::optional<int> HexGeometry::viewRowOf(std::uint32_t index) const noexcept {
    const std::uint64_t row = index / layout_.rowWidth;
    if (row < topRow_ || row >= std::uint64_t{topRow_} + static_cast<unsigned>(layout_.rows)) {
        return std::nullopt;
    }
    return static_cast<int>(row - topRow_) + 1;
}

QRect HexGeometry::caretRect(HexPosition position) const noexcept {
    const auto viewRow = viewRowOf(position.index);
    if (!viewRow) {
        return {};
    }
    const int x = digitLeft(position.index % layout_.rowWidth, position.highDigit ? 0 : 1);
    const int y = layout_.clientRect.top() + 1 + *viewRow * layout_.rowHeight;
    const int height = *viewRow == layout_.rows - 1 ? layout_.lastRowHeight : layout_.rowHeight;
    const QRect& client = layout_.clientRect;
    const int bandLeft = client.left() - kCaretOverhang;
    const int bandRight = client.left() + client.width();
    if (x + layout_.charWidth <= bandLeft || x > bandRight) {
        return {};
    }
    const QRect band(bandLeft, client.top(), client.width() + 2 * kCaretOverhang, client.height());
    return QRect(x, y, layout_.charWidth, height - 1).intersected(band);
}

HexPosition HexGeometry::hitTest(QPoint point, bool multiLine,
                                 std::uint32_t length) const noexcept {
    if (length == 0) {
        return {};
    }
    const int cw = layout_.charWidth;
    const int rh = layout_.rowHeight;
    int x = point.x() + static_cast<int>(hScroll_) + cw / 2;
    if (multiLine) {
        x -= kMultiLineMargin;
    }
    int y = point.y() - layout_.clientRect.top();
    y = std::clamp(y, rh, std::max(rh, layout_.rows * rh));
    x = std::clamp(x, layout_.hexX, layout_.hexX + layout_.hexWidth - kColumnGap);

    const int k = (x - layout_.hexX) / cw;
    const std::uint64_t row = static_cast<std::uint64_t>(y / rh - 1) + topRow_;
    const std::uint64_t index = row * layout_.rowWidth + static_cast<std::uint64_t>(k / 3);
    if (index >= length) {
        return HexPosition{length - 1, false};
    }
    return HexPosition{static_cast<std::uint32_t>(index), k % 3 == 0};
}

std::optional<std::uint32_t> HexGeometry::topRowShowing(std::uint32_t first,
                                                        std::uint32_t last) const noexcept {
    // Byte offsets of the fully visible data rows: [top, bottom). The header
    // takes one of the full rows; at least one data row counts as visible.
    const std::int64_t rowWidth = layout_.rowWidth;
    const std::int64_t top = std::int64_t{topRow_} * rowWidth;
    const std::int64_t visible = std::max(layout_.fullRows - 1, 1) * rowWidth;
    const std::int64_t bottom = top + visible;
    const std::int64_t lo = first;
    const std::int64_t hi = last;
    const auto rowOf = [rowWidth](std::int64_t offset) {
        return static_cast<std::uint32_t>(std::max<std::int64_t>(offset, 0) / rowWidth);
    };
    const std::uint32_t lastAtBottom = rowOf(hi - visible + rowWidth);

    if (lo <= top && hi >= bottom - 1) {
        return std::nullopt;
    }
    if (hi - lo + 1 > visible) {
        if (top < lo) {
            return rowOf(lo);
        }
        if (bottom - 1 > hi) {
            return lastAtBottom;
        }
        return std::nullopt;
    }
    if (top > lo) {
        return rowOf(lo);
    }
    if (hi >= bottom) {
        return lastAtBottom;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> HexGeometry::hScrollShowing(std::uint32_t first,
                                                         std::uint32_t last) const noexcept {
    const int cw = layout_.charWidth;
    int x1 = digitLeft(first % layout_.rowWidth, 0);
    int x2 = digitLeft(last % layout_.rowWidth, 0) + 2 * cw;
    if (x1 > x2) {
        std::swap(x1, x2);
    }
    const int left = layout_.clientRect.left();
    const int right = left + layout_.clientRect.width();
    const int scroll = static_cast<int>(hScroll_);
    if (x1 < left) {
        return static_cast<std::uint32_t>(std::max(0, scroll - (left - x1)));
    }
    if (x2 >= right) {
        return static_cast<std::uint32_t>(scroll + x2 - right);
    }
    return std::nullopt;
}

}  // namespace veldrix
