#pragma once
// CTest runs every benchmark once (VELDRIX_BENCH_SMOKE set) to prove that it
// still works; the figures of such a run mean nothing.

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace veldrix::bench {

[[nodiscard]] inline bool smokeRun() {
    static const bool smoke = std::getenv("VELDRIX_BENCH_SMOKE") != nullptr;
    return smoke;
}

// A benchmark's fixed iteration count, or one in a smoke run.
[[nodiscard]] inline benchmark::IterationCount iterations(benchmark::IterationCount measured) {
    return smokeRun() ? 1 : measured;
}

}  // namespace veldrix::bench
