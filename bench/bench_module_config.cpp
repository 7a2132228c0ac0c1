// How fast a module configuration file is read: a generated file of 10 000
// chips with parameters and algorithm lists, and a few algorithm records.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "catalog/LoadModuleConfig.h"
#include "catalog/ModuleConfigReader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kChips = 10000;
constexpr int kAlgorithms = 16;

std::string generatedConfig() {
    std::string text = "; generated for the benchmark\r\n";
    char line[128];
    for (int a = 1; a <= kAlgorithms; ++a) {
        std::snprintf(line, sizeof line, "algdef=Alg%d\r\nTpw=%d\r\nRetries=25\r\nTwr=10K\r\n\r\n",
                      a, 100 * a);
        text += line;
    }
    const char* const sizes[] = {"8K", "0x8000", "16384x16", "1M", "8000h", "512"};
    for (int c = 0; c < kChips; ++c) {
        std::snprintf(line, sizeof line,
                      "chip=27C%05d\r\nmfr=Maker %d\r\nsize=%s\r\nvcc=50\r\nvpp=%d\r\n", c, c % 7,
                      sizes[c % 6], 120 + c % 10);
        text += line;
        std::snprintf(line, sizeof line, "alguse=%d,%d,%d\r\nTpw=%d\r\nDelay=%dK\r\n\r\n",
                      1 + c % kAlgorithms, 1 + (c + 1) % kAlgorithms, 1 + (c + 2) % 9, 50 + c % 100,
                      c % 20);
        text += line;
    }
    return text;
}

class GeneratedModule {
public:
    GeneratedModule() {
        root_ =
            fs::temp_directory_path() / ("veldrix-bench-" + std::to_string(std::random_device()()));
        fs::create_directories(root_ / "tessaro");
        std::ofstream(root_ / "tessaro" / "bench.cfg", std::ios::binary) << generatedConfig();
    }
    ~GeneratedModule() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    GeneratedModule(const GeneratedModule&) = delete;
    GeneratedModule& operator=(const GeneratedModule&) = delete;

    [[nodiscard]] const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

void reportChips(benchmark::State& state, const veldrix::ModuleCatalog& catalog) {
    if (catalog.chipCount() != kChips || catalog.algorithmCount() != kAlgorithms) {
        state.SkipWithError("the generated file was not read completely");
        return;
    }
    state.counters["chips/s"] =
        benchmark::Counter(kChips, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_LoadModuleConfig(benchmark::State& state) {
    const GeneratedModule module;
    veldrix::ModuleCatalog catalog;
    for (auto _ : state) {
        if (!veldrix::LoadModuleConfig(catalog, module.root(), "tessaro", "bench")) {
            state.SkipWithError("the generated file could not be read");
            return;
        }
        benchmark::DoNotOptimize(catalog.chipCount());
    }
    reportChips(state, catalog);
}
BENCHMARK(BM_LoadModuleConfig)->Unit(benchmark::kMillisecond);

void BM_ParseModuleConfigInMemory(benchmark::State& state) {
    const std::string text = generatedConfig();
    veldrix::ModuleCatalog catalog;
    for (auto _ : state) {
        veldrix::ParseModuleConfig(catalog, text);
        benchmark::DoNotOptimize(catalog.chipCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    reportChips(state, catalog);
}
BENCHMARK(BM_ParseModuleConfigInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
