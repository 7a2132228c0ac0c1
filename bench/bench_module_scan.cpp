// The scan of the shipped Tessaro modules, each file first loaded by the
// library probe: with no verdict kept (every file probed in a helper
// process, as at a program's first scan) and with the verdicts kept (every
// later scan of unchanged files).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "catalog/ModuleTable.h"
#include "platform/ProbeVerdictCache.h"

namespace {

std::filesystem::path gModuleRoot;  // "Modules for 0.04" of the build tree

void scanOnce(benchmark::State& state, veldrix::ModuleTable& table) {
    table.scan(gModuleRoot, "tessaro", "dmain");
    if (table.size() != 3 || !table.unsafe().empty()) {
        state.SkipWithError("the three shipped modules were not all listed");
    }
}

void BM_ModuleScanColdCache(benchmark::State& state) {
    veldrix::ModuleTable table;
    for (auto _ : state) {
        veldrix::platform::processProbeCache().clear();
        scanOnce(state, table);
    }
}
BENCHMARK(BM_ModuleScanColdCache)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ModuleScanWarmCache(benchmark::State& state) {
    veldrix::ModuleTable table;
    scanOnce(state, table);
    for (auto _ : state) {
        scanOnce(state, table);
    }
}
BENCHMARK(BM_ModuleScanWarmCache)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // The program lives in bench/ of the build tree.
    gModuleRoot =
        std::filesystem::absolute(argv[0]).parent_path().parent_path() / "Modules for 0.04";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
