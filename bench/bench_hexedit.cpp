// The hex editor's repaint cost must not grow with the data length: a full
// repaint of an 800 x 600 editor over 1 KB, 1 MB and 16 MB, and paging from
// the top to the bottom of 16 MB with Page Down, repainting after each page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <cstdint>
#include <vector>

#include "QtBenchmarkMain.h"
#include "SmokeRun.h"
#include "hexedit/CHexEditBase.h"

namespace {

using veldrix::CHexEditBase;

std::vector<std::uint8_t> patternData(std::uint32_t length) {
    std::vector<std::uint8_t> data(length);
    for (std::uint32_t i = 0; i < length; ++i) {
        data[i] = static_cast<std::uint8_t>(i * 31 + (i >> 8));
    }
    return data;
}

// The main window's editor: 6 address digits, address and ASCII columns, 16
// bytes per row, some marks and a selection in view.
void showFrameEditor(CHexEditBase& editor, std::vector<std::uint8_t>& data) {
    editor.SetAddressDigits(6, false);
    editor.SetShowAddress(true, false);
    editor.SetShowAscii(true, false);
    editor.SetBytesPerRow(16, false, false);
    editor.SetDataPtr(data.data(), static_cast<std::uint32_t>(data.size()), false);
    editor.resize(800, 600);
    editor.show();
    editor.setFocus();
    QApplication::processEvents();
}

void BM_FullRepaint800x600(benchmark::State& state) {
    auto data = patternData(static_cast<std::uint32_t>(state.range(0)));
    CHexEditBase editor;
    showFrameEditor(editor, data);
    // Show the middle of the data, so the rows drawn lie deep inside it.
    editor.SetTopLine(editor.hexLayout().maxTopRow / 2, false);
    const std::uint32_t first = editor.topRow() * 16;
    editor.SetMarks(first + 20, 8, true, false);
    editor.SetSelection(first + 40, first + 90, false, false);
    editor.SetCaret(first + 100, true);
    for (auto _ : state) {
        editor.viewport()->repaint();
    }
    state.counters["rows"] = editor.hexLayout().rows;
}
BENCHMARK(BM_FullRepaint800x600)
    ->Arg(1 << 10)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMicrosecond);

void BM_PageDownThrough16MB(benchmark::State& state) {
    // Paging through 16 MB takes minutes; a smoke run pages through 64 KB.
    auto data = patternData(veldrix::bench::smokeRun() ? 64 << 10 : 16 << 20);
    CHexEditBase editor;
    showFrameEditor(editor, data);
    const std::uint32_t last = static_cast<std::uint32_t>(data.size()) - 1;
    std::int64_t presses = 0;
    for (auto _ : state) {
        editor.SetCaret(0, true);
        editor.SetTopLine(0, false);
        while (editor.caret() != last) {
            QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QApplication::sendEvent(&editor, &pageDown);
            editor.viewport()->repaint();
            ++presses;
        }
    }
    state.counters["presses"] =
        benchmark::Counter(static_cast<double>(presses), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PageDownThrough16MB)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return veldrix::bench::runWidgetBenchmarks(argc, argv);
}
