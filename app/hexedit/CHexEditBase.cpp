#include "hexedit/CHexEditBase.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cstring>

#include "hexedit/HexDigitKeys.h"
#include "hexedit/HexFont.h"
#include "hexedit/HexMouseController.h"
#include "hexedit/HexNavigationKeys.h"
#include "hexedit/HexShortcutKeys.h"

namespace veldrix {

CHexEditBase::CHexEditBase(std::uint32_t style, QWidget* parent)
    : QAbstractScrollArea(parent), style_(style), font_(systemHexEditFont()) {
    const QPalette palette = QApplication::palette();
    colors_.unfocusedSelectionText = toColorref(palette.color(QPalette::WindowText));
    colors_.unfocusedSelectionBackground = toColorref(palette.color(QPalette::Button));
    colors_.focusedSelectionText = toColorref(palette.color(QPalette::HighlightedText));
    colors_.focusedSelectionBackground = toColorref(palette.color(QPalette::Highlight));

    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted by paintEvent; no background erase, no flicker.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    const Qt::ScrollBarPolicy bars = isMultiLine() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setVerticalScrollBarPolicy(bars);
    setHorizontalScrollBarPolicy(bars);

    keyControllers_.push_back(std::make_unique<HexShortcutKeys>(*this));
    keyControllers_.push_back(std::make_unique<HexNavigationKeys>(*this));
    keyControllers_.push_back(std::make_unique<HexDigitKeys>(*this));
    mouse_ = std::make_unique<HexMouseController>(*this);
    marks_.reset(0);
}

CHexEditBase::~CHexEditBase() = default;

// ---- EditorView ----

void CHexEditBase::attachData(std::uint8_t* data, std::uint32_t length,
                              std::uint32_t addressOffset) {
    addressOffset_ = addressOffset;
    SetDataPtr(data, length, true);
}

void CHexEditBase::detachData() {
    SetDataCopy(nullptr, 0, true);
}

bool CHexEditBase::setMark(std::uint32_t index, bool marked) {
    if (index >= length_) {
        return false;
    }
    SetMarks(index, 1, marked, true);
    return true;
}

void CHexEditBase::clearMarks() {
    SetMarks(0, length_, false, true);
}

// ---- Data ----

void CHexEditBase::SetDataCopy(const std::uint8_t* bytes, std::uint32_t length, bool redraw) {
    if (bytes == nullptr || length == 0) {
        attach(nullptr, 0, redraw);
        return;
    }
    auto copy = std::make_unique<std::uint8_t[]>(length);
    std::memcpy(copy.get(), bytes, length);
    std::uint8_t* shown = copy.get();
    attach(shown, length, redraw);
    ownedData_ = std::move(copy);
}

void CHexEditBase::SetDataPtr(std::uint8_t* data, std::uint32_t length, bool redraw) {
    // Without bytes there is nothing to show, whatever length is claimed.
    attach(data, data != nullptr ? length : 0, redraw);
}

void CHexEditBase::attach(std::uint8_t* data, std::uint32_t length, bool redraw) {
    highlight_.clear();
    changeSelection({});
    anchor_ = kNoIndex;
    movingEnd_ = kNoIndex;
    ownedData_.reset();
    data_ = data;
    length_ = length;
    marks_.reset(length);
    layoutDirty_ = true;
    repaint(redraw);
    SetCaret(0, true);
}

std::uint32_t CHexEditBase::GetData(std::uint8_t* destination, std::uint32_t capacity) const {
    if (data_ == nullptr || destination == nullptr) {
        return data_ == nullptr ? 0 : length_;
    }
    std::memcpy(destination, data_, std::min(length_, capacity));
    return length_;
}

void CHexEditBase::SetAddressOffset(std::uint32_t offset, bool redraw) {
    addressOffset_ = offset;
    notifyAddress();
    repaint(redraw);
}

// ---- Marks, selection, highlight ----

void CHexEditBase::SetMarks(std::uint32_t start, std::uint32_t count, bool set, bool redraw) {
    marks_.setRange(start, count, set);
    repaint(redraw);
}

bool CHexEditBase::IsMarked(std::uint32_t index) const noexcept {
    return marks_.isMarked(index);
}

bool CHexEditBase::storeRange(ByteRange& range, std::uint32_t start, std::uint32_t end,
                              bool makeVisible, bool redraw) {
    auto clampEnd = [this](std::uint32_t index) {
        return index != kNoIndex && index >= length_ ? length_ - 1 : index;
    };
    ByteRange wanted{clampEnd(start), clampEnd(end)};
    // Kept in order, so every user of the range can rely on start <= end.
    if (wanted.isSet()) {
        wanted = ByteRange::ordered(wanted.start, wanted.end);
    }
    if (wanted == range) {
        return false;
    }
    range = wanted;
    if (makeVisible && range.isSet()) {
        MakeVisible(range.start, range.end, false);
    }
    repaint(redraw);
    return true;
}

bool CHexEditBase::readRange(const ByteRange& range, std::uint32_t& start,
                             std::uint32_t& end) noexcept {
    start = range.isSet() ? range.start : kNoIndex;
    end = range.isSet() ? range.end : kNoIndex;
    return range.isSet();
}

void CHexEditBase::SetSelection(std::uint32_t start, std::uint32_t end, bool makeVisible,
                                bool redraw) {
    if (storeRange(selection_, start, end, makeVisible, redraw)) {
        emit selectionChanged();
    }
}

bool CHexEditBase::GetSelection(std::uint32_t& start, std::uint32_t& end) const noexcept {
    return readRange(selection_, start, end);
}

void CHexEditBase::SetHighlight(std::uint32_t start, std::uint32_t end, bool makeVisible,
                                bool redraw) {
    storeRange(highlight_, start, end, makeVisible, redraw);
}

bool CHexEditBase::GetHighlight(std::uint32_t& start, std::uint32_t& end) const noexcept {
    return readRange(highlight_, start, end);
}

void CHexEditBase::SelectAll() {
    if (length_ == 0) {
        return;
    }
    SetSelection(0, length_ - 1, false, true);
}

void CHexEditBase::BeginSelection(std::uint32_t anchor) {
    changeSelection({});
    anchor_ = anchor;
    movingEnd_ = kNoIndex;
}

void CHexEditBase::ExtendSelection(std::uint32_t movingEnd) {
    if (anchor_ == kNoIndex) {
        return;
    }
    movingEnd_ = movingEnd;
    changeSelection(ByteRange::ordered(anchor_, movingEnd_));
}

void CHexEditBase::changeSelection(ByteRange range) {
    if (range == selection_) {
        return;
    }
    selection_ = range;
    emit selectionChanged();
}

}  // namespace veldrix
