#include "platform/InterruptRequest.h"

#include <stdexcept>

namespace veldrix::platform {
namespace {

enum State : int { kIdle = 0, kInstalled = 1, kRequested = 2, kTaken = 3 };

// Read and written from the signal handler: must not take a lock.
std::atomic<int> gState{kIdle};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onInterrupt(int signal) {
    int expected = kInstalled;
    if (gState.compare_exchange_strong(expected, kRequested)) {
        return;
    }
    // A cancel is already pending: the user insists. The signal is blocked
    // while this handler runs, so it is delivered with its default action
    // as soon as the handler returns.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

void install(int signal, struct sigaction& previous) {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // Restart interrupted reads and writes: the other threads print, and a
    // failed write would lose their output.
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, &previous);
}

}  // namespace

InterruptRequest::InterruptRequest() {
    int expected = kIdle;
    if (!gState.compare_exchange_strong(expected, kInstalled)) {
        throw std::logic_error("InterruptRequest: already installed");
    }
    install(SIGINT, previousInterrupt_);
    install(SIGTERM, previousTerminate_);
}

InterruptRequest::~InterruptRequest() {
    ::sigaction(SIGTERM, &previousTerminate_, nullptr);
    ::sigaction(SIGINT, &previousInterrupt_, nullptr);
    gState.store(kIdle);
}

bool InterruptRequest::takeRequest() noexcept {
    int expected = kRequested;
    return gState.compare_exchange_strong(expected, kTaken);
}

bool InterruptRequest::requested() const noexcept {
    const int state = gState.load();
    return state == kRequested || state == kTaken;
}

}  // namespace veldrix::platform
