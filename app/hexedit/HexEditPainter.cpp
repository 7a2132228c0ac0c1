#include "hexedit/HexEditPainter.h"

#include <QPainter>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <span>

#include "hexedit/HexRowText.h"

namespace veldrix {

namespace {

// The selection reaches this far beyond the client's left and right edges.
constexpr int kClipOverhang = 2;
// The highlight outline lies this far outside a cell's digits.
constexpr int kHighlightMargin = 2;

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HexEditPainter::HexEditPainter(QPainter& painter, const HexPaintState& state)
    : painter_(painter),
      state_(state),
      layout_(*state.layout),
      colors_(*state.colors),
      geometry_(*state.layout, state.topRow, state.hScroll) {}

void HexEditPainter::paint(const QRect& windowRect) {
    painter_.fillRect(windowRect, toQColor(colors_.windowBackground));
    const QRect& client = layout_.clientRect;
    painter_.setClipRect(QRect(client.left() - kClipOverhang, client.top(),
                               client.width() + 2 * kClipOverhang, client.height()));
    if (state_.data != nullptr && state_.length > 0) {
        if (state_.showAddress) {
            paintAddressColumn();
        }
        paintHexColumn();
        if (state_.showAscii) {
            paintAsciiColumn();
        }
    }
    paintCaret();
}

HexEditPainter::Row HexEditPainter::dataRow(int index) const {
    const std::uint64_t first =
        (std::uint64_t{state_.topRow} + static_cast<unsigned>(index)) * layout_.rowWidth;
    if (first >= state_.length) {
        return Row{geometry_.rowTop(index + 1), 0, 0};
    }
    const auto count = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(layout_.rowWidth, state_.length - first));
    return Row{geometry_.rowTop(index + 1), static_cast<std::uint32_t>(first), count};
}

QRect HexEditPainter::band(int columnX, int width) const {
    return QRect(geometry_.columnLeft(columnX), layout_.clientRect.top(), std::max(0, width),
                 layout_.clientRect.height());
}

void HexEditPainter::drawText(int x, int top, const QString& text, const QColor& color) {
    painter_.setPen(color);
    painter_.drawText(QPoint(x, top + state_.ascent), text);
}

void HexEditPainter::drawOpaqueText(int x, int top, const QString& text, const QColor& color,
                                    const QColor& background) {
    painter_.fillRect(
        QRect(x, top, static_cast<int>(text.size()) * layout_.charWidth, layout_.rowHeight),
        background);
    drawText(x, top, text, color);
}

void HexEditPainter::paintAddressColumn() {
    const QRect area = band(layout_.addressX, layout_.addressWidth - kColumnGap);
    painter_.fillRect(area, toQColor(colors_.addressBackground));
    AddressBuffer buffer;
    drawOpaqueText(
        area.left(), area.top(),
        latin1(formatAddress(state_.caret + state_.addressOffset, state_.addressDigits, buffer)),
        toQColor(colors_.caretAddressText), toQColor(colors_.addressBackground));
    const QColor text = toQColor(colors_.addressText);
    for (int i = 0; i < layout_.rows; ++i) {
        const Row row = dataRow(i);
        if (row.count == 0) {
            break;
        }
        drawText(
            area.left(), row.top,
            latin1(formatAddress(row.first + state_.addressOffset, state_.addressDigits, buffer)),
            text);
    }
}

void HexEditPainter::paintHexColumn() {
    const QRect area = band(layout_.hexX, layout_.hexWidth - kColumnGap);
    painter_.fillRect(area, toQColor(colors_.hexBackground));
    HexRowBuffer header;
    drawOpaqueText(area.left(), area.top(), latin1(formatHexHeader(layout_.rowWidth, header)),
                   toQColor(colors_.addressText), toQColor(colors_.addressBackground));
    if (state_.highlight.isSet()) {
        paintHighlightOutline(true);
    }
    for (int i = 0; i < layout_.rows; ++i) {
        const Row row = dataRow(i);
        if (row.count == 0) {
            break;
        }
        paintHexRow(row);
    }
    if (state_.highlight.isSet()) {
        paintHighlightOutline(false);
    }
}

bool HexEditPainter::columnsIn(const ByteRange& range, const Row& row, std::uint32_t& from,
                               std::uint32_t& to) const {
    if (!range.isSet() || range.end < row.first || range.start >= row.first + row.count) {
        return false;
    }
    from = std::max(range.start, row.first) - row.first;
    to = std::min(range.end, row.first + row.count - 1) - row.first;
    return true;
}

void HexEditPainter::paintHexRow(const Row& row) {
    HexRowBuffer buffer;
    const QString text =
        latin1(formatHexRow(std::span(state_.data + row.first, row.count), buffer));
    const int left = geometry_.digitLeft(0, 0);
    drawText(left, row.top, text, toQColor(colors_.hexText));

    std::uint32_t from = 0;
    std::uint32_t to = 0;
    if (columnsIn(state_.highlight, row, from, to)) {
        drawOpaqueText(geometry_.digitLeft(from, 0), row.top,
                       text.mid(3 * from, 3 * (to - from) + 2), toQColor(colors_.highlightText),
                       toQColor(colors_.highlightBackground));
    }
    if ((state_.focused || state_.multiLine) && columnsIn(state_.selection, row, from, to)) {
        const Colorref background = state_.focused ? colors_.focusedSelectionBackground
                                                   : colors_.unfocusedSelectionBackground;
        const Colorref foreground =
            state_.focused ? colors_.focusedSelectionText : colors_.unfocusedSelectionText;
        const int x1 = geometry_.digitLeft(from, 0);
        const int x2 = geometry_.digitLeft(to, 2);
        // One pixel above the text (where the caret starts) and one past the
        // last digit, so the fill covers the caret's cell.
        painter_.fillRect(QRect(x1, row.top - 1, x2 - x1 + 1, layout_.rowHeight),
                          toQColor(background));
        drawText(x1, row.top, text.mid(3 * from, 3 * (to - from) + 2), toQColor(foreground));
    }
    // The mark background is kept but not painted: marked digits are drawn
    // over whatever lies beneath.
    const QColor markText = toQColor(colors_.markText);
    for (std::uint32_t c = 0; c < row.count; ++c) {
        if (state_.marks->isMarked(row.first + c)) {
            drawText(geometry_.digitLeft(c, 0), row.top, text.mid(3 * c, 2), markText);
        }
    }
}

void HexEditPainter::paintHighlightOutline(bool filled) {
    const std::uint32_t rowWidth = layout_.rowWidth;
    const std::uint64_t firstRow = state_.topRow;
    // One row past the view is enough: the rest is clipped anyway.
    const std::uint64_t lastRow = firstRow + static_cast<unsigned>(layout_.rows);
    const std::uint64_t startRow = state_.highlight.start / rowWidth;
    const std::uint64_t endRow = state_.highlight.end / rowWidth;
    if (endRow < firstRow || startRow > lastRow) {
        return;
    }
    const int rh = layout_.rowHeight;
    auto left = [&](std::uint32_t column) {
        return geometry_.digitLeft(column, 0) - kHighlightMargin;
    };
    auto right = [&](std::uint32_t column) {
        return geometry_.digitLeft(column, 2) + kHighlightMargin;
    };
    auto topOf = [&](std::uint64_t row) {
        return geometry_.rowTop(static_cast<int>(row - firstRow) + 1);
    };
    // The outline stays inside the rows it encloses: a row spans
    // [top, top + row height - 1].
    auto bottomOf = [&](std::uint64_t row) { return topOf(row) + rh - 1; };

    // A range that starts above the view begins at the band's top left.
    const bool startsAbove = startRow < firstRow;
    const int startCol = startsAbove ? 0 : static_cast<int>(state_.highlight.start % rowWidth);
    const int startTop = startsAbove ? layout_.clientRect.top() : topOf(startRow);
    const bool endsBelow = endRow > lastRow;
    const std::uint64_t lastDrawnRow = endsBelow ? lastRow : endRow;
    const int endCol = endsBelow ? static_cast<int>(rowWidth) - 1
                                 : static_cast<int>(state_.highlight.end % rowWidth);
    const int endBottom = bottomOf(lastDrawnRow);
    const int lastCol = static_cast<int>(rowWidth) - 1;

    QPolygon outline;
    if (!startsAbove && startRow == endRow) {
        outline << QPoint(left(startCol), startTop) << QPoint(right(endCol), startTop)
                << QPoint(right(endCol), endBottom) << QPoint(left(startCol), endBottom);
    } else {
        const int startBottom = startsAbove ? startTop : bottomOf(startRow);
        const int endTop = topOf(lastDrawnRow) - 1;
        outline << QPoint(left(startCol), startTop) << QPoint(right(lastCol), startTop)
                << QPoint(right(lastCol), endTop) << QPoint(right(endCol), endTop)
                << QPoint(right(endCol), endBottom) << QPoint(left(0), endBottom)
                << QPoint(left(0), startBottom) << QPoint(left(startCol), startBottom);
    }

    painter_.save();
    // Keep the header row clear of the outline.
    const QRect& client = layout_.clientRect;
    painter_.setClipRect(QRect(client.left() - kClipOverhang, geometry_.rowTop(1),
                               client.width() + 2 * kClipOverhang, client.height()),
                         Qt::IntersectClip);
    painter_.setPen(toQColor(colors_.highlightFrame));
    painter_.setBrush(filled ? QBrush(toQColor(colors_.highlightBackground)) : QBrush());
    painter_.drawPolygon(outline);
    painter_.restore();
}

void HexEditPainter::paintAsciiColumn() {
    const QRect area = band(layout_.asciiX, layout_.asciiWidth);
    const QColor background = toQColor(colors_.asciiBackground);
    painter_.fillRect(area, background);
    drawOpaqueText(area.left(), area.top(), latin1(asciiHeader(layout_.rowWidth)),
                   toQColor(colors_.addressText), toQColor(colors_.addressBackground));
    const QColor text = toQColor(colors_.asciiText);
    AsciiRowBuffer buffer;
    for (int i = 0; i < layout_.rows; ++i) {
        const Row row = dataRow(i);
        if (row.count == 0) {
            break;
        }
        drawOpaqueText(
            area.left(), row.top,
            latin1(formatAsciiRow(std::span(state_.data + row.first, row.count), buffer)), text,
            background);
    }
}

void HexEditPainter::paintCaret() {
    if (state_.caretRect.isEmpty()) {
        return;
    }
    // A block that inverts what lies beneath, like a system caret.
    painter_.save();
    painter_.setClipping(false);
    painter_.setCompositionMode(QPainter::CompositionMode_Difference);
    painter_.fillRect(state_.caretRect, Qt::white);
    painter_.restore();
}

}  // namespace veldrix
