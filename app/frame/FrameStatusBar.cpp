#include "frame/FrameStatusBar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include "frame/FrameCommandTable.h"

namespace veldrix {

namespace {

struct PaneEntry {
    const char* name;
    const char* initialText;
};

// In the order of the Pane enumeration, which is the order on the bar. The
// digits and voltage names read the same in every language.
constexpr std::array<PaneEntry, FrameStatusBar::kPaneCount> kPanes{{
    {"paneMessage", QT_TRANSLATE_NOOP("CMainFrame", "Ready")},
    {"paneAddress", "00000000"},
    {"paneChip", QT_TRANSLATE_NOOP("CMainFrame", "Chip: --------")},
    {"paneSize", QT_TRANSLATE_NOOP("CMainFrame", "Size: 00000000")},
    {"paneVcc", "Vcc:0000"},
    {"paneVpp", "Vpp:0000"},
    {"paneVid", "Vid:0000"},
}};

// Room beside the text inside a pane's frame, in pixels.
constexpr int kPanePadding = 8;

}  // namespace

FrameStatusBar::FrameStatusBar(QStatusBar& bar) {
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        auto* label = new QLabel(&bar);
        label->setObjectName(QString::fromLatin1(kPanes[i].name));
        label->setTextFormat(Qt::PlainText);
        panes_[i] = PaneLabel{label, kPanes[i].initialText, false};
        if (i == 0) {
            bar.addWidget(label, 1);
        } else {
            bar.addPermanentWidget(label);
        }
    }
    retranslate();
}

void FrameStatusBar::setText(Pane pane, const QString& text) {
    PaneLabel& shown = panes_[static_cast<std::size_t>(pane)];
    shown.written = true;
    shown.label->setText(text);
}

QString FrameStatusBar::text(Pane pane) const {
    return panes_[static_cast<std::size_t>(pane)].label->text();
}

void FrameStatusBar::retranslate() {
    for (std::size_t i = 0; i < kPaneCount; ++i) {
        PaneLabel& pane = panes_[i];
        const QString initial = QCoreApplication::translate(kFrameContext, pane.initialText);
        if (i != 0) {
            const QFontMetrics metrics(pane.label->font());
            pane.label->setMinimumWidth(metrics.horizontalAdvance(initial) + kPanePadding);
        }
        if (!pane.written) {
            pane.label->setText(initial);
        }
    }
}

}  // namespace veldrix
