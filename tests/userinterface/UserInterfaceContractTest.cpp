// The contract of app/core/UserInterface.h, which every front end's
// implementation keeps: message boxes answer with one of their buttons,
// texts arrive whole and in order, status messages may come from another
// thread, and the progress window takes its calls in any order and reports a
// cancel once.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "GuiHarness.h"
#include "UserInterfaceHarness.h"
#include "UserInterfaceHarnesses.h"
#include "core/MessageBoxModel.h"
#include "dlldata.h"

namespace veldrix::test {

class UserInterfaceContract : public ::testing::TestWithParam<HarnessFactory> {
protected:
    void SetUp() override { harness_ = GetParam()(); }

    UserInterface& ui() { return harness_->ui(); }
    UserInterfaceHarness& harness() { return *harness_; }

private:
    std::unique_ptr<UserInterfaceHarness> harness_;
};

TEST_P(UserInterfaceContract, EveryQuestionAnswersTheButtonPressed) {
    for (std::uint32_t style = DD_MB_OKCANCEL; style <= DD_MB_RETRYCANCEL; ++style) {
        for (std::uint32_t button : messageBoxButtons(style)) {
            SCOPED_TRACE(std::to_string(style) + " " + std::to_string(button));
            harness().answerNextQuestion(button);
            EXPECT_EQ(ui().messageBox(style, "Go on?"), button);
            // The icon bits choose no buttons.
            harness().answerNextQuestion(button);
            EXPECT_EQ(ui().messageBox(style | DD_MB_ICONEXCLAMATION, "Go on?"), button);
        }
    }
}

TEST_P(UserInterfaceContract, AnInformationBoxAnswersOk) {
    EXPECT_EQ(ui().messageBox(DD_MB_OK, "ID: 0000003C"), DD_IDOK);
    EXPECT_EQ(ui().messageBox(DD_MB_OK | DD_MB_ICONEXCLAMATION, "Error Write"), DD_IDOK);
}

// A style that names no button set still gives a box that can be closed.
TEST_P(UserInterfaceContract, ABoxWithoutButtonsCanOnlyBeClosed) {
    for (std::uint32_t style = DD_MB_RETRYCANCEL + 1; style <= 0x0F; ++style) {
        EXPECT_EQ(ui().messageBox(style, "?"), DD_IDCANCEL) << style;
    }
}

// A window shows CR LF as a plain line break; what counts is that nothing is
// cut, split or reordered.
std::vector<std::string> withPlainLineBreaks(std::vector<std::string> texts) {
    for (std::string& text : texts) {
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at)) {
            text.erase(at, 1);
        }
    }
    return texts;
}

TEST_P(UserInterfaceContract, TextsArriveWholeAndInOrder) {
    // The longest texts the engine gives, with multi-byte characters and the
    // line ends modules use.
    const std::string box = std::string(250, 'x') + "\r\nВы уверены?\r\n" + std::string(237, 'y');
    const std::string status = "Неправильный размер DLLDATA " + std::string(44, 'z');
    ui().messageBox(DD_MB_OK, "first");
    ui().messageBox(DD_MB_OK, box);
    ui().messageBox(DD_MB_OK, "");
    ui().showStatusMessage("Read error: 5");
    ui().showStatusMessage(status);
    EXPECT_EQ(withPlainLineBreaks(harness().boxTexts()), withPlainLineBreaks({"first", box, ""}));
    EXPECT_EQ(harness().statusTexts(), (std::vector<std::string>{"Read error: 5", status}));
}

// The status thread shows its messages while the user-interface thread
// goes on with boxes and panes.
TEST_P(UserInterfaceContract, StatusMessagesMayComeFromAnotherThread) {
    constexpr int kMessages = 200;
    std::thread statusThread([this] {
        for (int i = 0; i < kMessages; ++i) {
            ui().showStatusMessage("status " + std::to_string(i));
        }
    });
    for (int i = 0; i < kMessages; ++i) {
        ui().setPaneText(Pane::Message, "Reading ...");
        ui().messageBox(DD_MB_OK, "box " + std::to_string(i));
    }
    statusThread.join();
    const std::vector<std::string> statuses = harness().statusTexts();
    ASSERT_EQ(statuses.size(), static_cast<std::size_t>(kMessages));
    for (int i = 0; i < kMessages; ++i) {
        EXPECT_EQ(statuses[static_cast<std::size_t>(i)], "status " + std::to_string(i));
    }
    EXPECT_EQ(harness().boxTexts().size(), static_cast<std::size_t>(kMessages));
}

TEST_P(UserInterfaceContract, ACancelIsReportedByOnePumpOnly) {
    ui().openProgressWindow(100);
    ui().moveProgressWindow(10, 10);
    EXPECT_FALSE(ui().pumpProgressEvents());
    harness().requestCancel();
    ui().moveProgressWindow(20, 20);
    EXPECT_TRUE(ui().pumpProgressEvents());
    EXPECT_FALSE(ui().pumpProgressEvents());
    ui().closeProgressWindow();
}

// Modules open, move and close the window as they please; the guarded call
// closes what they leave open.
TEST_P(UserInterfaceContract, ProgressCallsInAnyOrderAreHarmless) {
    EXPECT_NO_THROW({
        ui().closeProgressWindow();
        ui().moveProgressWindow(5, 50);
        ui().openProgressWindow(0);
        ui().openProgressWindow(10);
        ui().moveProgressWindow(11, 110);
        ui().closeProgressWindow();
        ui().closeProgressWindow();
    });
    EXPECT_FALSE(ui().pumpProgressEvents());
}

TEST_P(UserInterfaceContract, PanesTitleAndFocusTakeAnyCall) {
    EXPECT_NO_THROW({
        for (Pane pane : {Pane::Message, Pane::Address, Pane::Chip, Pane::Size, Pane::Vcc,
                          Pane::Vpp, Pane::Vid}) {
            ui().setPaneText(pane, "");
            ui().setPaneText(pane, std::string(200, 'p'));
        }
        ui().refreshTitle();
        ui().takeFocus();
        ui().giveFocusBack();
    });
    EXPECT_TRUE(harness().boxTexts().empty());
}

INSTANTIATE_TEST_SUITE_P(Terminal, UserInterfaceContract,
                         ::testing::Values(makeHarness<TerminalHarness>));
INSTANTIATE_TEST_SUITE_P(Recorder, UserInterfaceContract,
                         ::testing::Values(makeHarness<RecorderHarness>));
INSTANTIATE_TEST_SUITE_P(Gui, UserInterfaceContract, ::testing::Values(makeHarness<GuiHarness>));

}  // namespace veldrix::test
