// The ticker's draw pass: one pass of a 1920 x 29 band over 1,000 items into
// the off-screen buffer (what every scroll-timer tick costs), the band model's
// part of it alone, and filling a scroller with 1,000 items as the bar does
// when it loads a ticker text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstdlib>
#include <memory>

#include "ticker/TQxScroller.h"

namespace {

using namespace tavo::ticker;

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_ticker_pass";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

const char* const kLines[] = {
    "Ferry timetable changes on Monday: boats leave every 20 minutes",
    "Harbour festival this weekend - see the Sports Club channel",
    "Regatta results: the Blue Gulls win again",
    "Market hours: 8 to 1 every Saturday",
    "New gallery opening at the old lighthouse",
    "Junior football starts in April",
};

// A scroller laid out like the bar's ticker: a leading gap of nine tenths of
// the width, then lines in bold 14 pt each followed by a 16 x 16 bullet.
void fill(TQxScroller& scroller, int itemCount) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(14);
  font.setBold(true);
  QPixmap bullet(16, 16);
  bullet.fill(Qt::black);
  {
    QPainter painter(&bullet);
    painter.setBrush(Qt::green);
    painter.drawEllipse(1, 1, 13, 11);
  }
  TScrollerCollection& items = scroller.Items();
  scroller.Reset();
  items.Clear();
  items.Add()->setMargin(static_cast<quint16>(scroller.ClientWidth() * 9 / 10));
  for (int line = 0; items.Count() < itemCount; ++line) {
    TScrollerItem* item = items.Add();
    item->setText1(QString("%1 (%2)").arg(kLines[line % 6]).arg(line));
    item->setMargin(30);
    item->setHyperlink(QStringLiteral("http://www.example.com/"));
    item->setFont(font);
    item->setFontColor(Qt::green);
    if (items.Count() < itemCount) items.Add()->setBitmap(bullet);
  }
}

std::unique_ptr<TQxScroller> shownTicker() {
  application();
  auto scroller = std::make_unique<TQxScroller>();
  scroller->setBorderStyle(TBorderStyle::bsNone);
  scroller->resize(1920, 29);
  fill(*scroller, 1000);
  scroller->setScrollSpeed(TScrollSpeed::speed7_VeryFast);
  scroller->show();
  scroller->grab();  // the first paint starts the band
  return scroller;
}

void BM_DrawPass1920x29Over1000Items(benchmark::State& state) {
  auto scroller = shownTicker();
  scroller->setActive(true);
  // Move the band into its text first, past the leading gap.
  for (int i = 0; i < 400; ++i) scroller->scrollTimerTick();
  for (auto _ : state) {
    scroller->scrollTimerTick();
    benchmark::DoNotOptimize(scroller->frameBuffer().constBits());
  }
  scroller->setActive(false);
  state.counters["items"] = scroller->Items().Count();
}
BENCHMARK(BM_DrawPass1920x29Over1000Items)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_BandPassOnly(benchmark::State& state) {
  auto scroller = shownTicker();
  TickerBand band = scroller->band();
  std::vector<Placement> frame;
  for (auto _ : state) {
    band.pass(TScrollDirection::sdRightLeft, true, 6, frame);
    benchmark::DoNotOptimize(frame.data());
  }
  state.counters["placements"] = static_cast<double>(frame.size());
}
BENCHMARK(BM_BandPassOnly)->Unit(benchmark::kNanosecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_Fill1000Items(benchmark::State& state) {
  application();
  TQxScroller scroller;
  scroller.setBorderStyle(TBorderStyle::bsNone);
  scroller.resize(1920, 29);
  for (auto _ : state) fill(scroller, 1000);
}
BENCHMARK(BM_Fill1000Items)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
