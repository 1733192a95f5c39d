// Printing a 1,000-row, 4-column grid report to a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPrinter>
#include <cstdlib>

#include "bench/format_fixture.h"
#include "common/widgets/TPrintGrid.h"
#include "common/widgets/TQxGrid.h"
#include "platform/QtText.h"

namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_grid_print";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

void BM_PrintGrid1000x4ToPdf(benchmark::State& state) {
  application();
  tavo::TQxGrid grid;
  grid.setColCount(5);
  grid.setTitles({"", "Picture", "Caption", "Link", "Time"});
  grid.showTitles();
  grid.setRowCount(1001);
  for (int r = 1; r <= 1000; ++r) {
    grid.setCell(1, r, QString("pictures/harbour-%1.jpg").arg(r));
    grid.setCell(2, r, QString("The harbour at dawn, picture %1").arg(r));
    grid.setCell(3, r, QString("Slideshow Harbour %1").arg(r));
    grid.setCell(4, r, "00:15");
  }
  for (int c = 1; c <= 4; ++c) grid.setColWidth(c, 160);
  const QString file = tavo::platform::fromPath(tavo::bench::benchFolder() + "report.pdf");
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    tavo::TPrintGrid report(printer);
    report.title = "Harbour Town";
    report.printGrid(grid);
  }
}
BENCHMARK(BM_PrintGrid1000x4ToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
  application();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
