#include "hexedit/CHexEditBase.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <span>

#include "hexedit/HexClipboard.h"
#include "hexedit/HexContextMenu.h"
#include "hexedit/HexCrc.h"
#include "hexedit/HexDigitKeys.h"
#include "hexedit/HexEditPainter.h"
#include "hexedit/HexFont.h"
#include "hexedit/HexMouseController.h"
#include "hexedit/HexNavigationKeys.h"
#include "hexedit/HexShortcutKeys.h"

namespace veldrix {

namespace {

// Where the context menu opens when asked from the keyboard.
constexpr QPoint kKeyboardMenuPoint(5, 5);
// Wheel delta of one notch.
constexpr int kWheelNotch = 120;
constexpr std::uint32_t kMaxAddressDigits = 255;

int toScrollBarValue(std::uint32_t value) {
    return static_cast<int>(std::min<std::uint32_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

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
    selection_.clear();
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

bool CHexEditBase::storeRange(ByteRange& range, std::uint32_t start, std::uint32_t end) {
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
    return true;
}

void CHexEditBase::SetSelection(std::uint32_t start, std::uint32_t end, bool makeVisible,
                                bool redraw) {
    if (!storeRange(selection_, start, end)) {
        return;
    }
    if (makeVisible && selection_.isSet()) {
        MakeVisible(selection_.start, selection_.end, false);
    }
    repaint(redraw);
}

bool CHexEditBase::GetSelection(std::uint32_t& start, std::uint32_t& end) const noexcept {
    start = selection_.isSet() ? selection_.start : kNoIndex;
    end = selection_.isSet() ? selection_.end : kNoIndex;
    return selection_.isSet();
}

void CHexEditBase::SetHighlight(std::uint32_t start, std::uint32_t end, bool makeVisible,
                                bool redraw) {
    if (!storeRange(highlight_, start, end)) {
        return;
    }
    if (makeVisible && highlight_.isSet()) {
        MakeVisible(highlight_.start, highlight_.end, false);
    }
    repaint(redraw);
}

bool CHexEditBase::GetHighlight(std::uint32_t& start, std::uint32_t& end) const noexcept {
    start = highlight_.isSet() ? highlight_.start : kNoIndex;
    end = highlight_.isSet() ? highlight_.end : kNoIndex;
    return highlight_.isSet();
}

void CHexEditBase::SelectAll() {
    if (length_ == 0) {
        return;
    }
    SetSelection(0, length_ - 1, false, true);
}

void CHexEditBase::BeginSelection(std::uint32_t anchor) {
    selection_.clear();
    anchor_ = anchor;
    movingEnd_ = kNoIndex;
}

void CHexEditBase::ExtendSelection(std::uint32_t movingEnd) {
    if (anchor_ == kNoIndex) {
        return;
    }
    movingEnd_ = movingEnd;
    selection_ = ByteRange::ordered(anchor_, movingEnd_);
}

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
        selection_.clear();
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
    if (highDigit_) {
        byte = static_cast<std::uint8_t>((byte & 0x0F) | (value << 4));
        MoveCaret(0, false, false);
    } else {
        byte = static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
        MoveCaret(1, true, false);
    }
    viewport()->update();
    emit editChanged();
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

// ---- Clipboard and commands ----

void CHexEditBase::Copy() {
    if (!selection_.isSet() || data_ == nullptr) {
        return;
    }
    ensureLayout();
    const std::span<const std::uint8_t> bytes(data_ + selection_.start,
                                              static_cast<std::size_t>(selection_.size()));
    QApplication::clipboard()->setMimeData(
        clipboardData(bytes, selection_.start % layout_.rowWidth, layout_.rowWidth).release());
}

void CHexEditBase::Paste() {
    if (readOnly_ || data_ == nullptr || length_ == 0) {
        return;
    }
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    const QString format = QString::fromLatin1(kBinaryDataMime);
    if (offered == nullptr || !offered->hasFormat(format)) {
        return;
    }
    const QByteArray block = offered->data(format);
    const std::span<const std::uint8_t> bytes = binaryBlockBytes(block);
    const std::uint32_t destination = selection_.isSet() ? selection_.start : caret_;
    // Cut at the data end: the length never changes.
    const auto count = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(bytes.size(), std::uint64_t{length_} - destination));
    if (count == 0) {
        return;
    }
    std::memcpy(data_ + destination, bytes.data(), count);
    const std::uint32_t last = destination + count - 1;
    SetSelection(destination, last, true, false);
    SetCaret(last, false);
    viewport()->update();
    emit editChanged();
}

void CHexEditBase::ShowCrc() {
    if (data_ == nullptr || length_ == 0) {
        return;
    }
    const std::uint32_t start = selection_.isSet() ? selection_.start : 0;
    const auto count = static_cast<std::size_t>(selection_.isSet() ? selection_.size() : length_);
    emit crcCalculated(crcMessage(uncomplementedCrc32(std::span(data_ + start, count))));
}

std::unique_ptr<QMenu> CHexEditBase::CreateContextMenu() {
    return createHexContextMenu(*this);
}

void CHexEditBase::OnExtendContextMenu(QMenu& /*menu*/) {}

// ---- Events ----

bool CHexEditBase::event(QEvent* event) {
    // Ctrl+A, C and V belong to the editor even where the main window has
    // accelerators for them.
    if (event->type() == QEvent::ShortcutOverride &&
        HexShortcutKeys::claims(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void CHexEditBase::paintEvent(QPaintEvent* /*event*/) {
    ensureLayout();
    QPainter painter(viewport());
    painter.setFont(font_);
    HexPaintState state;
    state.data = data_;
    state.length = length_;
    state.marks = &marks_;
    state.layout = &layout_;
    state.colors = &colors_;
    state.topRow = topRow_;
    state.hScroll = hScroll_;
    state.caret = caret_;
    state.addressOffset = addressOffset_;
    state.addressDigits = addressDigits_;
    state.selection = selection_;
    state.highlight = highlight_;
    state.showAddress = showAddress_;
    state.showAscii = showAscii_;
    state.focused = hasFocus();
    state.multiLine = isMultiLine();
    state.caretRect = caretRect_;
    state.ascent = QFontMetrics(font_).ascent();
    HexEditPainter(painter, state).paint(viewport()->rect());
}

void CHexEditBase::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    CalculateLayout();
    placeCaret();
    updateScrollBars();
}

void CHexEditBase::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (length_ > 0) {
        placeCaret();
        // The main window's address pane shows the focused editor's caret.
        notifiedAddress_.reset();
        notifyAddress();
    }
    viewport()->update();
}

void CHexEditBase::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretRect_ = QRect();
    viewport()->update();
}

void CHexEditBase::keyPressEvent(QKeyEvent* event) {
    for (const auto& controller : keyControllers_) {
        if (controller->handleKey(*event)) {
            event->accept();
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CHexEditBase::mousePressEvent(QMouseEvent* event) {
    mouse_->press(*event);
}

void CHexEditBase::mouseMoveEvent(QMouseEvent* event) {
    mouse_->move(*event);
}

void CHexEditBase::mouseReleaseEvent(QMouseEvent* event) {
    mouse_->release(*event);
}

void CHexEditBase::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse_->doubleClick(*event);
}

void CHexEditBase::wheelEvent(QWheelEvent* event) {
    ScrollRows(-(event->angleDelta().y() / kWheelNotch), true);
    event->accept();
}

void CHexEditBase::contextMenuEvent(QContextMenuEvent* event) {
    QPoint point = kKeyboardMenuPoint;
    if (event->reason() != QContextMenuEvent::Keyboard) {
        point = event->pos();
        if (length_ > 0) {
            const HexPosition hit = HitTest(point);
            if (!selection_.contains(hit.index)) {
                selection_.clear();
                SetCaret(hit.index, true);
            }
        }
    }
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    OnExtendContextMenu(*menu);
    menu->exec(viewport()->mapToGlobal(point));
}

}  // namespace veldrix
