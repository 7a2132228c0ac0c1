#pragma once
// Puts a recognisable handler on every watched signal for the life of the
// object and the original ones back after, so a test can see that a guard
// restored exactly what it found. The sentinel counts the signals sent to it;
// a processor fault reaching it ends the test program, since returning would
// only repeat the fault.

#include <csignal>
#include <vector>

namespace veldrix::test {

class SentinelHandlers {
public:
    SentinelHandlers();
    ~SentinelHandlers();
    SentinelHandlers(const SentinelHandlers&) = delete;
    SentinelHandlers& operator=(const SentinelHandlers&) = delete;

    // Signals of that number the sentinel has received since construction.
    [[nodiscard]] static int received(int signo);

private:
    std::vector<struct sigaction> originals_;
};

}  // namespace veldrix::test
