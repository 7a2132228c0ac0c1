#pragma once
// The harnesses of the implementations that run here: veldrix-cli's
// terminal and the tests' recorder.

#include <optional>
#include <sstream>

#include "RecordingUserInterface.h"
#include "TerminalUserInterface.h"
#include "UserInterfaceHarness.h"
#include "platform/InterruptRequest.h"

namespace veldrix::test {

// A terminal a person sits at: questions are asked on standard error and
// answered on standard input; Ctrl-C cancels.
class TerminalHarness : public UserInterfaceHarness {
public:
    TerminalHarness();
    UserInterface& ui() override { return ui_; }
    void answerNextQuestion(std::uint32_t button) override;
    void requestCancel() override;
    [[nodiscard]] std::vector<std::string> boxTexts() const override { return ui_.boxTexts(); }
    [[nodiscard]] std::vector<std::string> statusTexts() const override {
        return ui_.statusTexts();
    }

private:
    std::ostringstream out_;
    std::ostringstream err_;
    std::stringstream in_;
    cli::TerminalUserInterface ui_;
    std::optional<platform::InterruptRequest> interrupts_;
};

class RecorderHarness : public UserInterfaceHarness {
public:
    UserInterface& ui() override { return ui_; }
    void answerNextQuestion(std::uint32_t button) override { ui_.boxAnswers.push_back(button); }
    void requestCancel() override { ui_.cancelAnswers.push_back(true); }
    [[nodiscard]] std::vector<std::string> boxTexts() const override { return ui_.boxTexts(); }
    [[nodiscard]] std::vector<std::string> statusTexts() const override;

private:
    RecordingUserInterface ui_;
};

}  // namespace veldrix::test
