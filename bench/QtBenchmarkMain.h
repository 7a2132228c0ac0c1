#pragma once
// The main function of a benchmark program that drives widgets: a
// QApplication, offscreen unless a platform is chosen, around the run.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

namespace veldrix::bench {

// `defaultFlags` go before the command line's own (which may override them);
// `reporter` null: the standard console output.
inline int runWidgetBenchmarks(int argc, char** argv,
                               benchmark::BenchmarkReporter* reporter = nullptr,
                               std::vector<char*> defaultFlags = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::vector<char*> arguments(argv, argv + argc);
    arguments.insert(arguments.begin() + 1, defaultFlags.begin(), defaultFlags.end());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace veldrix::bench
