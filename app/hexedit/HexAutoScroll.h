#pragma once
// Scrolling while a mouse selection is dragged above or below the editor:
// the farther the pointer is outside, the faster the rows go by.

#include <QPoint>
#include <QRect>
#include <optional>

namespace veldrix {

// Period of the auto-scroll timer, milliseconds.
inline constexpr int kAutoScrollPeriodMs = 5;

struct AutoScrollSpeed {
    int direction;  // -1 up, +1 down
    int delay;      // timer ticks between steps, 1 to 7
};

// The speed for the pointer at `point`, or nothing while it is level with
// the client area `client`.
[[nodiscard]] std::optional<AutoScrollSpeed> autoScrollSpeed(QPoint point, const QRect& client);

// Counts timer ticks down to the next scroll step.
class AutoScrollCountdown {
public:
    void start(int delay) noexcept { delay_ = countdown_ = delay; }
    void setDelay(int delay) noexcept { delay_ = delay; }
    // True when this tick scrolls; the countdown then starts anew.
    bool tick() noexcept;

private:
    int delay_ = 0;
    int countdown_ = 0;
};

}  // namespace veldrix
