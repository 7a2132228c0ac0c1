#include "platform/CoarseClock.h"

#include <time.h>

namespace veldrix::platform {

std::uint64_t readCoarseMilliseconds() noexcept {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000u +
           static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
}

}  // namespace veldrix::platform
