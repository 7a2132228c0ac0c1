#pragma once
// Transient status messages. The user-interface thread puts a message into
// a single pending slot; the status thread takes it and hands it to
// UserInterface::showStatusMessage, on the status thread, where the GUI runs
// the blink cycle and the terminal prints it once. A message given while
// another is still pending is dropped, so a burst of errors shows its first.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/StatusBlinkCycle.h"
#include "core/UserInterface.h"

namespace veldrix {

class StatusService {
public:
    // Longest message kept, in bytes; longer ones are cut.
    static constexpr std::size_t kMaxLength = 99;

    explicit StatusService(UserInterface& ui) noexcept : ui_(ui) {}
    // Stops the thread: a message still pending is not shown.
    ~StatusService();
    StatusService(const StatusService&) = delete;
    StatusService& operator=(const StatusService&) = delete;

    // Creates the status thread, parked until a message arrives. Messages
    // posted before wait in the slot. Does nothing when it already runs.
    void start();
    // Wakes the thread to end and waits until it has: a display under way
    // is finished first (a sleeper() wait in it ends at once).
    void stop();
    [[nodiscard]] bool running() const noexcept { return thread_.joinable(); }

    // Stores `text` (cut to kMaxLength) when nothing is pending and wakes
    // the thread. False when it was dropped.
    bool post(std::string text);

    // Shows the pending message now, on the calling thread (a front end
    // about to exit). False when nothing was pending.
    bool drain();

    [[nodiscard]] bool pending() const;

    // A sleeper for the blink cycle run on the status thread: it returns
    // early once stop() was asked, so shutting down never waits out a
    // cycle's pauses.
    [[nodiscard]] StatusBlinkCycle::Sleeper sleeper();

private:
    void threadMain();
    void display(const std::string& text);

    UserInterface& ui_;
    mutable std::mutex slotMutex_;  // guards pending_ and stopping_
    std::condition_variable wake_;
    std::optional<std::string> pending_;
    bool stopping_ = false;
    // Keeps drain() and the thread from showing two messages at once.
    std::mutex displayMutex_;
    std::thread thread_;
};

}  // namespace veldrix
