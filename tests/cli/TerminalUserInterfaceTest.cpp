#include "TerminalUserInterface.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

#include "dlldata.h"
#include "platform/InterruptRequest.h"

namespace veldrix::cli {
namespace {

struct Terminal {
    explicit Terminal(TerminalSettings settings, std::string input = {})
        : in(std::move(input)), ui(out, err, in, settings) {}
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    TerminalUserInterface ui;
};

TEST(TerminalUserInterface, InformationBoxesArePrintedWithUnixLineEnds) {
    Terminal terminal({});
    terminal.ui.setOperationRunning(true);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_OK | DD_MB_ICONEXCLAMATION,
                                     "Error Write 0105\r\nAddress:00000010"),
              DD_IDOK);
    EXPECT_EQ(terminal.out.str(), "Error Write 0105\nAddress:00000010\n");
    EXPECT_EQ(terminal.ui.boxTexts().size(), 1u);
}

TEST(TerminalUserInterface, BoxesOutsideAnOperationGoToStandardError) {
    Terminal terminal({});
    terminal.ui.messageBox(DD_MB_OK, "Can't load driver:  x.so");
    EXPECT_EQ(terminal.out.str(), "");
    EXPECT_EQ(terminal.err.str(), "Can't load driver:  x.so\n");
}

// The operation's messages are its results: boxes and status messages on one
// stream, in the order given.
TEST(TerminalUserInterface, AnOperationsMessagesGoToStandardOutputInOrder) {
    Terminal terminal({});
    terminal.ui.showStatusMessage("init ERR");
    terminal.ui.setOperationRunning(true);
    terminal.ui.showStatusMessage("voltage ERR");
    terminal.ui.messageBox(DD_MB_OK, "3 Errors");
    terminal.ui.showStatusMessage("Compare error: 100");
    terminal.ui.setOperationRunning(false);
    terminal.ui.showStatusMessage("later");
    EXPECT_EQ(terminal.out.str(), "voltage ERR\n3 Errors\nCompare error: 100\n");
    EXPECT_EQ(terminal.err.str(), "init ERR\nlater\n");
}

TEST(TerminalUserInterface, JsonModeCollectsAnOperationsMessagesInsteadOfPrinting) {
    Terminal terminal({.collectResults = true});
    terminal.ui.setOperationRunning(true);
    terminal.ui.messageBox(DD_MB_OK, "ID: 0000003C");
    terminal.ui.showStatusMessage("voltage ERR");
    EXPECT_EQ(terminal.out.str(), "");
    EXPECT_EQ(terminal.err.str(), "");
    EXPECT_EQ(terminal.ui.boxTexts(), std::vector<std::string>{"ID: 0000003C"});
    EXPECT_EQ(terminal.ui.statusTexts(), std::vector<std::string>{"voltage ERR"});
}

// Standard output holds only the JSON document, but a problem outside the
// operation (a driver that does not load) is still told on standard error.
TEST(TerminalUserInterface, JsonModeKeepsResultsOffStandardOutputButReportsProblems) {
    Terminal terminal({.collectResults = true});
    terminal.ui.messageBox(DD_MB_OK, "Can't load driver:  x.so");
    terminal.ui.setOperationRunning(true);
    terminal.ui.messageBox(DD_MB_OK, "ID: 0000003C");
    EXPECT_EQ(terminal.out.str(), "");
    EXPECT_EQ(terminal.err.str(), "Can't load driver:  x.so\n");
    EXPECT_EQ(terminal.ui.boxTexts().size(), 2u);
}

TEST(TerminalUserInterface, QuestionWithoutTerminalIsRefusedWithTheNegativeButton) {
    Terminal terminal({.canPrompt = false}, "OK\n");
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_OKCANCEL, "Are you sure?"), DD_IDCANCEL);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_YESNO, "Again?"), DD_IDNO);
    EXPECT_TRUE(terminal.ui.questionRefused());
    EXPECT_NE(terminal.err.str().find("not asking"), std::string::npos);
    // Nothing was read from standard input.
    std::string left;
    std::getline(terminal.in, left);
    EXPECT_EQ(left, "OK");
}

TEST(TerminalUserInterface, AssumeYesAnswersTheAffirmativeButton) {
    Terminal terminal({.assumeYes = true});
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_OKCANCEL, "Are you sure?"), DD_IDOK);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_YESNOCANCEL, "?"), DD_IDYES);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_RETRYCANCEL, "?"), DD_IDRETRY);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_ABORTRETRYIGNORE, "?"), DD_IDRETRY);
    EXPECT_FALSE(terminal.ui.questionRefused());
}

TEST(TerminalUserInterface, PromptAcceptsCaptionsOrTheirStartAndRepeatsOtherwise) {
    Terminal terminal({.canPrompt = true}, "maybe\nc\nYES\n");
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_OKCANCEL, "Are you sure?"), DD_IDCANCEL);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_YESNO, "Sure?"), DD_IDYES);
    const std::string asked = terminal.err.str();
    // "maybe" matched nothing, so the first question was asked twice.
    EXPECT_EQ(asked.find("Are you sure? [OK/Cancel]"), 0u);
    EXPECT_NE(asked.find("Are you sure? [OK/Cancel]", 1), std::string::npos);
}

TEST(TerminalUserInterface, ButtonsFollowTheLanguageAndAnAmbiguousStartIsAskedAgain) {
    Terminal terminal({.canPrompt = true}, "о\nот\nда\n");
    terminal.ui.setLanguage(Language::Russian);
    // "о" starts both "ОК" and "Отмена".
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_OKCANCEL, "Вы уверены?"), DD_IDCANCEL);
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_YESNO, "?"), DD_IDYES);
    const std::string asked = terminal.err.str();
    EXPECT_EQ(asked.find("Вы уверены? [ОК/Отмена] Вы уверены? [ОК/Отмена] ? [Да/Нет] "), 0u)
        << asked;

    Terminal yes({.assumeYes = true});
    yes.ui.setLanguage(Language::Russian);
    EXPECT_EQ(yes.ui.messageBox(DD_MB_OKCANCEL, "Вы уверены?"), DD_IDOK);
    EXPECT_EQ(yes.err.str(), "Вы уверены? [ОК/Отмена] ОК\n");
}

TEST(TerminalUserInterface, EndOfInputAnswersTheNegativeButton) {
    Terminal terminal({.canPrompt = true}, "");
    EXPECT_EQ(terminal.ui.messageBox(DD_MB_YESNOCANCEL, "?"), DD_IDCANCEL);
}

TEST(TerminalUserInterface, StatusMessagesArePrintedOnceOnStandardError) {
    Terminal terminal({});
    terminal.ui.showStatusMessage("Read error: 5");
    terminal.ui.showStatusMessage("");
    EXPECT_EQ(terminal.err.str(), "Read error: 5\n");
    EXPECT_EQ(terminal.ui.statusTexts(), std::vector<std::string>{"Read error: 5"});
    EXPECT_EQ(terminal.out.str(), "");
}

TEST(TerminalUserInterface, ProgressLineOnlyOnATerminalAndClearedAtClose) {
    Terminal quiet({.progressBar = false});
    quiet.ui.openProgressWindow(100);
    quiet.ui.moveProgressWindow(50, 50);
    quiet.ui.closeProgressWindow();
    EXPECT_EQ(quiet.err.str(), "");

    Terminal shown({.progressBar = true, .columns = 80});
    shown.ui.setPaneText(Pane::Message, "Reading ...");
    shown.ui.openProgressWindow(100);
    shown.ui.moveProgressWindow(50, 50);
    shown.ui.moveProgressWindow(50, 50);  // same percentage at once: not redrawn
    shown.ui.closeProgressWindow();
    const std::string drawn = shown.err.str();
    EXPECT_EQ(drawn.find("\rReading ...  50% ["), 0u);
    EXPECT_EQ(drawn.find("\rReading", 1), std::string::npos);
    EXPECT_EQ(drawn.substr(drawn.size() - 4), "\r\x1b[K");
}

TEST(TerminalUserInterface, StatusMessageClearsAProgressLineFirst) {
    Terminal terminal({.progressBar = true, .columns = 80});
    terminal.ui.openProgressWindow(10);
    terminal.ui.moveProgressWindow(1, 10);
    terminal.ui.showStatusMessage("voltage ERR");
    const std::string drawn = terminal.err.str();
    EXPECT_NE(drawn.find("\r\x1b[Kvoltage ERR\n"), std::string::npos);
}

TEST(TerminalUserInterface, InterruptCancelsTheOperationOnceWhileWatched) {
    Terminal terminal({});
    EXPECT_FALSE(terminal.ui.pumpProgressEvents());
    platform::InterruptRequest interrupts;
    ASSERT_EQ(std::raise(SIGINT), 0);
    EXPECT_FALSE(terminal.ui.pumpProgressEvents()) << "not watched yet";
    terminal.ui.setInterruptRequest(&interrupts);
    EXPECT_TRUE(terminal.ui.pumpProgressEvents());
    EXPECT_FALSE(terminal.ui.pumpProgressEvents());
    terminal.ui.setInterruptRequest(nullptr);
    EXPECT_TRUE(interrupts.requested());
}

}  // namespace
}  // namespace veldrix::cli
