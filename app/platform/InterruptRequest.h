#pragma once
// Turns SIGINT and SIGTERM into a cancel request while an operation runs, so
// that the operation can stop the chip module (which then powers the board
// down) instead of the process dying with the programming voltages on.

#include <atomic>
#include <csignal>

namespace veldrix::platform {

class InterruptRequest {
public:
    // Installs the handlers. One instance at a time: a second one while the
    // first lives throws std::logic_error.
    InterruptRequest();
    // Puts back the handlers that were there before.
    ~InterruptRequest();
    InterruptRequest(const InterruptRequest&) = delete;
    InterruptRequest& operator=(const InterruptRequest&) = delete;

    // True once for the first SIGINT or SIGTERM received: the cancel is then
    // handed over. A signal that comes while a cancel is pending (asked for,
    // whether handed over or not) gets the signal's default action, so a hung
    // process can still be killed.
    [[nodiscard]] bool takeRequest() noexcept;
    // True when a cancel was asked for since installation, taken or not.
    [[nodiscard]] bool requested() const noexcept;

private:
    struct sigaction previousInterrupt_ {};
    struct sigaction previousTerminate_ {};
};

}  // namespace veldrix::platform
