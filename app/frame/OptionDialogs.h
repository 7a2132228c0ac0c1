#pragma once
// The option dialogs that main window commands open, plugged in as
// functions. A command whose dialog is not plugged in stays disabled.
//
// A dialog only edits the engine's records (and, for the driver file and
// ECR, rebinds the driver as it goes). What follows a dialog is the main
// window's: writing the family section after the chip window, refreshing the
// voltage panes, applying colours and font after Settings, re-attaching the
// buffer after General, filling or xoring the buffer with the value.

#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace veldrix {

struct OptionDialogs {
    // The chip selection window, modal, at `place` on the screen; the
    // engine's module selection holds the outcome.
    std::function<void(QWidget* parent, QPoint place)> selectChip;
    // Advanced Options on the applied chip's write algorithms and keys.
    std::function<void(QWidget* parent)> editConfigKeys;
    // The chip's voltages; true when OK set them.
    std::function<bool(QWidget* parent)> editDeviceVoltages;
    // Driver, port, ECR, module folder, colours, font and sound; true on OK.
    std::function<bool(QWidget* parent)> editSettings;
    // The write options and the split view.
    std::function<void(QWidget* parent)> editGeneralOptions;
    // The byte for Fill or Xor; the title names the tool. Nothing when cancelled.
    std::function<std::optional<std::uint8_t>(QWidget* parent, const QString& title)> askByteValue;
};

}  // namespace veldrix
