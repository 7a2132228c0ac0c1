#include "RecordingUserInterface.h"

#include "dlldata.h"

namespace veldrix::test {

namespace {

const char* paneName(Pane pane) {
    static const char* const names[] = {"Message", "Address", "Chip", "Size", "Vcc", "Vpp", "Vid"};
    return names[static_cast<int>(pane)];
}

std::uint32_t firstButtonOf(std::uint32_t style) {
    switch (style & 0x0F) {
        case DD_MB_ABORTRETRYIGNORE:
            return DD_IDABORT;
        case DD_MB_YESNOCANCEL:
        case DD_MB_YESNO:
            return DD_IDYES;
        case DD_MB_RETRYCANCEL:
            return DD_IDRETRY;
        case DD_MB_OK:
        case DD_MB_OKCANCEL:
            return DD_IDOK;
        default:
            return DD_IDCANCEL;
    }
}

}  // namespace

std::uint32_t RecordingUserInterface::messageBox(std::uint32_t style, const std::string& text) {
    std::lock_guard lock(mutex_);
    events.push_back("box " + std::to_string(style) + " " + text);
    boxes.push_back({style, text});
    if (boxAnswers.empty()) {
        return firstButtonOf(style);
    }
    const std::uint32_t answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

void RecordingUserInterface::showStatusMessage(const std::string& text) {
    std::lock_guard lock(mutex_);
    events.push_back("status " + text);
    statusMessages.push_back(text);
}

void RecordingUserInterface::setPaneText(Pane pane, const std::string& text) {
    std::lock_guard lock(mutex_);
    events.push_back(std::string("pane ") + paneName(pane) + " " + text);
    panes[static_cast<int>(pane)] = text;
}

void RecordingUserInterface::refreshTitle() {
    std::lock_guard lock(mutex_);
    events.push_back("title");
    ++titleRefreshes;
}

void RecordingUserInterface::takeFocus() {
    std::lock_guard lock(mutex_);
    events.push_back("focus take");
}

void RecordingUserInterface::giveFocusBack() {
    std::lock_guard lock(mutex_);
    events.push_back("focus back");
}

void RecordingUserInterface::openProgressWindow(std::int32_t total) {
    std::lock_guard lock(mutex_);
    events.push_back("progress open " + std::to_string(total));
    progressOpen = true;
    progressTotal = total;
    progressPosition = 0;
    progressPercent = 0;
}

void RecordingUserInterface::moveProgressWindow(std::int32_t position, int percent) {
    std::lock_guard lock(mutex_);
    events.push_back("progress move " + std::to_string(position) + " " + std::to_string(percent));
    progressPosition = position;
    progressPercent = percent;
}

bool RecordingUserInterface::pumpProgressEvents() {
    std::lock_guard lock(mutex_);
    if (cancelAnswers.empty()) {
        return false;
    }
    const bool cancel = cancelAnswers.front();
    cancelAnswers.pop_front();
    if (cancel) {
        events.push_back("progress cancel");
    }
    return cancel;
}

void RecordingUserInterface::closeProgressWindow() {
    std::lock_guard lock(mutex_);
    events.push_back("progress close");
    progressOpen = false;
}

std::vector<std::string> RecordingUserInterface::boxTexts() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        texts.push_back(box.text);
    }
    return texts;
}

std::vector<std::string> RecordingUserInterface::statusTexts() const {
    std::lock_guard lock(mutex_);
    return statusMessages;
}

}  // namespace veldrix::test
