#pragma once
// Draws the hex editor: background, address, hex and ASCII columns with their
// header row, highlight, selection, marks and the block caret. Only the rows
// in view are formatted, so the cost does not depend on the data length.

#include <QRect>
#include <cstdint>

#include "hexedit/ByteRange.h"
#include "hexedit/HexColors.h"
#include "hexedit/HexGeometry.h"
#include "hexedit/HexLayout.h"
#include "hexedit/MarkMap.h"

class QPainter;
class QString;
class QColor;

namespace veldrix {

// Everything one repaint reads.
struct HexPaintState {
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    const MarkMap* marks = nullptr;
    const HexLayout* layout = nullptr;
    const HexEditColors* colors = nullptr;
    std::uint32_t topRow = 0;
    std::uint32_t hScroll = 0;
    std::uint32_t caret = 0;
    std::uint32_t addressOffset = 0;
    std::uint32_t addressDigits = 8;
    ByteRange selection;
    ByteRange highlight;
    bool showAddress = false;
    bool showAscii = false;
    bool focused = false;
    bool multiLine = true;
    QRect caretRect;  // empty: no caret
    int ascent = 0;   // font ascent in pixels, for text baselines
};

class HexEditPainter {
public:
    HexEditPainter(QPainter& painter, const HexPaintState& state);

    // Paints the whole window area `windowRect`.
    void paint(const QRect& windowRect);

private:
    // One data row in view.
    struct Row {
        int top;              // pixels
        std::uint32_t first;  // index of its first byte
        std::uint32_t count;  // bytes in it
    };

    void paintAddressColumn();
    void paintHexColumn();
    void paintAsciiColumn();
    void paintHexRow(const Row& row);
    void paintHighlightOutline(bool filled);
    void paintCaret();

    // The bytes of `range` that lie in `row`, as row columns; false if none.
    [[nodiscard]] bool columnsIn(const ByteRange& range, const Row& row, std::uint32_t& from,
                                 std::uint32_t& to) const;
    // Row `index` of the view (0 = first data row); count 0 past the data.
    [[nodiscard]] Row dataRow(int index) const;
    // A band: the column's full height from the client top.
    [[nodiscard]] QRect band(int columnX, int width) const;
    void drawText(int x, int top, const QString& text, const QColor& color);
    void drawOpaqueText(int x, int top, const QString& text, const QColor& color,
                        const QColor& background);

    QPainter& painter_;
    const HexPaintState& state_;
    const HexLayout& layout_;
    const HexEditColors& colors_;
    HexGeometry geometry_;
};

}  // namespace veldrix
