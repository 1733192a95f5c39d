// The editable grid with big files: loadFromFile of a 10,000-line two-column
// file into a grid on screen, and one paint of the grid's visible part after
// scrolling to the end, with 100 and with 10,000 rows (what scrolling and
// typing cost; it must not grow with the rows).
#include <benchmark/benchmark.h>

#include <QPixmap>
#include <QScrollBar>
#include <string>

#include "bench/format_fixture.h"
#include "bench/qt_fixture.h"
#include "common/FileText.h"
#include "common/widgets/TQxGrid.h"
#include "platform/QtText.h"

namespace {

QString tickerFile(int lines) {
  const std::string path = tavo::bench::benchFolder() + "ticker-" + std::to_string(lines) + ".txt";
  std::string text;
  for (int i = 1; i <= lines; ++i)
    text += "Harbour news item " + std::to_string(i) + ": ferries run every twenty minutes|http://harbour.example/" +
            std::to_string(i) + "\r\n";
  tavo::writeFileAtomic(path, text);
  return tavo::platform::fromPath(path);
}

struct ShownGrid {
  ShownGrid() {
    tavo::bench::qtApplication();
    grid.setFixedCols(0);
    grid.setColCount(2);
    grid.setColWidth(0, 400);
    grid.setColWidth(1, 250);
    grid.resize(700, 400);
    grid.show();
    QApplication::processEvents();
  }
  tavo::TQxGrid grid;
};

void BM_LoadFromFile10000(benchmark::State& state) {
  const QString file = tickerFile(10000);
  ShownGrid g;
  for (auto _ : state) {
    g.grid.loadFromFile(file);
    benchmark::DoNotOptimize(g.grid.RowCount());
  }
  state.counters["rows"] = g.grid.RowCount();
}
BENCHMARK(BM_LoadFromFile10000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_PaintAtTheEnd(benchmark::State& state) {
  const QString file = tickerFile(int(state.range(0)));
  ShownGrid g;
  g.grid.loadFromFile(file);
  g.grid.verticalScrollBar()->setValue(g.grid.verticalScrollBar()->maximum());
  g.grid.setCurrentCell(0, g.grid.RowCount() - 1);
  QPixmap target(g.grid.size());
  int i = 0;
  for (auto _ : state) {
    // A keystroke's worth of change, then the repaint it causes.
    g.grid.setCell(1, g.grid.RowCount() - 1, QString::number(++i));
    g.grid.render(&target);
  }
}
BENCHMARK(BM_PaintAtTheEnd)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

TAVO_QT_BENCHMARK_MAIN()
