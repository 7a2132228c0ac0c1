// How long delayMicroseconds really waits, measured on the same counter it
// waits on. Reports, per requested wait, the shortest wait seen (which must
// never be below the request) and the median and 99th-percentile overshoot.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/HighResClock.h"

namespace {

using veldrix::platform::delayMicroseconds;
using veldrix::platform::kCounterFrequency;
using veldrix::platform::readCounter;

constexpr double kTicksPerMicrosecond = static_cast<double>(kCounterFrequency) / 1e6;

double percentile(const std::vector<std::uint64_t>& sorted, double fraction) {
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return static_cast<double>(sorted[index]);
}

void BM_DelayAccuracy(benchmark::State& state) {
    const auto requested = static_cast<std::uint32_t>(state.range(0));
    const std::uint64_t requestedTicks = std::uint64_t{requested} * kCounterFrequency / 1'000'000;
    std::vector<std::uint64_t> waits;
    waits.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const std::uint64_t start = readCounter();
        delayMicroseconds(requested);
        waits.push_back(readCounter() - start);
    }
    std::sort(waits.begin(), waits.end());

    const auto overshootUs = [&](double ticks) {
        return (ticks - static_cast<double>(requestedTicks)) / kTicksPerMicrosecond;
    };
    state.counters["min_us"] = static_cast<double>(waits.front()) / kTicksPerMicrosecond;
    state.counters["median_over_us"] = overshootUs(percentile(waits, 0.50));
    state.counters["p99_over_us"] = overshootUs(percentile(waits, 0.99));
    state.counters["max_over_us"] = overshootUs(static_cast<double>(waits.back()));
    if (waits.front() < requestedTicks) {
        state.SkipWithError("a wait was shorter than requested");
    }
}

// Enough samples for a 99th percentile at every length, bounded to a few
// seconds in all.
BENCHMARK(BM_DelayAccuracy)->Arg(1)->Iterations(200'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(10)->Iterations(50'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(100)->Iterations(10'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(1000)->Iterations(2'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DelayAccuracy)->Arg(10'000)->Iterations(300)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
