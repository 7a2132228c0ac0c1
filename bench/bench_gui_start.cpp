// From the program's start to its main window on the screen, with the
// family, driver, port, module and chip restored on the simulated board:
// settings read, window built, driver bound, module loaded, chip applied.
// Goal: 300 ms on the development machine.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <memory>

#include "QtBenchmarkMain.h"
#include "SimulatorSession.h"
#include "frame/CMainFrame.h"
#include "frame/GuiSession.h"

namespace {

using veldrix::GuiSession;
using veldrix::bench::SimulatorSession;

bool shown(veldrix::CMainFrame* frame) {
    return frame != nullptr && frame->windowHandle() != nullptr &&
           frame->windowHandle()->isExposed();
}

void BM_StartToMainWindowShown(benchmark::State& state) {
    const SimulatorSession simulator("W27C512");
    for (auto _ : state) {
        auto session =
            std::make_unique<GuiSession>(simulator.store(), SimulatorSession::kBaseDirectory);
        if (!session->start()) {
            state.SkipWithError("the program did not start");
            break;
        }
        while (!shown(session->frame())) {
            QApplication::processEvents();
        }
        state.PauseTiming();
        if (session->engine().modules().appliedChip() == nullptr) {
            state.SkipWithError("no chip restored");
        }
        session.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToMainWindowShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    return veldrix::bench::runWidgetBenchmarks(argc, argv);
}
