// Printing a 1,000-row, 4-column grid report to a PDF file.
#include <benchmark/benchmark.h>

#include <QPrinter>

#include "bench/format_fixture.h"
#include "bench/qt_fixture.h"
#include "common/widgets/TPrintGrid.h"
#include "common/widgets/TQxGrid.h"
#include "platform/QtText.h"

namespace {

void BM_PrintGrid1000x4ToPdf(benchmark::State& state) {
  tavo::bench::qtApplication();
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

TAVO_QT_BENCHMARK_MAIN()
