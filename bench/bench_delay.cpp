// How long delayMicroseconds really waits, measured on the same counter it
// waits on. Reports, per requested wait, the shortest wait seen (which must
// never be below the tick formula's), the median and 99th-percentile
// overshoot beyond the tick formula, and the share of the waiting time that
// the process spent on a processor.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <vector>

#include "SmokeRun.h"
#include "platform/HighResClock.h"

namespace {

using veldrix::bench::iterations;
using veldrix::platform::delayMicroseconds;
using veldrix::platform::delayTicks;
using veldrix::platform::kCounterFrequency;
using veldrix::platform::readCounter;

constexpr double kTicksPerMicrosecond = static_cast<double>(kCounterFrequency) / 1e6;

double percentile(const std::vector<std::uint64_t>& sorted, double fraction) {
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return static_cast<double>(sorted[index]);
}

void BM_DelayAccuracy(benchmark::State& state) {
    const auto requested = static_cast<std::uint32_t>(state.range(0));
    const std::uint64_t formulaTicks = delayTicks(kCounterFrequency, requested);
    std::vector<std::uint64_t> waits;
    waits.reserve(static_cast<std::size_t>(state.max_iterations));
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const std::uint64_t start = readCounter();
        delayMicroseconds(requested);
        waits.push_back(readCounter() - start);
    }
    const std::clock_t cpuUsed = std::clock() - cpuStart;
    std::uint64_t waited = 0;
    for (const std::uint64_t wait : waits) {
        waited += wait;
    }
    std::sort(waits.begin(), waits.end());

    const auto overshootUs = [&](double ticks) {
        return (ticks - static_cast<double>(formulaTicks)) / kTicksPerMicrosecond;
    };
    state.counters["min_us"] = static_cast<double>(waits.front()) / kTicksPerMicrosecond;
    state.counters["median_over_us"] = overshootUs(percentile(waits, 0.50));
    state.counters["p99_over_us"] = overshootUs(percentile(waits, 0.99));
    state.counters["max_over_us"] = overshootUs(static_cast<double>(waits.back()));
    state.counters["cpu_share"] = static_cast<double>(cpuUsed) / CLOCKS_PER_SEC /
                                  (static_cast<double>(waited) / kCounterFrequency);
    if (waits.front() <= formulaTicks) {
        state.SkipWithError("a wait was shorter than the tick formula");
    }
}

// Enough samples for a 99th percentile at every length, bounded to a few
// seconds in all. 999 and 1000 us lie on either side of the switch from
// spinning to sleeping.
BENCHMARK(BM_DelayAccuracy)->Arg(1)->Iterations(iterations(200'000))->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(10)->Iterations(iterations(50'000))->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)
    ->Arg(100)
    ->Iterations(iterations(10'000))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(999)->Iterations(iterations(2'000))->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)
    ->Arg(1000)
    ->Iterations(iterations(2'000))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)
    ->Arg(10'000)
    ->Iterations(iterations(300))
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
