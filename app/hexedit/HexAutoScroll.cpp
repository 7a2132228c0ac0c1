#include "hexedit/HexAutoScroll.h"

#include <algorithm>

namespace veldrix {

namespace {

// Pixels of distance per speed step, and the fastest speed.
constexpr int kPixelsPerSpeedStep = 5;
constexpr int kTopSpeed = 6;
constexpr int kSlowestDelay = 7;

}  // namespace

std::optional<AutoScrollSpeed> autoScrollSpeed(QPoint point, const QRect& client) {
    const int top = client.top();
    const int bottom = client.top() + client.height();
    int direction = 0;
    int distance = 0;
    if (point.y() < top) {
        direction = -1;
        distance = top + 1 - point.y();
    } else if (point.y() >= bottom) {
        direction = 1;
        distance = point.y() - bottom + 1;
    } else {
        return std::nullopt;
    }
    int speed = distance / kPixelsPerSpeedStep;
    if (speed > kTopSpeed - 1) {
        speed = kTopSpeed;
    }
    return AutoScrollSpeed{direction, kSlowestDelay - speed};
}

bool AutoScrollCountdown::tick() noexcept {
    if (countdown_ == 0) {
        countdown_ = delay_;
        return true;
    }
    --countdown_;
    return false;
}

}  // namespace veldrix
