// CHexEditBase: caret placement and movement, typing, scrolling.

#include "hexedit/CHexEditBase.h"

#include <QScrollBar>
#include <algorithm>
#include <functional>
#include <limits>

namespace veldrix {

namespace {

int toScrollBarValue(std::uint32_t value) {
    return static_cast<int>(std::min<std::uint32_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

// ---- Caret ----

void CHexEditBase::SetCaret(std::uint32_t index, bool highDigit) {
    // The caret never rests beyond the data: typing writes where it is.
    caret_ = length_ > 0 ? std::min(index, length_ - 1) : index;
    highDigit_ = highDigit;
    placeCaret();
    notifyAddress();
}

void CHexEditBase::placeCaret() {
    QRect shape;
    if (length_ > 0 && hasFocus()) {
        ensureLayout();
        shape = geometry().caretRect(HexPosition{caret_, highDigit_});
    }
    if (shape != caretRect_) {
        caretRect_ = shape;
    }
    // The address header follows the caret, so the whole view is redrawn.
    viewport()->update();
}

void CHexEditBase::notifyAddress() {
    if (length_ == 0) {
        return;
    }
    const std::uint32_t address = caret_ + addressOffset_;
    if (notifiedAddress_ == address) {
        return;
    }
    notifiedAddress_ = address;
    emit addressChanged(address, AddressText(address));
}

QString CHexEditBase::AddressText(std::uint32_t address) {
    return QStringLiteral("%1").arg(address, 8, 16, QLatin1Char('0')).toUpper();
}

void CHexEditBase::MoveCaret(std::int64_t delta, bool highDigit, bool extendSelection) {
    if (length_ == 0) {
        return;
    }
    if (!extendSelection) {
        anchor_ = kNoIndex;
        movingEnd_ = kNoIndex;
        changeSelection({});
    }
    std::uint32_t caret = caret_;
    if (delta < 0) {
        if (-delta <= std::int64_t{caret}) {
            caret = static_cast<std::uint32_t>(caret + delta);
        } else {
            caret = 0;
            highDigit = true;
        }
    } else if (delta > 0) {
        if (std::int64_t{caret} + delta < std::int64_t{length_}) {
            caret = static_cast<std::uint32_t>(caret + delta);
        } else {
            caret = length_ - 1;
            highDigit = false;
        }
    }
    caret_ = caret;
    if (extendSelection && anchor_ != kNoIndex) {
        ExtendSelection(caret_);
    }
    MakeVisible(caret_, caret_, true);
    SetCaret(caret_, highDigit);
}

HexPosition CHexEditBase::HitTest(QPoint point) {
    ensureLayout();
    return geometry().hitTest(point, isMultiLine(), length_);
}

void CHexEditBase::TypeHexDigit(std::uint8_t value) {
    if (data_ == nullptr || length_ == 0 || readOnly_ || caret_ >= length_) {
        return;
    }
    std::uint8_t& byte = data_[caret_];
    beginEdit(caret_, 1, highDigit_ ? EditKind::FirstDigit : EditKind::SecondDigit);
    if (highDigit_) {
        byte = static_cast<std::uint8_t>((byte & 0x0F) | (value << 4));
    } else {
        byte = static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
    }
    endEdit();
    if (highDigit_) {
        MoveCaret(0, false, false);
    } else {
        MoveCaret(1, true, false);
    }
    viewport()->update();
}

// ---- Scrolling ----

void CHexEditBase::MakeVisible(std::uint32_t first, std::uint32_t last, bool redraw) {
    if (length_ == 0) {
        return;
    }
    ensureLayout();
    first = std::min(first, length_ - 1);
    last = std::min(last, length_ - 1);
    if (const auto row = geometry().topRowShowing(first, last)) {
        SetTopLine(*row, false);
    }
    if (const auto pixels = geometry().hScrollShowing(first, last)) {
        SetHScroll(*pixels, false);
    }
    repaint(redraw);
}

void CHexEditBase::SetTopLine(std::uint32_t row, bool redraw) {
    if (!isMultiLine()) {
        return;
    }
    ensureLayout();
    row = std::min(row, layout_.maxTopRow);
    syncScrollBar(*verticalScrollBar(),
                  [row](QScrollBar& bar) { bar.setValue(toScrollBarValue(row)); });
    const bool changed = row != topRow_;
    topRow_ = row;
    if (changed && redraw) {
        viewport()->update();
    }
    placeCaret();
}

void CHexEditBase::SetHScroll(std::uint32_t pixels, bool redraw) {
    ensureLayout();
    pixels = std::min(pixels, layout_.maxHScroll);
    syncScrollBar(*horizontalScrollBar(),
                  [pixels](QScrollBar& bar) { bar.setValue(toScrollBarValue(pixels)); });
    const bool changed = pixels != hScroll_;
    hScroll_ = pixels;
    if (changed && redraw) {
        viewport()->update();
        placeCaret();
    }
}

void CHexEditBase::ScrollRows(std::int64_t rows, bool redraw) {
    const std::int64_t row = std::max<std::int64_t>(0, std::int64_t{topRow_} + rows);
    SetTopLine(static_cast<std::uint32_t>(
                   std::min<std::int64_t>(row, std::numeric_limits<std::uint32_t>::max())),
               redraw);
}

void CHexEditBase::scheduleScrollBarUpdate() {
    if (scrollBarUpdatePending_ || !isMultiLine()) {
        return;
    }
    // Posted: ranges change the viewport's size, which must not happen in
    // the middle of a paint.
    scrollBarUpdatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scrollBarUpdatePending_ = false;
            updateScrollBars();
        },
        Qt::QueuedConnection);
}

void CHexEditBase::updateScrollBars() {
    if (!isMultiLine()) {
        return;
    }
    ensureLayout();
    // A bar whose range is 0 hides itself (ScrollBarAsNeeded).
    syncScrollBar(*verticalScrollBar(), [this](QScrollBar& bar) {
        bar.setRange(0, toScrollBarValue(layout_.maxTopRow));
        bar.setPageStep(std::max(1, layout_.fullRows));
        bar.setSingleStep(1);
        bar.setValue(toScrollBarValue(topRow_));
    });
    syncScrollBar(*horizontalScrollBar(), [this](QScrollBar& bar) {
        bar.setRange(0, toScrollBarValue(layout_.maxHScroll));
        bar.setPageStep(std::max(1, layout_.clientRect.width()));
        bar.setSingleStep(layout_.charWidth);
        bar.setValue(toScrollBarValue(hScroll_));
    });
}

void CHexEditBase::syncScrollBar(QScrollBar& bar, const std::function<void(QScrollBar&)>& change) {
    // The bar's own signals stay on (the area shows and hides it by them),
    // but its value changes must not come back as user scrolling.
    const bool wasSyncing = syncingScrollBars_;
    syncingScrollBars_ = true;
    change(bar);
    syncingScrollBars_ = wasSyncing;
}

void CHexEditBase::scrollContentsBy(int /*dx*/, int /*dy*/) {
    if (syncingScrollBars_) {
        return;
    }
    if (length_ == 0) {
        updateScrollBars();
        return;
    }
    SetTopLine(static_cast<std::uint32_t>(verticalScrollBar()->value()), true);
    SetHScroll(static_cast<std::uint32_t>(horizontalScrollBar()->value()), true);
}

}  // namespace veldrix
