#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

// The main() of benchmarks that draw: images and fonts need a QGuiApplication,
// which runs on the offscreen platform so no display is needed.
#define QUILLMARK_GUI_BENCHMARK_MAIN()                     \
    int main(int argc, char **argv)                        \
    {                                                      \
        qputenv("QT_QPA_PLATFORM", "offscreen");           \
        QGuiApplication app(argc, argv);                   \
        benchmark::Initialize(&argc, argv);                \
        benchmark::RunSpecifiedBenchmarks();               \
        return 0;                                          \
    }
