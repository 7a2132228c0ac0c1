#pragma once
// Whether the windowing system tells the program where its windows are and
// lets it place them. Wayland does neither; stored places are then kept as
// they are instead of being overwritten with made-up ones.

#include <QGuiApplication>

namespace veldrix {

[[nodiscard]] inline bool windowPositionsKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace veldrix
