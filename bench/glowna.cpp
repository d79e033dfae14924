// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the benchmarks that paint: with Qt, text needs the font database of a GUI
// application, which the offscreen platform gives without a display.
#include <benchmark/benchmark.h>

#ifdef VELKORA_BENCH_QT
#include <QGuiApplication>
#endif

int main(int argc, char** argv) {
#ifdef VELKORA_BENCH_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikacja(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
