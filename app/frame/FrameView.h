#pragma once
// What the widget user interface needs from the main window: its status-bar
// panes, its title and the window itself, as the owner of the progress
// window and the parent of message boxes. The main window implements it.

#include <QString>

#include "core/UserInterface.h"

class QWidget;

namespace veldrix {

class FrameView {
public:
    virtual ~FrameView() = default;

    virtual void setPaneText(Pane pane, const QString& text) = 0;
    // Rebuilds the title from the family, the port and the document name.
    virtual void refreshTitle() = 0;
    [[nodiscard]] virtual QWidget* frameWindow() = 0;
};

}  // namespace veldrix
