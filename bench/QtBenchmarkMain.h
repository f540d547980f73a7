#pragma once

// main() for benchmarks of widgets: a headless application around the run.
#include <QApplication>
#include <benchmark/benchmark.h>

#define TINTARO_QT_BENCHMARK_MAIN()                                                                                    \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
