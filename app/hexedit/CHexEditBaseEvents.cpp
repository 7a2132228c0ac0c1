// CHexEditBase: clipboard, context menu and the widget events.

#include "hexedit/CHexEditBase.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <span>

#include "buffer/Crc32.h"
#include "hexedit/HexClipboard.h"
#include "hexedit/HexContextMenu.h"
#include "hexedit/HexEditPainter.h"
#include "hexedit/HexMouseController.h"
#include "hexedit/HexShortcutKeys.h"

namespace veldrix {

namespace {

// Where the context menu opens when asked from the keyboard.
constexpr QPoint kKeyboardMenuPoint(5, 5);

// Wheel delta of one notch.
constexpr int kWheelNotch = 120;

}  // namespace

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
    beginEdit(destination, count, EditKind::Block);
    std::memcpy(data_ + destination, bytes.data(), count);
    endEdit();
    const std::uint32_t last = destination + count - 1;
    SetSelection(destination, last, true, false);
    SetCaret(last, false);
    viewport()->update();
}

void CHexEditBase::beginEdit(std::uint32_t index, std::uint32_t count, EditKind kind) {
    if (recorder_ != nullptr) {
        recorder_->beforeEdit(std::size_t{addressOffset_} + index, count, kind);
    }
}

void CHexEditBase::endEdit() {
    if (recorder_ != nullptr) {
        recorder_->afterEdit();
    }
    emit editChanged();
}

void CHexEditBase::ShowCrc() {
    if (data_ == nullptr || length_ == 0) {
        return;
    }
    const std::uint32_t start = selection_.isSet() ? selection_.start : 0;
    const auto count = static_cast<std::size_t>(selection_.isSet() ? selection_.size() : length_);
    emit crcCalculated(
        QString::fromStdString(crc32Text(uncomplementedCrc32(std::span(data_ + start, count)))));
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
                changeSelection({});
                SetCaret(hit.index, true);
            }
        }
    }
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    OnExtendContextMenu(*menu);
    menu->exec(viewport()->mapToGlobal(point));
}

}  // namespace veldrix
