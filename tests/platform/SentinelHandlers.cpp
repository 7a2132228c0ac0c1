#include "SentinelHandlers.h"

#include <unistd.h>

#include <array>
#include <atomic>

#include "SignalSnapshot.h"

namespace veldrix::test {

namespace {

std::array<std::atomic<int>, NSIG> counts;

// Exit status of a test program that a fault escaped the guard in.
constexpr int kEscapedFault = 86;

void sentinel(int signo, siginfo_t* info, void*) {
    if (info->si_code > 0) {
        static const char message[] = "a processor fault reached the sentinel handler\n";
        (void)!write(STDERR_FILENO, message, sizeof message - 1);
        _exit(kEscapedFault);
    }
    counts[signo].fetch_add(1);
}

}  // namespace

SentinelHandlers::SentinelHandlers() {
    for (auto& count : counts) {
        count = 0;
    }
    for (int signo : watchedSignals()) {
        struct sigaction ours {};
        ours.sa_sigaction = sentinel;
        ours.sa_flags = SA_SIGINFO;
        sigemptyset(&ours.sa_mask);
        struct sigaction original {};
        sigaction(signo, &ours, &original);
        originals_.push_back(original);
    }
}

SentinelHandlers::~SentinelHandlers() {
    for (std::size_t i = 0; i < originals_.size(); ++i) {
        sigaction(watchedSignals()[i], &originals_[i], nullptr);
    }
}

int SentinelHandlers::received(int signo) {
    return counts[signo].load();
}

}  // namespace veldrix::test
