#pragma once
// The engine's user interface as widgets: message boxes, the blinking status
// message, the status-bar panes and title of the main window, the keyboard
// focus around module calls and the progress window.
//
// It exists before the main window and the engine: message boxes work from
// the start (with no parent), pane and title requests wait for
// setFrameView(). Bind the engine's settings and status sleeper before the
// status thread starts.

#include <QObject>
#include <QPointer>
#include <atomic>

#include "core/SettingsStore.h"
#include "core/StatusBlinkCycle.h"
#include "core/UserInterface.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/PumpThrottle.h"

class QWidget;

namespace veldrix {

class FrameView;

class GuiUserInterface : public UserInterface {
public:
    GuiUserInterface();
    ~GuiUserInterface() override;
    GuiUserInterface(const GuiUserInterface&) = delete;
    GuiUserInterface& operator=(const GuiUserInterface&) = delete;

    // The main window; null before it exists and once it is going away.
    void setFrameView(FrameView* view) noexcept { frame_ = view; }

    // The settings give the message boxes their language and the progress
    // window its stored place, where it is saved again when it closes. The
    // sleeper (the status service's) paces the blink cycle and lets a stop
    // end it at once. Until bound: English, a centred progress window whose
    // place is not kept, and plain sleeping.
    void bind(SettingsStore& settings, StatusBlinkCycle::Sleeper sleeper);

    // The `beep` setting as the status thread reads it; set it whenever the
    // setting changes. bind() takes the stored value.
    void setBeep(bool on) noexcept { beep_.store(on); }
    [[nodiscard]] bool beeps() const noexcept { return beep_.load(); }

    // UserInterface. showStatusMessage() runs on the status thread; all
    // others on the GUI thread.
    std::uint32_t messageBox(std::uint32_t style, const std::string& text) override;
    void showStatusMessage(const std::string& text) override;
    void setPaneText(Pane pane, const std::string& text) override;
    void refreshTitle() override;
    void takeFocus() override;
    void giveFocusBack() override;
    void openProgressWindow(std::int32_t total) override;
    void moveProgressWindow(std::int32_t position, int percent) override;
    bool pumpProgressEvents() override;
    void closeProgressWindow() override;

    // The progress window from its opening to its closing, cancelled (and
    // hidden) or not; null when none.
    [[nodiscard]] ProgressWindow* progressWindow() const noexcept { return progress_; }

private:
    [[nodiscard]] QWidget* frameWindow() const;
    // Shows `text` in the message pane, from any thread, without waiting.
    void postMessagePane(const std::string& text);
    void sleep(std::chrono::milliseconds duration) const;

    // Lives on the GUI thread: work posted from the status thread runs in
    // its context, and is dropped with it.
    QObject guiContext_;
    FrameView* frame_ = nullptr;
    SettingsStore* settings_ = nullptr;
    StatusBlinkCycle::Sleeper sleeper_;
    std::atomic<bool> beep_{true};
    // Owned here, but a child of the main window, which would delete it first.
    QPointer<ProgressWindow> progress_;
    // The operation's pane text ("Reading ..."), which the progress window
    // repeats over its bar.
    QString operationText_;
    PumpThrottle throttle_;
    bool cancelReported_ = false;
    std::int32_t pendingPosition_ = 0;
    int pendingPercent_ = 0;
    QPointer<QWidget> focusOwner_;
};

}  // namespace veldrix
