#include "TerminalUserInterface.h"

#include <QString>
#include <istream>
#include <ostream>

#include "ProgressLine.h"
#include "core/MessageBoxModel.h"
#include "dlldata.h"
#include "platform/HighResClock.h"
#include "platform/InterruptRequest.h"

namespace veldrix::cli {
namespace {

// Buttons of the styles' low four bits: the first answers "yes", the last is
// what an unanswerable question gets. Their captions are the message box's.
std::vector<std::uint32_t> buttonsOf(std::uint32_t style) {
    switch (style & 0x0F) {
        case DD_MB_OK:
            return {DD_IDOK};
        case DD_MB_OKCANCEL:
            return {DD_IDOK, DD_IDCANCEL};
        case DD_MB_ABORTRETRYIGNORE:
            return {DD_IDRETRY, DD_IDIGNORE, DD_IDABORT};
        case DD_MB_YESNOCANCEL:
            return {DD_IDYES, DD_IDNO, DD_IDCANCEL};
        case DD_MB_YESNO:
            return {DD_IDYES, DD_IDNO};
        case DD_MB_RETRYCANCEL:
            return {DD_IDRETRY, DD_IDCANCEL};
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

std::string TerminalUserInterface::caption(std::uint32_t button) const {
    return std::string(messageBoxButtonCaption(button, language_));
}

std::uint32_t TerminalUserInterface::ask(std::uint32_t style, const std::string& text) {
    const std::vector<std::uint32_t> buttons = buttonsOf(style);
    std::unique_lock lock(mutex_);
    boxes_.push_back(text);
    clearProgressLine();
    if (buttons.empty()) {
        err_ << terminalText(text) << '\n' << std::flush;
        return DD_IDCANCEL;  // a box without buttons can only be closed
    }
    std::string choices;
    for (const std::uint32_t button : buttons) {
        if (!choices.empty()) {
            choices += '/';
        }
        choices += caption(button);
    }
    if (settings_.assumeYes) {
        err_ << terminalText(text) << " [" << choices << "] " << caption(buttons.front()) << '\n'
             << std::flush;
        return buttons.front();
    }
    if (!settings_.canPrompt) {
        questionRefused_ = true;
        err_ << terminalText(text) << '\n'
             << "veldrix-cli: not asking, standard input is not a terminal (give --yes to answer "
             << caption(buttons.front()) << ")\n"
             << std::flush;
        return buttons.back();
    }
    while (true) {
        err_ << terminalText(text) << " [" << choices << "] " << std::flush;
        std::string answer;
        if (!std::getline(in_, answer)) {
            err_ << '\n';
            return buttons.back();
        }
        if (const auto button = buttonAnswered(buttons, answer)) {
            return *button;
        }
    }
}

std::optional<std::uint32_t> TerminalUserInterface::buttonAnswered(
    const std::vector<std::uint32_t>& buttons, const std::string& answer) const {
    const QString typed = QString::fromStdString(answer).trimmed();
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    // A whole caption, or the start of exactly one: an answer that could be
    // either of two buttons is asked again.
    std::optional<std::uint32_t> started;
    int starts = 0;
    for (const std::uint32_t button : buttons) {
        const QString shown = QString::fromStdString(caption(button));
        if (shown.compare(typed, Qt::CaseInsensitive) == 0) {
            return button;
        }
        if (shown.startsWith(typed, Qt::CaseInsensitive)) {
            started = button;
            ++starts;
        }
    }
    return starts == 1 ? started : std::nullopt;
}

void TerminalUserInterface::setLanguage(Language language) {
    std::lock_guard lock(mutex_);
    language_ = language;
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
