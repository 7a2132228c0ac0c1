#include "TerminalUserInterface.h"

#include <QString>
#include <array>
#include <istream>
#include <ostream>

#include "ProgressLine.h"
#include "dlldata.h"
#include "platform/HighResClock.h"
#include "platform/InterruptRequest.h"

namespace veldrix::cli {
namespace {

struct Button {
    std::uint32_t id;
    const char* caption;
};

// Buttons of the styles' low four bits, left to right; the first answers
// "yes", the last is what an unanswerable question gets.
std::vector<Button> buttonsOf(std::uint32_t style) {
    switch (style & 0x0F) {
        case DD_MB_OK:
            return {{DD_IDOK, "OK"}};
        case DD_MB_OKCANCEL:
            return {{DD_IDOK, "OK"}, {DD_IDCANCEL, "Cancel"}};
        case DD_MB_ABORTRETRYIGNORE:
            return {{DD_IDRETRY, "Retry"}, {DD_IDIGNORE, "Ignore"}, {DD_IDABORT, "Abort"}};
        case DD_MB_YESNOCANCEL:
            return {{DD_IDYES, "Yes"}, {DD_IDNO, "No"}, {DD_IDCANCEL, "Cancel"}};
        case DD_MB_YESNO:
            return {{DD_IDYES, "Yes"}, {DD_IDNO, "No"}};
        case DD_MB_RETRYCANCEL:
            return {{DD_IDRETRY, "Retry"}, {DD_IDCANCEL, "Cancel"}};
        default:
            return {};
    }
}

// Redraws at most this often, in counter ticks (0.1 s), besides percentage changes.
constexpr std::uint64_t kRedrawTicks = platform::kCounterFrequency / 10;

}  // namespace

std::string terminalText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        shown += text[i];
    }
    return shown;
}

TerminalUserInterface::TerminalUserInterface(std::ostream& out, std::ostream& err, std::istream& in,
                                             TerminalSettings settings)
    : out_(out), err_(err), in_(in), settings_(settings) {}

std::uint32_t TerminalUserInterface::messageBox(std::uint32_t style, const std::string& text) {
    if ((style & 0x0F) != DD_MB_OK) {
        return ask(style, text);
    }
    std::lock_guard lock(mutex_);
    boxes_.push_back(text);
    printMessage(terminalText(text));
    return DD_IDOK;
}

void TerminalUserInterface::printMessage(const std::string& text) {
    // With --json the operation's results are fields of the JSON document on
    // standard output; other messages still reach the user on standard error.
    if (settings_.collectResults && operationRunning_) {
        return;
    }
    clearProgressLine();
    (operationRunning_ ? out_ : err_) << text << '\n' << std::flush;
}

std::uint32_t TerminalUserInterface::ask(std::uint32_t style, const std::string& text) {
    const std::vector<Button> buttons = buttonsOf(style);
    std::unique_lock lock(mutex_);
    boxes_.push_back(text);
    clearProgressLine();
    if (buttons.empty()) {
        err_ << terminalText(text) << '\n' << std::flush;
        return DD_IDCANCEL;  // a box without buttons can only be closed
    }
    std::string choices;
    for (const Button& button : buttons) {
        if (!choices.empty()) {
            choices += '/';
        }
        choices += button.caption;
    }
    if (settings_.assumeYes) {
        err_ << terminalText(text) << " [" << choices << "] " << buttons.front().caption << '\n'
             << std::flush;
        return buttons.front().id;
    }
    if (!settings_.canPrompt) {
        questionRefused_ = true;
        err_ << terminalText(text) << '\n'
             << "veldrix-cli: not asking, standard input is not a terminal (give --yes to answer "
             << buttons.front().caption << ")\n"
             << std::flush;
        return buttons.back().id;
    }
    while (true) {
        err_ << terminalText(text) << " [" << choices << "] " << std::flush;
        std::string answer;
        if (!std::getline(in_, answer)) {
            err_ << '\n';
            return buttons.back().id;
        }
        const QString typed = QString::fromStdString(answer).trimmed();
        for (const Button& button : buttons) {
            const QString caption = QString::fromLatin1(button.caption);
            if (!typed.isEmpty() && (caption.compare(typed, Qt::CaseInsensitive) == 0 ||
                                     caption.startsWith(typed, Qt::CaseInsensitive))) {
                return button.id;
            }
        }
    }
}

void TerminalUserInterface::setOperationRunning(bool running) {
    std::lock_guard lock(mutex_);
    operationRunning_ = running;
}

void TerminalUserInterface::showStatusMessage(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (text.empty()) {
        return;
    }
    statuses_.push_back(text);
    printMessage(text);
}

void TerminalUserInterface::setPaneText(Pane pane, const std::string& text) {
    if (pane != Pane::Message) {
        return;
    }
    std::lock_guard lock(mutex_);
    paneMessage_ = text;
}

void TerminalUserInterface::openProgressWindow(std::int32_t total) {
    std::lock_guard lock(mutex_);
    progressTotal_ = total;
    progressStart_ = platform::readCounter();
    shownPercent_ = -1;
    lastDraw_ = 0;
}

void TerminalUserInterface::moveProgressWindow(std::int32_t position, int percent) {
    if (!settings_.progressBar) {
        return;
    }
    const std::uint64_t now = platform::readCounter();
    std::lock_guard lock(mutex_);
    if (percent == shownPercent_ && now - lastDraw_ < kRedrawTicks) {
        return;
    }
    shownPercent_ = percent;
    lastDraw_ = now;
    const double elapsed = static_cast<double>(now - progressStart_) /
                           static_cast<double>(platform::kCounterFrequency);
    const std::string label = paneMessage_ == "Ready" ? std::string() : paneMessage_;
    err_ << '\r'
         << formatProgressLine(label, percent, position, progressTotal_, elapsed,
                               settings_.columns - 1)
         << "\x1b[K" << std::flush;
    lineDrawn_ = true;
}

bool TerminalUserInterface::pumpProgressEvents() {
    std::lock_guard lock(mutex_);
    return interrupts_ != nullptr && interrupts_->takeRequest();
}

void TerminalUserInterface::setInterruptRequest(platform::InterruptRequest* interrupts) {
    std::lock_guard lock(mutex_);
    interrupts_ = interrupts;
}

void TerminalUserInterface::closeProgressWindow() {
    std::lock_guard lock(mutex_);
    clearProgressLine();
    progressTotal_ = 0;
}

void TerminalUserInterface::clearProgressLine() {
    if (lineDrawn_) {
        err_ << "\r\x1b[K" << std::flush;
        lineDrawn_ = false;
    }
}

std::vector<std::string> TerminalUserInterface::boxTexts() const {
    std::lock_guard lock(mutex_);
    return boxes_;
}

std::vector<std::string> TerminalUserInterface::statusTexts() const {
    std::lock_guard lock(mutex_);
    return statuses_;
}

bool TerminalUserInterface::questionRefused() const {
    std::lock_guard lock(mutex_);
    return questionRefused_;
}

}  // namespace veldrix::cli
