#include "frame/GuiUserInterface.h"

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <thread>
#include <utility>

#include "dialogs/CDynDialogEx.h"
#include "dialogs/MessageBoxDialog.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/WindowPositions.h"
#include "dlldata.h"
#include "frame/FrameView.h"
#include "platform/CoarseClock.h"

namespace veldrix {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool onGuiThread(const QObject& context) {
    return QThread::currentThread() == context.thread();
}

}  // namespace

GuiUserInterface::GuiUserInterface() {
    CDynDialogEx::SetFailureReporter(
        [this](const std::string& text) { messageBox(DD_MB_OK, text); });
}

GuiUserInterface::~GuiUserInterface() {
    CDynDialogEx::SetFailureReporter({});
    delete progress_;
}

void GuiUserInterface::bind(SettingsStore& settings, StatusBlinkCycle::Sleeper sleeper) {
    settings_ = &settings;
    sleeper_ = std::move(sleeper);
    setBeep(settings.settings().main.beep != 0);
}

QWidget* GuiUserInterface::frameWindow() const {
    return frame_ != nullptr ? frame_->frameWindow() : nullptr;
}

std::uint32_t GuiUserInterface::messageBox(std::uint32_t style, const std::string& text) {
    const Language language =
        settings_ != nullptr ? settings_->settings().main.language : Language::English;
    return showMessageBox(style, text, language, messageBoxParent(frameWindow()));
}

void GuiUserInterface::showStatusMessage(const std::string& text) {
    if (onGuiThread(guiContext_)) {
        // The blink cycle would freeze the window; show the text as it is.
        setPaneText(Pane::Message, text);
        return;
    }
    const StatusBlinkCycle::Beeper beeper = [this](unsigned hertz,
                                                   std::chrono::milliseconds duration) {
        // The platform's beep has no pitch; the silent first step stays silent.
        if (hertz > 0) {
            QMetaObject::invokeMethod(
                &guiContext_, [] { QApplication::beep(); }, Qt::QueuedConnection);
        }
        sleep(duration);
    };
    const StatusBlinkCycle cycle([this](const std::string& shown) { postMessagePane(shown); },
                                 beeper,
                                 [this](std::chrono::milliseconds duration) { sleep(duration); });
    cycle.run(text, beep_.load());
}

void GuiUserInterface::postMessagePane(const std::string& text) {
    // Queued, never blocking: the GUI thread may be joining this thread.
    QMetaObject::invokeMethod(
        &guiContext_,
        [this, shown = fromUtf8(text)] {
            if (frame_ != nullptr) {
                frame_->setPaneText(Pane::Message, shown);
            }
        },
        Qt::QueuedConnection);
}

void GuiUserInterface::sleep(std::chrono::milliseconds duration) const {
    if (sleeper_) {
        sleeper_(duration);
    } else {
        std::this_thread::sleep_for(duration);
    }
}

void GuiUserInterface::setPaneText(Pane pane, const std::string& text) {
    const QString shown = fromUtf8(text);
    if (pane == Pane::Message) {
        operationText_ = shown;
    }
    if (frame_ != nullptr) {
        frame_->setPaneText(pane, shown);
    }
}

void GuiUserInterface::refreshTitle() {
    if (frame_ != nullptr) {
        frame_->refreshTitle();
    }
}

void GuiUserInterface::takeFocus() {
    focusOwner_ = QApplication::focusWidget();
    if (focusOwner_ != nullptr) {
        focusOwner_->clearFocus();
    }
}

void GuiUserInterface::giveFocusBack() {
    if (focusOwner_ != nullptr) {
        focusOwner_->setFocus();
    }
    focusOwner_.clear();
}

void GuiUserInterface::openProgressWindow(std::int32_t total) {
    closeProgressWindow();
    QPoint stored(-1, -1);
    if (settings_ != nullptr) {
        stored = QPoint(settings_->settings().position.PX, settings_->settings().position.PY);
    }
    progress_ = new ProgressWindow(frameWindow(), total, stored);
    progress_->setText(operationText_);
    throttle_ = PumpThrottle{};
    cancelReported_ = false;
    pendingPosition_ = 0;
    pendingPercent_ = 0;
    progress_->showModal();
}

void GuiUserInterface::moveProgressWindow(std::int32_t position, int percent) {
    // Shown by the next pump: the window is drawn only while events are
    // handled, and moving the bar for each of a module's reports would cost
    // more than the module's work.
    pendingPosition_ = position;
    pendingPercent_ = percent;
}

bool GuiUserInterface::pumpProgressEvents() {
    // Most reports end here: only a pump lets a Cancel click or Esc through.
    if (progress_ == nullptr || !throttle_.clockDue() ||
        !throttle_.due(platform::readCoarseMilliseconds())) {
        return false;
    }
    progress_->setPosition(pendingPosition_, pendingPercent_);
    progress_->keepFocus();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // A cancel is one request: reported by the pump that saw it, not again.
    if (progress_ == nullptr || !progress_->cancelled() || cancelReported_) {
        return false;
    }
    cancelReported_ = true;
    return true;
}

void GuiUserInterface::closeProgressWindow() {
    if (progress_ == nullptr) {
        return;
    }
    if (settings_ != nullptr && windowPositionsKnown()) {
        const QPoint place = progress_->pos();
        settings_->saveProgressPosition(place.x(), place.y());
    }
    // The keyboard goes back to the main window, not to whichever window
    // the system picks.
    const bool hadActivation = progress_->isActiveWindow();
    delete progress_;
    if (QWidget* owner = frameWindow(); owner != nullptr && hadActivation) {
        owner->activateWindow();
    }
}

}  // namespace veldrix
