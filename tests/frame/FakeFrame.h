#pragma once
// A main window stand-in for the widget user interface: a shown window that
// records every pane text and title refresh it is asked for.

#include <QWidget>
#include <string>
#include <vector>

#include "frame/FrameView.h"

namespace veldrix::test {

class FakeFrame : public FrameView {
public:
    struct PaneText {
        Pane pane;
        std::string text;
        bool operator==(const PaneText&) const = default;
    };

    std::vector<PaneText> panes;
    int titleRefreshes = 0;
    QWidget window;

    void setPaneText(Pane pane, const QString& text) override {
        panes.push_back({pane, text.toStdString()});
    }
    void refreshTitle() override { ++titleRefreshes; }
    QWidget* frameWindow() override { return &window; }

    // The texts the message pane was given, in order.
    [[nodiscard]] std::vector<std::string> messagePane() const {
        std::vector<std::string> texts;
        for (const PaneText& entry : panes) {
            if (entry.pane == Pane::Message) {
                texts.push_back(entry.text);
            }
        }
        return texts;
    }
};

}  // namespace veldrix::test
