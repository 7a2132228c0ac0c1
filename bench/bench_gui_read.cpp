// A 512 KB calypso Read on the simulated board through the main window (the
// progress window opened, moved and pumped for events) and through the
// engine with a user interface that shows nothing. One engine lives in a
// process at a time (the call block's callbacks are the process's), so the
// two take turns: repetitions of both in random order, so both see the same
// load on the machine. The window may cost at most 5 %: the ratios of the
// fastest repetitions (the least disturbed by other work on the machine) and
// of the medians are printed at the end (goal <= 1.05). Real time is what
// counts: the module's waits spin on the clock, so a repetition's CPU time
// shrinks whenever the machine hands the processor to someone else.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "QtBenchmarkMain.h"
#include "SilentUserInterface.h"
#include "SimulatorSession.h"
#include "core/Application.h"
#include "frame/CMainFrame.h"
#include "frame/FrameCommandIds.h"
#include "frame/GuiSession.h"

namespace {

using veldrix::Command;
using veldrix::Verdict;
using veldrix::bench::SimulatorSession;

constexpr const char* kChip = "W27C040";  // 512 KB
constexpr std::uint32_t kChipBytes = 512 * 1024;
constexpr int kRepetitions = 12;

bool readWhole(benchmark::State& state, const veldrix::Application& engine) {
    if (engine.callBlock().size != kChipBytes ||
        engine.operations().lastOutcome().verdict != Verdict::Success) {
        state.SkipWithError("the 512 KB read did not succeed");
        return false;
    }
    return true;
}

void BM_Read512KThroughTheWindow(benchmark::State& state) {
    const SimulatorSession simulator(kChip);
    veldrix::GuiSession session(simulator.store(), SimulatorSession::kBaseDirectory);
    if (!session.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    for (auto _ : state) {
        session.frame()->execute(veldrix::cmd::kRead);
        if (!readWhole(state, session.engine())) {
            break;
        }
    }
}
BENCHMARK(BM_Read512KThroughTheWindow)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(kRepetitions);

void BM_Read512KSilent(benchmark::State& state) {
    const SimulatorSession simulator(kChip);
    veldrix::bench::SilentUserInterface ui;
    veldrix::Application engine(ui, simulator.store(), SimulatorSession::kBaseDirectory);
    if (!engine.start()) {
        state.SkipWithError("the engine did not start");
        return;
    }
    for (auto _ : state) {
        engine.operations().run(Command::Read);
        if (!readWhole(state, engine)) {
            break;
        }
    }
}
BENCHMARK(BM_Read512KSilent)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(kRepetitions);

// Prints the runs as usual, then the window's cost from the repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::vector<double>& window = times_["BM_Read512KThroughTheWindow"];
        const std::vector<double>& silent = times_["BM_Read512KSilent"];
        if (window.empty() || silent.empty()) {
            return;
        }
        std::printf(
            "Read through the window / silent, real time (goal <= 1.05): fastest %.3f, median "
            "%.3f\n",
            fastest(window) / fastest(silent), median(window) / median(silent));
    }

private:
    static double fastest(const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    }
    static double median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    std::map<std::string, std::vector<double>> times_;  // real times by benchmark
};

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    // Repetitions of the two take turns in random order.
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    return veldrix::bench::runWidgetBenchmarks(argc, argv, &reporter, {interleave});
}
