#include "GuiHarness.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <chrono>
#include <thread>

#include "core/MessageBoxModel.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/PumpThrottle.h"

namespace veldrix::test {

GuiHarness::GuiHarness()
    : settings_(SettingsStore::openFile(QString::fromStdString(dir_.file("v.ini")))) {
    gui_.setFrameView(&pane_);
    // No pauses in the blink cycle, and no beeps.
    gui_.bind(settings_, [](std::chrono::milliseconds) {});
    gui_.setBeep(false);
    watcher_.setInterval(0);
    QObject::connect(&watcher_, &QTimer::timeout, [this] { handleBox(); });
    watcher_.start();
}

GuiHarness::~GuiHarness() {
    gui_.setFrameView(nullptr);
}

void GuiHarness::handleBox() {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || box == lastBox_ || !box->isVisible() ||
        box->objectName() != QStringLiteral("messageBox")) {
        return;
    }
    lastBox_ = box;
    // The box shows CR LF line ends as plain line breaks.
    boxes_.push_back(box->findChild<QPlainTextEdit*>()->toPlainText().toStdString());
    const QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    if (buttons.isEmpty()) {
        box->close();
        return;
    }
    QPushButton* pressed = buttons.front();
    if (!answers_.empty()) {
        const QString caption =
            QString::fromUtf8(messageBoxButtonCaption(answers_.front(), Language::English).data());
        answers_.pop_front();
        for (QPushButton* button : buttons) {
            if (button->text() == caption) {
                pressed = button;
            }
        }
    }
    pressed->click();
}

void GuiHarness::requestCancel() {
    if (ProgressWindow* progress = gui_.progressWindow()) {
        QCoreApplication::postEvent(
            progress, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    // A person's key press takes longer than the window's pump interval, so
    // the next report lets it through.
    std::this_thread::sleep_for(std::chrono::milliseconds(3 * PumpThrottle::kIntervalMilliseconds));
}

std::vector<std::string> GuiHarness::statusTexts() const {
    // The status thread's pane texts arrive as queued calls.
    QCoreApplication::processEvents();
    // A blink cycle shows its text several times between empty panes.
    std::vector<std::string> texts;
    std::string previous;
    for (const MessagePane::Shown& entry : pane_.shown) {
        if (entry.setBySuite || entry.text.empty()) {
            continue;
        }
        if (entry.text != previous) {
            texts.push_back(entry.text);
        }
        previous = entry.text;
    }
    return texts;
}

void GuiHarness::MessagePane::setPaneText(Pane pane, const QString& text) {
    if (pane == Pane::Message) {
        shown.push_back({text.toStdString(), suiteIsSetting});
    }
}

void GuiHarness::Forwarding::setPaneText(Pane pane, const std::string& text) {
    pane_.suiteIsSetting = true;
    gui_.setPaneText(pane, text);
    pane_.suiteIsSetting = false;
}

}  // namespace veldrix::test
