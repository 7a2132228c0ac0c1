#include "SignalSnapshot.h"

#include <cfenv>
#include <csignal>

namespace veldrix::test {

const std::vector<int>& watchedSignals() {
    static const std::vector<int> signals{SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGUSR1};
    return signals;
}

SignalSnapshot SignalSnapshot::take() {
    SignalSnapshot snapshot;
    for (int signo : watchedSignals()) {
        struct sigaction action {};
        sigaction(signo, nullptr, &action);
        snapshot.handlers.push_back(reinterpret_cast<std::uintptr_t>(action.sa_handler));
        snapshot.flags.push_back(action.sa_flags);
    }
    sigset_t mask;
    pthread_sigmask(SIG_SETMASK, nullptr, &mask);
    for (int signo = 1; signo < NSIG; ++signo) {
        if (sigismember(&mask, signo) == 1) {
            snapshot.blocked.push_back(signo);
        }
    }
    stack_t altStack{};
    sigaltstack(nullptr, &altStack);
    snapshot.altStack = reinterpret_cast<std::uintptr_t>(altStack.ss_sp);
    snapshot.altStackSize = altStack.ss_size;
    snapshot.altStackFlags = altStack.ss_flags;
    snapshot.rounding = std::fegetround();
    return snapshot;
}

void PrintTo(const SignalSnapshot& snapshot, std::ostream* out) {
    *out << "{handlers:";
    for (std::size_t i = 0; i < snapshot.handlers.size(); ++i) {
        *out << ' ' << watchedSignals()[i] << "=0x" << std::hex << snapshot.handlers[i] << "/0x"
             << snapshot.flags[i] << std::dec;
    }
    *out << "; blocked:";
    for (int signo : snapshot.blocked) {
        *out << ' ' << signo;
    }
    *out << "; alternate stack: 0x" << std::hex << snapshot.altStack << std::dec << '+'
         << snapshot.altStackSize << " flags " << snapshot.altStackFlags;
    *out << "; rounding: " << snapshot.rounding << '}';
}

}  // namespace veldrix::test
