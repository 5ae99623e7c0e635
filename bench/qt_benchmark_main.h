#pragma once
// main() of the benchmarks that draw through Qt: an offscreen QApplication, numbers in the "C" locale.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <clocale>
#include <cstdlib>

#define VEK_QT_BENCHMARK_MAIN()                                                  \
  int main(int argc, char** argv) {                                              \
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1); \
    QApplication app(argc, argv);                                                \
    std::setlocale(LC_NUMERIC, "C");                                             \
    benchmark::Initialize(&argc, argv);                                          \
    benchmark::RunSpecifiedBenchmarks();                                         \
    benchmark::Shutdown();                                                       \
    return 0;                                                                    \
  }
