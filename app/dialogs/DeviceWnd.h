#pragma once
// The chip selection window: the family's modules, the chips of the module
// looked at, that chip's information, OK and Cancel, over ModuleSelection.
// It is modal, so nothing else runs on a half-chosen module. It has no keys
// of its own: Enter and Escape do nothing special; the close box cancels.

#include <QDialog>

#include "catalog/ModuleSelection.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace veldrix {

class Application;

// How RunChipSelection ended.
enum class ChipSelectionResult {
    Accepted,   // OK or a double click: the chip is applied with a fresh image
    Cancelled,  // Cancel or the close box: the chip of before is applied again
    NotOpened,  // a module call was running, or a window was open (now cancelled)
};

// Opens the window at the main window's place plus (100, 70) and returns
// when it is gone; the family section has then been written. The main
// window updates its command states from the module's capability flags
// afterwards, whatever the result.
ChipSelectionResult RunChipSelection(Application& app, QWidget* mainWindow);

class DeviceWnd : public QDialog {
    Q_OBJECT

public:
    // Pixels, from the main window's top-left corner.
    static constexpr int kOffsetX = 100;
    static constexpr int kOffsetY = 70;

    // The window over `app`'s module selection, which must have its window
    // opened (ModuleSelection::openWindow) and filled.
    DeviceWnd(Application& app, QWidget* parent);

    // The close box, and every other way of closing but OK: as Cancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void showModules();
    void showChips();
    void showChipInfo();
    void onModuleRow(int row);
    void onChipRow(int row);
    void onChipDoubleClicked(int row);
    void onOk();

    ModuleSelection& selection_;
    QListWidget* modules_ = nullptr;
    QPlainTextEdit* chipInfo_ = nullptr;
    QListWidget* chips_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace veldrix
