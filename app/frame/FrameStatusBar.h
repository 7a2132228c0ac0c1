#pragma once
// The main window's status bar: the message pane, which stretches and gives
// way to fly-by help, then the address, chip, size and three voltage panes,
// each as wide as its initial text. A pane nobody has written to yet shows
// its initial text in the current language.

#include <QString>
#include <array>
#include <cstddef>

#include "core/UserInterface.h"

class QLabel;
class QStatusBar;

namespace veldrix {

class FrameStatusBar {
public:
    static constexpr std::size_t kPaneCount = 7;

    explicit FrameStatusBar(QStatusBar& bar);

    void setText(Pane pane, const QString& text);
    [[nodiscard]] QString text(Pane pane) const;

    void retranslate();

private:
    struct PaneLabel {
        QLabel* label = nullptr;
        const char* initialText = nullptr;  // source text, translated when shown
        bool written = false;
    };

    std::array<PaneLabel, kPaneCount> panes_;
};

}  // namespace veldrix
