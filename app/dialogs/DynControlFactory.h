#pragma once
// Makes the Qt widget that stands in for a CDynDialogEx control of a classic
// control class, styled as the control's style bits say, and reports the
// control's notifications as commands.

#include <QWidget>
#include <functional>

#include "dialogs/DynControl.h"

namespace veldrix {

// Notification codes that travel with a command.
namespace dynnotify {
inline constexpr int kButtonClicked = 0;
inline constexpr int kSelectionChange = 1;  // list box and combo box
inline constexpr int kEditChange = 0x300;
}  // namespace dynnotify

using DynCommandSink = std::function<void(int id, int notification)>;

// The widget for `control` as a child of `parent`, placed later by the
// dialog; null when its class is not one of the table. The user's actions on
// it reach `sink` with the control's identifier.
[[nodiscard]] QWidget* createDynControl(const DynControl& control, QWidget* parent,
                                        const DynCommandSink& sink);

}  // namespace veldrix
