#include "hexedit/HexMouseController.h"

#include <QApplication>
#include <QMouseEvent>

#include "hexedit/CHexEditBase.h"

namespace veldrix {

HexMouseController::HexMouseController(CHexEditBase& editor) : editor_(editor) {
    timer_.setInterval(kAutoScrollPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { autoScrollTick(); });
}

void HexMouseController::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    editor_.setFocus(Qt::MouseFocusReason);
    const QPoint point = event.position().toPoint();
    if (editor_.length() > 0) {
        const HexPosition hit = editor_.HitTest(point);
        editor_.SetCaret(hit.index, hit.highDigit);
    }
    const int size = QApplication::startDragDistance();
    dragRect_ = QRect(point.x() - size / 2, point.y() - size / 2, size, size);
    editor_.BeginSelection(editor_.caret());
    editor_.viewport()->update();
}

void HexMouseController::move(const QMouseEvent& event) {
    if (!(event.buttons() & Qt::LeftButton) || editor_.length() == 0 ||
        editor_.anchor() == kNoIndex) {
        return;
    }
    const QPoint point = event.position().toPoint();
    if (!dragRect_.isNull()) {
        if (dragRect_.contains(point)) {
            return;
        }
        // Past the threshold every later move counts.
        dragRect_ = QRect();
    }
    const QRect& client = editor_.hexLayout().clientRect;
    if (!client.contains(point) && editor_.isMultiLine()) {
        updateAutoScroll(point);
    } else {
        stopAutoScroll();
    }
    selectTo(point);
}

void HexMouseController::release(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    stopAutoScroll();
    editor_.viewport()->update();
}

void HexMouseController::doubleClick(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return;
    }
    editor_.setFocus(Qt::MouseFocusReason);
    if (editor_.length() > 0) {
        const HexPosition hit = editor_.HitTest(event.position().toPoint());
        editor_.SetCaret(hit.index, hit.highDigit);
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        if (editor_.GetHighlight(start, end) && hit.index >= start && hit.index <= end) {
            editor_.SetSelection(start, end, false, false);
        } else {
            editor_.SetSelection(hit.index, hit.index, false, false);
        }
    }
    editor_.viewport()->update();
}

void HexMouseController::autoScrollTick() {
    if (!countdown_.tick()) {
        return;
    }
    editor_.ScrollRows(speed_.direction, false);
    selectTo(autoScrollPoint_);
}

void HexMouseController::selectTo(QPoint point) {
    const HexPosition hit = editor_.HitTest(point);
    editor_.SetCaret(hit.index, hit.highDigit);
    editor_.ExtendSelection(editor_.caret());
    editor_.viewport()->update();
}

void HexMouseController::updateAutoScroll(QPoint point) {
    const auto speed = autoScrollSpeed(point, editor_.hexLayout().clientRect);
    if (!speed) {
        stopAutoScroll();
        return;
    }
    speed_ = *speed;
    autoScrollPoint_ = point;
    if (timer_.isActive()) {
        countdown_.setDelay(speed_.delay);
    } else {
        countdown_.start(speed_.delay);
        timer_.start();
    }
}

void HexMouseController::stopAutoScroll() {
    timer_.stop();
    speed_ = AutoScrollSpeed{0, 0};
}

}  // namespace veldrix
