#pragma once
// Keeps the calling thread on one processor while the object lives, so that
// a measurement can put a competitor on the very processor it runs on.

#include <sched.h>

namespace veldrix::platform {

class CpuPin {
public:
    explicit CpuPin(int cpu) noexcept;
    // Puts the thread's previous set of processors back.
    ~CpuPin();
    CpuPin(const CpuPin&) = delete;
    CpuPin& operator=(const CpuPin&) = delete;

    [[nodiscard]] bool pinned() const noexcept { return pinned_; }

    // The processor the calling thread runs on now.
    [[nodiscard]] static int currentCpu() noexcept;

private:
    cpu_set_t previous_{};
    bool pinned_ = false;
};

}  // namespace veldrix::platform
