// CHexEditBase: presentation settings, colours, font and the layout.

#include "hexedit/CHexEditBase.h"

#include <QFontMetrics>
#include <algorithm>

#include "hexedit/HexFont.h"

namespace veldrix {

namespace {

constexpr std::uint32_t kMaxAddressDigits = 255;

}  // namespace

// ---- Presentation ----

void CHexEditBase::SetBytesPerRow(std::uint32_t count, bool automatic, bool redraw) {
    if (count == bytesPerRow_ && automatic == autoRowWidth_) {
        return;
    }
    bytesPerRow_ = count;
    autoRowWidth_ = automatic;
    layoutChanged(redraw);
}

void CHexEditBase::SetShowAddress(bool on, bool redraw) {
    if (on == showAddress_) {
        return;
    }
    showAddress_ = on;
    layoutChanged(redraw);
}

void CHexEditBase::SetShowAscii(bool on, bool redraw) {
    if (on == showAscii_) {
        return;
    }
    showAscii_ = on;
    layoutChanged(redraw);
}

void CHexEditBase::SetAddressDigits(std::uint32_t digits, bool redraw) {
    addressDigits_ = std::min(digits, kMaxAddressDigits);
    layoutChanged(redraw);
}

void CHexEditBase::SetReadonly(bool on, bool redraw) {
    readOnly_ = on;
    repaint(redraw);
}

void CHexEditBase::SetAddressColors(Colorref background, Colorref text, bool redraw) {
    colors_.addressBackground = background;
    colors_.addressText = text;
    colors_.caretAddressText = caretAddressColor(text);
    repaint(redraw);
}

void CHexEditBase::SetHexColors(Colorref background, Colorref text, bool redraw) {
    colors_.hexBackground = background;
    colors_.hexText = text;
    repaint(redraw);
}

void CHexEditBase::SetAsciiColors(Colorref background, Colorref text, bool redraw) {
    colors_.asciiBackground = background;
    colors_.asciiText = text;
    repaint(redraw);
}

void CHexEditBase::SetHighlightColors(Colorref frame, Colorref background, Colorref text,
                                      bool redraw) {
    colors_.highlightFrame = frame;
    colors_.highlightBackground = background;
    colors_.highlightText = text;
    repaint(redraw);
}

void CHexEditBase::SetMarkColors(Colorref /*unused*/, Colorref background, Colorref text,
                                 bool redraw) {
    colors_.markBackground = background;
    colors_.markText = text;
    repaint(redraw);
}

void CHexEditBase::SetBackgroundColor(Colorref color, bool redraw) {
    colors_.windowBackground = color;
    repaint(redraw);
}

void CHexEditBase::SetSelectedNoFocusColors(Colorref background, Colorref text, bool redraw) {
    colors_.unfocusedSelectionBackground = background;
    colors_.unfocusedSelectionText = text;
    repaint(redraw);
}

void CHexEditBase::SetSelectedColors(Colorref text, Colorref background, bool redraw) {
    colors_.focusedSelectionText = text;
    colors_.focusedSelectionBackground = background;
    repaint(redraw);
}

bool CHexEditBase::SetFont(const QFont& font, bool redraw) {
    const auto taken = hexEditFont(font);
    if (taken) {
        font_ = *taken;
    }
    layoutDirty_ = true;
    repaint(redraw);
    return taken.has_value();
}

// ---- Layout ----

const HexLayout& CHexEditBase::hexLayout() {
    ensureLayout();
    return layout_;
}

void CHexEditBase::ensureLayout() {
    if (layoutDirty_) {
        CalculateLayout();
    }
}

void CHexEditBase::CalculateLayout() {
    const QFontMetrics metrics(font_);
    HexLayoutInput input;
    input.windowRect = viewport()->rect();
    input.charWidth = metrics.horizontalAdvance(QStringLiteral("0"));
    input.rowHeight = metrics.height();
    input.multiLine = isMultiLine();
    input.autoRowWidth = autoRowWidth_;
    input.showAddress = showAddress_;
    input.showAscii = showAscii_;
    input.bytesPerRow = bytesPerRow_;
    input.addressDigits = addressDigits_;
    input.length = length_;
    layout_ = calculateHexLayout(input);
    layoutDirty_ = false;
    topRow_ = std::min(topRow_, layout_.maxTopRow);
    hScroll_ = std::min(hScroll_, layout_.maxHScroll);
    scheduleScrollBarUpdate();
}

void CHexEditBase::layoutChanged(bool redraw) {
    layoutDirty_ = true;
    if (!testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    CalculateLayout();
    placeCaret();
    repaint(redraw);
}

void CHexEditBase::repaint(bool redraw) {
    if (redraw) {
        viewport()->update();
    }
}

}  // namespace veldrix
