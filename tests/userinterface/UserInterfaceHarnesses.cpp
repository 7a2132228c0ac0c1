#include "UserInterfaceHarnesses.h"

#include <csignal>

#include "core/MessageBoxModel.h"

namespace veldrix::test {

TerminalHarness::TerminalHarness()
    : ui_(out_, err_, in_,
          cli::TerminalSettings{.progressBar = true, .canPrompt = true, .columns = 80}) {}

void TerminalHarness::answerNextQuestion(std::uint32_t button) {
    in_ << messageBoxButtonCaption(button, Language::English) << '\n';
}

void TerminalHarness::requestCancel() {
    interrupts_.emplace();
    ui_.setInterruptRequest(&*interrupts_);
    std::raise(SIGINT);
}

std::vector<std::string> RecorderHarness::statusTexts() const {
    return ui_.statusTexts();
}

}  // namespace veldrix::test
