#include "hexedit/HexLayout.h"

#include <algorithm>

namespace veldrix {

namespace {

QRect clientRectOf(const QRect& window, bool multiLine) {
    if (!multiLine) {
        return window;
    }
    const int left = window.left() + kMultiLineMargin;
    const int top = window.top() + kMultiLineMargin;
    return QRect(left, top, std::max(0, window.width() - 2 * kMultiLineMargin),
                 std::max(0, window.height() - 2 * kMultiLineMargin));
}

// Bytes per row that fit `width` pixels: each byte takes `unit` pixels, and a
// last byte counts when `lastNeeds` pixels of it are there.
std::uint32_t bytesFitting(int width, int unit, int lastNeeds) {
    if (width < 0) {
        return 1;
    }
    const int whole = width / unit;
    return static_cast<std::uint32_t>(whole + (width % unit >= lastNeeds ? 1 : 0));
}

std::uint32_t rowWidthOf(const HexLayoutInput& in, int cw, int clientWidth, int addressWidth) {
    std::uint32_t rowWidth = in.bytesPerRow;
    if (!in.multiLine) {
        rowWidth = in.length;
    } else if (in.autoRowWidth) {
        int w = clientWidth - addressWidth;
        if (in.showAscii) {
            // Each byte takes three hex cells and one ASCII cell.
            w -= kColumnGap;
            rowWidth = bytesFitting(w, 4 * cw, 3 * cw);
        } else {
            rowWidth = bytesFitting(w, 3 * cw, 2 * cw);
        }
    }
    return std::clamp<std::uint32_t>(rowWidth, 1, kMaxRowWidth);
}

}  // namespace

HexLayout calculateHexLayout(const HexLayoutInput& in) {
    HexLayout out;
    out.charWidth = std::max(1, in.charWidth);
    out.rowHeight = std::max(1, in.rowHeight);
    out.clientRect = clientRectOf(in.windowRect, in.multiLine);

    const int h = out.clientRect.height();
    out.fullRows = h / out.rowHeight;
    out.rows = out.fullRows;
    out.lastRowHeight = out.rowHeight;
    if (h % out.rowHeight != 0) {
        out.rows += 1;
        out.lastRowHeight = h % out.rowHeight;
    }

    const int cw = out.charWidth;
    out.addressX = 0;
    out.addressWidth = in.showAddress ? cw * static_cast<int>(in.addressDigits) + kColumnGap : 0;
    out.rowWidth = rowWidthOf(in, cw, out.clientRect.width(), out.addressWidth);
    const int rowWidth = static_cast<int>(out.rowWidth);

    out.hexX = out.addressX + out.addressWidth;
    out.hexWidth = (3 * rowWidth - 1) * cw + kColumnGap;
    if (in.showAscii) {
        out.asciiX = out.hexX + out.hexWidth;
        out.asciiWidth = rowWidth * cw;
        out.totalWidth = out.asciiX + out.asciiWidth;
    } else {
        out.totalWidth = out.hexX + out.hexWidth;
    }

    // The header row counts as a row.
    const std::uint64_t dataRows = (std::uint64_t{in.length} + out.rowWidth - 1) / out.rowWidth + 1;
    const auto fullRows = static_cast<std::uint64_t>(out.fullRows);
    out.maxTopRow = fullRows < dataRows ? static_cast<std::uint32_t>(dataRows - fullRows) : 0;
    const int overhang = out.totalWidth - out.clientRect.width();
    out.maxHScroll = overhang > 0 ? static_cast<std::uint32_t>(overhang) : 0;
    return out;
}

}  // namespace veldrix
