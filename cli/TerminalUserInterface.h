#pragma once
// The engine's user interface on a terminal: message boxes are printed (and
// questions asked only when a person can answer them), every status message
// is printed once, in order, and the progress window is a redrawn line on
// standard error.

#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/ProgramSettings.h"
#include "core/UserInterface.h"

namespace veldrix::platform {
class InterruptRequest;
}

namespace veldrix::cli {

struct TerminalSettings {
    bool progressBar = false;     // standard error is a terminal
    bool canPrompt = false;       // standard input is a terminal
    bool assumeYes = false;       // --yes: every question gets its affirmative button
    bool collectResults = false;  // --json: the operation's messages go to the result only
    int columns = 80;             // width of the progress line
};

class TerminalUserInterface : public UserInterface {
public:
    TerminalUserInterface(std::ostream& out, std::ostream& err, std::istream& in,
                          TerminalSettings settings);

    std::uint32_t messageBox(std::uint32_t style, const std::string& text) override;
    // Safe from any thread.
    void showStatusMessage(const std::string& text) override;
    void setPaneText(Pane pane, const std::string& text) override;
    void refreshTitle() override {}
    void takeFocus() override {}
    void giveFocusBack() override {}
    void openProgressWindow(std::int32_t total) override;
    void moveProgressWindow(std::int32_t position, int percent) override;
    // True once a SIGINT or SIGTERM came through the interrupt request set:
    // the module then stops as for the program's Cancel button.
    bool pumpProgressEvents() override;
    void closeProgressWindow() override;

    // While an operation runs, its messages (boxes such as the ID or the
    // errors found, status messages such as a read error) are its results:
    // they go to standard output, one stream in the order given, before the
    // verdict. Outside an operation messages go to standard error (driver
    // and module problems around a listing).
    void setOperationRunning(bool running);

    // The signals that cancel the running operation; null: none. Not owned.
    void setInterruptRequest(platform::InterruptRequest* interrupts);

    // The language of the questions' buttons, as the settings give it.
    void setLanguage(Language language);

    // Box texts shown since the start, in order.
    [[nodiscard]] std::vector<std::string> boxTexts() const;
    // Status messages shown since the start, in order.
    [[nodiscard]] std::vector<std::string> statusTexts() const;
    // True when a question could not be asked (no terminal, no --yes).
    [[nodiscard]] bool questionRefused() const;

private:
    std::uint32_t ask(std::uint32_t style, const std::string& text);
    [[nodiscard]] std::string caption(std::uint32_t button) const;
    // The button a typed answer names; nothing when it names none or several.
    [[nodiscard]] std::optional<std::uint32_t> buttonAnswered(
        const std::vector<std::uint32_t>& buttons, const std::string& answer) const;
    // Prints a message where it belongs now; with mutex_ held.
    void printMessage(const std::string& text);
    void clearProgressLine();  // with mutex_ held

    std::ostream& out_;
    std::ostream& err_;
    std::istream& in_;
    const TerminalSettings settings_;

    mutable std::mutex mutex_;  // the status thread prints too
    std::vector<std::string> boxes_;
    std::vector<std::string> statuses_;
    bool questionRefused_ = false;
    Language language_ = Language::English;
    bool operationRunning_ = false;
    std::string paneMessage_;
    std::int32_t progressTotal_ = 0;
    std::uint64_t progressStart_ = 0;  // counter ticks
    int shownPercent_ = -1;
    std::uint64_t lastDraw_ = 0;  // counter ticks
    bool lineDrawn_ = false;
    platform::InterruptRequest* interrupts_ = nullptr;
};

// The message box text as a terminal shows it: CR LF line ends become LF.
[[nodiscard]] std::string terminalText(const std::string& text);

}  // namespace veldrix::cli
