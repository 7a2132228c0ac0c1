#include "frame/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>

#include "dialogs/WindowPositions.h"

namespace veldrix {

void WindowPlacement::restore(QWidget& window, const PositionSettings& stored) {
    window.setMinimumSize(kMinimumWidth, kMinimumHeight);
    // A damaged store may ask for any size: no larger than the screen.
    QSize largest(INT16_MAX, INT16_MAX);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        largest = screen->availableSize().expandedTo(window.minimumSize());
    }
    window.resize(std::clamp(stored.W, kMinimumWidth, largest.width()),
                  std::clamp(stored.H, kMinimumHeight, largest.height()));
    if (windowPositionsKnown()) {
        window.move(stored.X, stored.Y);
    }
    place_ = QPoint(stored.X, stored.Y);
    size_ = window.size();
}

void WindowPlacement::follow(const QWidget& window) {
    if ((window.windowState() &
         (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) != 0) {
        return;
    }
    if (windowPositionsKnown()) {
        place_ = window.pos();
    }
    size_ = window.size();
}

void WindowPlacement::store(PositionSettings& stored) const {
    stored.X = place_.x();
    stored.Y = place_.y();
    stored.W = size_.width();
    stored.H = size_.height();
}

}  // namespace veldrix
