// What the progress window costs a module that reports every word: the
// reports of a 512 KB 8-bit chip through the widget user interface (window
// moved, events pumped when due) against the same reports through a user
// interface that shows nothing. The throttled pump keeps the two close.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "QtBenchmarkMain.h"
#include "SilentUserInterface.h"
#include "core/ProgressService.h"
#include "dlldata.h"
#include "frame/GuiUserInterface.h"

namespace {

constexpr std::uint32_t kChipBytes = 512 * 1024;

// One whole operation: every position reported, the last one closes.
void reportEveryWord(veldrix::UserInterface& ui, benchmark::State& state) {
    dlldata block{};
    block.size = kChipBytes;
    block.bits = 8;
    veldrix::ProgressService progress(block, ui);
    for (auto _ : state) {
        for (std::int32_t position = 0; position <= static_cast<std::int32_t>(kChipBytes);
             ++position) {
            benchmark::DoNotOptimize(progress.progress(position, DD_PROGRESS_SET));
        }
    }
    state.counters["reports/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * (kChipBytes + 1), benchmark::Counter::kIsRate);
}

void BM_ProgressReports512KSilent(benchmark::State& state) {
    veldrix::bench::SilentUserInterface ui;
    reportEveryWord(ui, state);
}
BENCHMARK(BM_ProgressReports512KSilent)->Unit(benchmark::kMillisecond);

void BM_ProgressReports512KWindow(benchmark::State& state) {
    veldrix::GuiUserInterface ui;
    reportEveryWord(ui, state);
}
BENCHMARK(BM_ProgressReports512KWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return veldrix::bench::runWidgetBenchmarks(argc, argv);
}
