#pragma once
// What a fault guard must leave as it found it: the dispositions of the
// trapped signals and of SIGUSR1 (which it must never touch), the calling
// thread's blocked signals and alternate signal stack, and the floating-point
// rounding mode.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

namespace veldrix::test {

struct SignalSnapshot {
    std::vector<std::uintptr_t> handlers;  // one per watched signal
    std::vector<int> flags;                // sa_flags, same order
    std::vector<int> blocked;              // signal numbers
    std::uintptr_t altStack = 0;           // base address, size and flags
    std::size_t altStackSize = 0;
    int altStackFlags = 0;
    int rounding = 0;

    [[nodiscard]] static SignalSnapshot take();
    bool operator==(const SignalSnapshot&) const = default;
};

// The watched signals: SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGUSR1.
[[nodiscard]] const std::vector<int>& watchedSignals();

void PrintTo(const SignalSnapshot& snapshot, std::ostream* out);

}  // namespace veldrix::test
