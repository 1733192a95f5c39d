#pragma once
// The QApplication of the benchmarks that create widgets, on the offscreen
// platform unless another is asked for, and a main() that makes it first.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

namespace tavo::bench {

inline QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

}  // namespace tavo::bench

#define TAVO_QT_BENCHMARK_MAIN()                  \
  int main(int argc, char** argv) {               \
    tavo::bench::qtApplication();                 \
    benchmark::Initialize(&argc, argv);           \
    benchmark::RunSpecifiedBenchmarks();          \
    benchmark::Shutdown();                        \
    return 0;                                     \
  }
