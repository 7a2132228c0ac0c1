// Whole operations of the engine that veldrix-cli drives, on the simulated
// board, against the waits the module asks for (the overhead ratio), alone
// and beside a competitor on the same processor; the processor time an
// Erase takes; and the time from start-up to the first bus word. Each
// reports how long the process waited for a processor meanwhile
// (runq_wait_ms), so that a run slowed by other load shows as such.

#include <benchmark/benchmark.h>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "CpuCompetitor.h"
#include "SilentUserInterface.h"
#include "SmokeRun.h"
#include "core/Application.h"
#include "platform/CpuPin.h"
#include "platform/SchedulerStats.h"

namespace {

using Clock = std::chrono::steady_clock;
using veldrix::bench::iterations;

// The share of a processor the competitor takes, as in a busy desktop.
constexpr double kCompetitorShare = 0.14;

// The chip an operation is measured on; a smoke run takes the smallest
// calypso chip, as a whole Write of a larger one takes many seconds.
const char* chipFor(const char* measured) {
    return veldrix::bench::smokeRun() ? "W27E257" : measured;
}

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

// A folder of this process for settings and chip contents, gone afterwards.
struct ScratchFolder {
    std::filesystem::path dir;

    explicit ScratchFolder(const std::string& prefix)
        : dir(std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
};

struct Rig {
    ScratchFolder scratch{"veldrix-bench-cli-"};
    const std::filesystem::path& dir = scratch.dir;
    veldrix::bench::SilentUserInterface ui;
    std::unique_ptr<veldrix::Application> app;

    explicit Rig(const char* chip) {
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
};

// How long the process waited for a processor over the measured stretches,
// in milliseconds per iteration.
class RunQueueWait {
public:
    void begin() { start_ = veldrix::platform::runQueueWaitNanoseconds(); }
    void end() {
        const auto now = veldrix::platform::runQueueWaitNanoseconds();
        known_ = known_ && start_ && now;
        if (known_) {
            total_ += *now - *start_;
        }
    }
    void report(benchmark::State& state) const {
        if (known_) {
            state.counters["runq_wait_ms"] =
                static_cast<double>(total_) / 1e6 / static_cast<double>(state.iterations());
        }
    }

private:
    std::optional<std::uint64_t> start_;
    std::uint64_t total_ = 0;
    bool known_ = true;
};

// Reports wall time per operation and the ratio to the module's own waits.
void runOperation(benchmark::State& state, const char* chip, veldrix::Command command) {
    Rig rig(chipFor(chip));
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
    RunQueueWait runQueue;
    double wall = 0;
    std::uint64_t waits = 0;
    for (auto _ : state) {
        if (command == veldrix::Command::Write) {
            state.PauseTiming();
            rig.app->operations().run(veldrix::Command::Erase);
            state.ResumeTiming();
        }
        gWaitedMicroseconds = 0;
        runQueue.begin();
        const auto start = Clock::now();
        rig.app->operations().run(command);
        wall += std::chrono::duration<double>(Clock::now() - start).count();
        runQueue.end();
        waits += gWaitedMicroseconds;
        if (rig.app->operations().lastOutcome().result != 0) {
            state.SkipWithError("the operation failed");
            return;
        }
    }
    const double waitSeconds = static_cast<double>(waits) / 1e6;
    state.counters["waits_s"] = waitSeconds / static_cast<double>(state.iterations());
    state.counters["overhead_ratio"] = waitSeconds > 0 ? wall / waitSeconds : 0;
    runQueue.report(state);
}

void BM_CalypsoRead512K(benchmark::State& state) {
    runOperation(state, "W27C040", veldrix::Command::Read);
}
BENCHMARK(BM_CalypsoRead512K)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(iterations(3))
    ->UseRealTime();

void BM_CalypsoWrite64KCheckwr(benchmark::State& state) {
    runOperation(state, "W27C512", veldrix::Command::Write);
}
BENCHMARK(BM_CalypsoWrite64KCheckwr)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(iterations(2))
    ->UseRealTime();

// The same beside a thread that takes 14 % of the processor this one runs on.
void BM_CalypsoWrite64KCheckwrCompeting(benchmark::State& state) {
    const int cpu = veldrix::platform::CpuPin::currentCpu();
    const veldrix::platform::CpuPin pin(cpu);
    const veldrix::bench::CpuCompetitor competitor(cpu, kCompetitorShare);
    runOperation(state, "W27C512", veldrix::Command::Write);
}
BENCHMARK(BM_CalypsoWrite64KCheckwrCompeting)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(iterations(2))
    ->UseRealTime();

// The processor time an Erase takes against its wall time: its long waits
// must sleep, not spin.
void BM_CalypsoEraseCpuShare(benchmark::State& state) {
    Rig rig(chipFor("W27C512"));
    if (!rig.app) {
        state.SkipWithError("the simulated board or the calypso module is not available");
        return;
    }
    RunQueueWait runQueue;
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        runQueue.begin();
        const std::clock_t cpuStart = std::clock();
        const auto start = Clock::now();
        rig.app->operations().run(veldrix::Command::Erase);
        wall += std::chrono::duration<double>(Clock::now() - start).count();
        cpu += static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        runQueue.end();
        if (rig.app->operations().lastOutcome().result != 0) {
            state.SkipWithError("the erase failed");
            return;
        }
    }
    state.counters["cpu_share"] = wall > 0 ? cpu / wall : 0;
    runQueue.report(state);
}
BENCHMARK(BM_CalypsoEraseCpuShare)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(iterations(5))
    ->UseRealTime();

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
    const ScratchFolder scratch("veldrix-bench-cli-process-");
    const std::filesystem::path& dir = scratch.dir;
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
