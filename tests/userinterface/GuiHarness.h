#pragma once
// The widget user interface in the contract suite. A person is played by
// pressing the box's buttons (or closing a box that has none) and by Esc on
// the progress window. What status messages showed is read back from the
// main window's message pane; since the program's own pane texts go to the
// same pane, the ones the suite sets itself are told apart.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>

#include "TempDir.h"
#include "UserInterfaceHarness.h"
#include "core/SettingsStore.h"
#include "frame/FrameView.h"
#include "frame/GuiUserInterface.h"

namespace veldrix::test {

class GuiHarness : public UserInterfaceHarness {
public:
    GuiHarness();
    ~GuiHarness() override;

    UserInterface& ui() override { return forwarding_; }
    void answerNextQuestion(std::uint32_t button) override { answers_.push_back(button); }
    void requestCancel() override;
    [[nodiscard]] std::vector<std::string> boxTexts() const override { return boxes_; }
    [[nodiscard]] std::vector<std::string> statusTexts() const override;

private:
    // The main window: records what the message pane shows.
    class MessagePane : public FrameView {
    public:
        struct Shown {
            std::string text;
            bool setBySuite;
        };
        std::vector<Shown> shown;
        bool suiteIsSetting = false;
        QWidget window;

        void setPaneText(Pane pane, const QString& text) override;
        void refreshTitle() override {}
        QWidget* frameWindow() override { return &window; }
    };

    // The suite's calls, passed on; marks the pane texts it sets itself.
    class Forwarding : public UserInterface {
    public:
        Forwarding(GuiUserInterface& gui, MessagePane& pane) : gui_(gui), pane_(pane) {}
        std::uint32_t messageBox(std::uint32_t style, const std::string& text) override {
            return gui_.messageBox(style, text);
        }
        void showStatusMessage(const std::string& text) override { gui_.showStatusMessage(text); }
        void setPaneText(Pane pane, const std::string& text) override;
        void refreshTitle() override { gui_.refreshTitle(); }
        void takeFocus() override { gui_.takeFocus(); }
        void giveFocusBack() override { gui_.giveFocusBack(); }
        void openProgressWindow(std::int32_t total) override { gui_.openProgressWindow(total); }
        void moveProgressWindow(std::int32_t position, int percent) override {
            gui_.moveProgressWindow(position, percent);
        }
        bool pumpProgressEvents() override { return gui_.pumpProgressEvents(); }
        void closeProgressWindow() override { gui_.closeProgressWindow(); }

    private:
        GuiUserInterface& gui_;
        MessagePane& pane_;
    };

    // Plays the person in front of the next message box.
    void handleBox();

    TempDir dir_;
    SettingsStore settings_;
    MessagePane pane_;
    GuiUserInterface gui_;
    Forwarding forwarding_{gui_, pane_};
    std::deque<std::uint32_t> answers_;
    std::vector<std::string> boxes_;
    QPointer<QWidget> lastBox_;
    QTimer watcher_;
};

}  // namespace veldrix::test
