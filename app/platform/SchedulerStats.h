#pragma once
// How long the process has waited for a processor while it was ready to run:
// a measurement slowed by other load shows it here.

#include <cstdint>
#include <optional>

namespace veldrix::platform {

// Run-queue wait of the process's main thread since it started, in
// nanoseconds (/proc/self/schedstat); nullopt where the kernel keeps none.
[[nodiscard]] std::optional<std::uint64_t> runQueueWaitNanoseconds();

}  // namespace veldrix::platform
