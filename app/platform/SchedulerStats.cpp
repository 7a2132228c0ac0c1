#include "platform/SchedulerStats.h"

#include <fstream>

namespace veldrix::platform {

std::optional<std::uint64_t> runQueueWaitNanoseconds() {
    // "<time on the cpu> <time waiting on a run queue> <time slices>"
    std::ifstream stats("/proc/self/schedstat");
    std::uint64_t running = 0;
    std::uint64_t waiting = 0;
    if (!(stats >> running >> waiting)) {
        return std::nullopt;
    }
    return waiting;
}

}  // namespace veldrix::platform
