// Whole operations of the engine that veldrix-cli drives, on the simulated
// board, against the waits the module asks for (the overhead ratio), and the
// time from start-up to the first bus word.

#include <benchmark/benchmark.h>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "SilentUserInterface.h"
#include "core/Application.h"

namespace {

using Clock = std::chrono::steady_clock;

std::filesystem::path gBuildRoot;  // where veldrix-cli, Hardware/ and the modules are

// The call block's delay and bdport, wrapped to count the waits asked for and
// to note the first bus word.
dd_delay_fn gDelay = nullptr;
dd_bdport_fn gBdport = nullptr;
std::uint64_t gWaitedMicroseconds = 0;
Clock::time_point gFirstBusWord;
bool gBusWordSeen = false;

void countingDelay(std::uint32_t microseconds) {
    gWaitedMicroseconds += microseconds;
    gDelay(microseconds);
}

std::uint8_t notingBdport(std::uint32_t word) {
    if (!gBusWordSeen) {
        gFirstBusWord = Clock::now();
        gBusWordSeen = true;
    }
    return gBdport(word);
}

struct Rig {
    std::filesystem::path dir;
    veldrix::bench::SilentUserInterface ui;
    std::unique_ptr<veldrix::Application> app;

    explicit Rig(const char* chip) {
        dir = std::filesystem::temp_directory_path() /
              ("veldrix-bench-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        setenv("VELDRIX_SIM_DIR", (dir / "sim").c_str(), 1);
        app = std::make_unique<veldrix::Application>(
            ui,
            veldrix::SettingsStore::openFile(QString::fromStdString((dir / "s.ini").string()),
                                             gBuildRoot),
            gBuildRoot);
        veldrix::StartChoices choices;
        choices.family = 1;
        choices.port = "SIM";
        choices.module = "calypso";
        choices.chip = chip;
        if (!app->start(choices) || app->modules().savedChip() != chip ||
            !app->ports().simulatorSelected()) {
            app.reset();
            return;
        }
        dlldata& block = app->callBlock();
        gDelay = block.delay;
        block.delay = countingDelay;
        gBdport = block.bdport;
        block.bdport = notingBdport;
    }
    ~Rig() {
        app.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
};

// Reports wall time per operation and the ratio to the module's own waits.
void runOperation(benchmark::State& state, const char* chip, veldrix::Command command) {
    Rig rig(chip);
    if (!rig.app) {
        state.SkipWithError("the simulated board or the calypso module is not available");
        return;
    }
    auto& general = rig.app->settings().settings().general;
    general.checkwr = 1;
    general.conformation = 0;
    // A pattern with every bit programmed somewhere, so no byte is skipped as erased.
    veldrix::DataBuffer& buffer = rig.app->buffer();
    for (std::uint32_t i = 0; i < buffer.length(); ++i) {
        buffer.data()[i] = static_cast<std::uint8_t>((i * 7) ^ 0x5A);
    }
    double wall = 0;
    std::uint64_t waits = 0;
    for (auto _ : state) {
        if (command == veldrix::Command::Write) {
            state.PauseTiming();
            rig.app->operations().run(veldrix::Command::Erase);
            state.ResumeTiming();
        }
        gWaitedMicroseconds = 0;
        const auto start = Clock::now();
        rig.app->operations().run(command);
        wall += std::chrono::duration<double>(Clock::now() - start).count();
        waits += gWaitedMicroseconds;
        if (rig.app->operations().lastOutcome().result != 0) {
            state.SkipWithError("the operation failed");
            return;
        }
    }
    const double waitSeconds = static_cast<double>(waits) / 1e6;
    state.counters["waits_s"] = waitSeconds / static_cast<double>(state.iterations());
    state.counters["overhead_ratio"] = waitSeconds > 0 ? wall / waitSeconds : 0;
}

void BM_CalypsoRead512K(benchmark::State& state) {
    runOperation(state, "W27C040", veldrix::Command::Read);
}
BENCHMARK(BM_CalypsoRead512K)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_CalypsoWrite64KCheckwr(benchmark::State& state) {
    runOperation(state, "W27C512", veldrix::Command::Write);
}
BENCHMARK(BM_CalypsoWrite64KCheckwr)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// From constructing the engine to the first bus word of a Read ID.
void BM_StartUpToFirstBusWord(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = Clock::now();
        Rig rig("W27C512");
        if (!rig.app) {
            state.SkipWithError("the simulated board or the calypso module is not available");
            return;
        }
        gBusWordSeen = false;
        rig.app->operations().run(veldrix::Command::ReadId);
        state.SetIterationTime(std::chrono::duration<double>(gFirstBusWord - start).count());
        state.PauseTiming();
        rig.app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstBusWord)->Unit(benchmark::kMillisecond)->UseManualTime();

// The whole program: `veldrix-cli id` on the simulated board, process start to exit.
void BM_CliProcessReadId(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("veldrix-bench-cli-process-" + std::to_string(::getpid()));
    const QString cli = QString::fromStdString((gBuildRoot / "veldrix-cli").string());
    const QString ini = QString::fromStdString((dir / "s.ini").string());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELDRIX_SIM_DIR", QString::fromStdString((dir / "sim").string()));
    const auto run = [&](QStringList arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(cli, QStringList{"--settings", ini} + arguments);
        return process.waitForFinished(-1) && process.exitCode() == 0;
    };
    if (!run({"--family", "tessaro", "--port", "SIM", "--module", "calypso", "--chip", "W27C512",
              "modules"})) {
        state.SkipWithError("veldrix-cli is not available");
        return;
    }
    for (auto _ : state) {
        if (!run({"id"})) {
            state.SkipWithError("veldrix-cli id failed");
            break;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
BENCHMARK(BM_CliProcessReadId)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // The program lives in bench/ of the build tree.
    gBuildRoot = std::filesystem::absolute(argv[0]).parent_path().parent_path();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
