#pragma once
// The main window's place and size as the settings keep them (X, Y, W, H):
// the frame's position and the window's size in its normal state. They are
// followed as the window moves and resizes while neither maximised nor
// minimised, so a window closed maximised stores the place it returns to.
// Where the windowing system does not tell positions (Wayland), the stored
// X and Y stay as they were. Stored sizes are kept between the minimum and the screen.

#include <QPoint>
#include <QSize>

#include "core/ProgramSettings.h"

class QWidget;

namespace veldrix {

class WindowPlacement {
public:
    static constexpr int kMinimumWidth = 740;   // pixels
    static constexpr int kMinimumHeight = 300;  // pixels

    // Puts the window at the stored place and size, no smaller than the minimum.
    void restore(QWidget& window, const PositionSettings& stored);
    // Takes the window's place and size unless it is maximised, minimised
    // or full-screen.
    void follow(const QWidget& window);
    void store(PositionSettings& stored) const;

private:
    QPoint place_;
    QSize size_;
};

}  // namespace veldrix
