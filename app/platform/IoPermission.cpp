#include "platform/IoPermission.h"

#include <unistd.h>

#include "platform/FaultGuard.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VELDRIX_HAS_PORT_INSTRUCTIONS 1
#else
#define VELDRIX_HAS_PORT_INSTRUCTIONS 0
#endif

namespace veldrix::platform {

namespace {

#if VELDRIX_HAS_PORT_INSTRUCTIONS
// Runs under the fault guard: a port instruction without permission raises
// SIGSEGV, which the guard turns into a failed probe.
void readAndWriteBack(void* context) {
    const auto port = *static_cast<const std::uint16_t*>(context);
    outb(inb(port), port);
}
#endif

}  // namespace

bool grantIoPermission(std::uint16_t first, std::uint16_t count) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    return count != 0 && ioperm(first, count, 1) == 0;
#else
    (void)first;
    (void)count;
    return false;
#endif
}

void releaseIoPermission(std::uint16_t first, std::uint16_t count) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    if (count != 0) {
        (void)ioperm(first, count, 0);
    }
#else
    (void)first;
    (void)count;
#endif
}

bool probePort(std::uint16_t port) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    return runGuarded(&readAndWriteBack, &port) == FaultKind::None;
#else
    (void)port;
    return false;
#endif
}

bool deviceReadWritable(const std::string& path) {
    return !path.empty() && access(path.c_str(), R_OK | W_OK) == 0;
}

}  // namespace veldrix::platform
