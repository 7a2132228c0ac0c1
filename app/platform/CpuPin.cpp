#include "platform/CpuPin.h"

namespace veldrix::platform {

CpuPin::CpuPin(int cpu) noexcept {
    if (cpu < 0 || cpu >= CPU_SETSIZE || sched_getaffinity(0, sizeof previous_, &previous_) != 0) {
        return;
    }
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(cpu, &only);
    pinned_ = sched_setaffinity(0, sizeof only, &only) == 0;
}

CpuPin::~CpuPin() {
    if (pinned_) {
        (void)sched_setaffinity(0, sizeof previous_, &previous_);
    }
}

int CpuPin::currentCpu() noexcept {
    const int cpu = sched_getcpu();
    return cpu >= 0 ? cpu : 0;
}

}  // namespace veldrix::platform
