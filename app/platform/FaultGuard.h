#pragma once
// Runs a call into foreign code (a chip module, a programmer driver, a port
// probe) so that a processor fault, abort() or a C++ exception inside it
// returns here instead of ending the program.

#include <string>

namespace veldrix::platform {

enum class FaultKind {
    None,                // the call returned normally
    Segmentation,        // SIGSEGV, including stack overflow
    BusError,            // SIGBUS
    FloatingPoint,       // SIGFPE
    IllegalInstruction,  // SIGILL
    Abort,               // SIGABRT
    CxxException,        // a C++ exception left the call
};

// The function run under the guard. It must keep no objects with destructors
// of its own: a fault leaves its frame without unwinding.
using GuardedFunction = void (*)(void* context);

// Runs fn(context). Guards nest, also across threads; the previous signal
// handlers, the signal mask and the floating-point environment are back in
// place when this returns.
[[nodiscard]] FaultKind runGuarded(GuardedFunction fn, void* context) noexcept;

// "SIGSEGV", "C++ exception", ... for logs and tests.
[[nodiscard]] const char* faultName(FaultKind kind) noexcept;

}  // namespace veldrix::platform
