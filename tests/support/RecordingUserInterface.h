#pragma once
// A user interface that records every request in order and answers message
// boxes and cancel requests from scripted queues. Its requests may come from
// more than one thread (status messages arrive on the status thread); read
// the records once those threads have ended.

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "core/UserInterface.h"

namespace veldrix::test {

class RecordingUserInterface : public UserInterface {
public:
    struct Box {
        std::uint32_t style;
        std::string text;
    };

    // Everything that happened, one line each ("box 0 text", "status text",
    // "pane Message Ready", "focus take", "progress open 512", ...).
    std::vector<std::string> events;
    std::vector<Box> boxes;
    std::vector<std::string> statusMessages;
    std::string panes[7];
    int titleRefreshes = 0;
    bool progressOpen = false;
    std::int32_t progressTotal = 0;
    std::int32_t progressPosition = 0;
    int progressPercent = 0;

    // Button identifiers to answer the next message boxes with; when empty,
    // the first button of the style (DD_IDCANCEL for a style without buttons,
    // which can only be closed).
    std::deque<std::uint32_t> boxAnswers;
    // Answers for the next progress pumps: true means the user cancelled.
    std::deque<bool> cancelAnswers;

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

    [[nodiscard]] const std::string& pane(Pane p) const { return panes[static_cast<int>(p)]; }
    // Texts of all message boxes shown so far.
    [[nodiscard]] std::vector<std::string> boxTexts() const;
    // Status messages shown so far.
    [[nodiscard]] std::vector<std::string> statusTexts() const;

protected:
    mutable std::mutex mutex_;
};

}  // namespace veldrix::test
