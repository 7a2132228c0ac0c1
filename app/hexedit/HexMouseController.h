#pragma once
// The hex editor's mouse handling: placing the caret, drag selection with a
// drag threshold, auto-scroll while dragging outside, and double click.

#include <QPoint>
#include <QRect>
#include <QTimer>

#include "hexedit/HexAutoScroll.h"

class QMouseEvent;

namespace veldrix {

class CHexEditBase;

class HexMouseController {
public:
    explicit HexMouseController(CHexEditBase& editor);

    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void doubleClick(const QMouseEvent& event);

    // One auto-scroll timer tick.
    void autoScrollTick();
    [[nodiscard]] bool isAutoScrolling() const { return timer_.isActive(); }
    [[nodiscard]] const AutoScrollSpeed& autoScrollState() const { return speed_; }

private:
    // Caret and selection end under `point`, then repaint.
    void selectTo(QPoint point);
    void updateAutoScroll(QPoint point);
    void stopAutoScroll();

    CHexEditBase& editor_;
    QRect dragRect_;  // moves inside it do not start a drag yet
    QTimer timer_;
    AutoScrollSpeed speed_{0, 0};
    AutoScrollCountdown countdown_;
    QPoint autoScrollPoint_;
};

}  // namespace veldrix
