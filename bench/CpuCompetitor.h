#pragma once
// Another load on the processor a measurement runs on: a thread pinned there
// that spins `share` of every 10 ms (wall time) and sleeps the rest.

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/CpuPin.h"

namespace veldrix::bench {

class CpuCompetitor {
public:
    CpuCompetitor(int cpu, double share) : thread_([this, cpu, share] { compete(cpu, share); }) {}
    ~CpuCompetitor() {
        stop_ = true;
        thread_.join();
    }
    CpuCompetitor(const CpuCompetitor&) = delete;
    CpuCompetitor& operator=(const CpuCompetitor&) = delete;

private:
    void compete(int cpu, double share) {
        using Clock = std::chrono::steady_clock;
        const platform::CpuPin pin(cpu);
        const auto period = std::chrono::milliseconds(10);
        const auto busy = std::chrono::duration_cast<Clock::duration>(period * share);
        while (!stop_) {
            const auto start = Clock::now();
            while (Clock::now() - start < busy) {
            }
            std::this_thread::sleep_until(start + period);
        }
    }

    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

}  // namespace veldrix::bench
