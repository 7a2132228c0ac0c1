#include "platform/FaultGuard.h"

#include <csignal>

#include "platform/SignalTrap.h"

namespace veldrix::platform {

namespace {

struct GuardedCall {
    GuardedFunction function;
    void* context;
    bool threw;
};

// Between the C trap and the foreign code. A fault jumps over this frame, so
// it holds nothing with a destructor; an exception stops here and never
// reaches the C frames.
void callCatchingExceptions(void* opaque) {
    auto* call = static_cast<GuardedCall*>(opaque);
    try {
        call->function(call->context);
    } catch (...) {
        call->threw = true;
    }
}

FaultKind kindOfSignal(int signo) noexcept {
    switch (signo) {
        case 0:
            return FaultKind::None;
        case SIGBUS:
            return FaultKind::BusError;
        case SIGFPE:
            return FaultKind::FloatingPoint;
        case SIGILL:
            return FaultKind::IllegalInstruction;
        case SIGABRT:
            return FaultKind::Abort;
        default:  // SIGSEGV, the only other signal the trap catches
            return FaultKind::Segmentation;
    }
}

}  // namespace

FaultKind runGuarded(GuardedFunction fn, void* context) noexcept {
    GuardedCall call{fn, context, false};
    const FaultKind kind = kindOfSignal(veldrix_trap_run(callCatchingExceptions, &call));
    if (kind == FaultKind::None && call.threw) {
        return FaultKind::CxxException;
    }
    return kind;
}

const char* faultName(FaultKind kind) noexcept {
    switch (kind) {
        case FaultKind::None:
            return "none";
        case FaultKind::Segmentation:
            return "SIGSEGV";
        case FaultKind::BusError:
            return "SIGBUS";
        case FaultKind::FloatingPoint:
            return "SIGFPE";
        case FaultKind::IllegalInstruction:
            return "SIGILL";
        case FaultKind::Abort:
            return "SIGABRT";
        case FaultKind::CxxException:
            return "C++ exception";
    }
    return "unknown";
}

}  // namespace veldrix::platform
