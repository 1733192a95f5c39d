// Picture decoding for the picture windows, on 12-megapixel JPEG pictures
// (4000 x 3000) made here:
// - ThumbScreen: one screen of six thumbnails decoded at their shown size (the
//   JPEG decoder scales while decoding) against decoding them full size and
//   scaling afterwards;
// - and the viewer's own screen, decoded by its two decoder threads;
// - SlideTick: from a tick of the slideshow's cycle timer to the new picture
//   painted, with the picture decoded ahead on the loader's thread (the window
//   as it is), against decoding it on demand on the GUI thread at the tick.
// Each repetition is one screen or one tick; the medians are the figures.
// Runs the real slideshow window on Qt's offscreen platform (or the display
// given in QT_QPA_PLATFORM).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/qt_fixture.h"
#include "platform/QtPlatform.h"
#include "player/slideshow/PictureLoader.h"
#include "player/slideshow/PictureView.h"
#include "player/slideshow/SetWindowHost.h"
#include "player/slideshow/SoundPlayer.h"
#include "player/slideshow/TFmSlideshow.h"
#include "player/thumbnails/TFmThumbViewer.h"

namespace fs = std::filesystem;
using namespace tavo::player::pictures;

namespace {

// A photo-like 12-megapixel picture: a sky and sea gradient, soft shapes and
// fine grain, so that the JPEG file carries detail as a camera's does.
QImage photoLike(int seed, int grain) {
  QImage img(4000, 3000, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, 3000);
  g.setColorAt(0, QColor::fromHsv((200 + seed * 40) % 360, 120, 240));
  g.setColorAt(0.6, QColor::fromHsv((30 + seed * 40) % 360, 90, 230));
  g.setColorAt(1, QColor(20, 40, 70));
  p.fillRect(img.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  QRandomGenerator rnd(seed);
  for (int i = 0; i < 400; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsv(rnd.bounded(360), 150, 200, 90));
    p.drawEllipse(QPointF(rnd.bounded(4000), rnd.bounded(3000)), 20 + rnd.bounded(200), 20 + rnd.bounded(200));
  }
  p.end();
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const int n = int(rnd.bounded(2 * grain + 1)) - grain;
      const QRgb c = line[x];
      line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255), std::clamp(qBlue(c) + n, 0, 255));
    }
  }
  return img;
}

struct Pictures {
  Pictures() {
    std::string pattern = (fs::temp_directory_path() / "tavo-bench-pictures-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    set = root + "/Show/Big";
    fs::create_directories(set);
    std::ofstream ini(set + "/Slideshow.ini");
    ini << "[Slideshow Options]\r\nCycle Interval=00:15\r\n[Images]\r\n";
    std::ofstream thumbs(set + "/Thumbnail.ini");
    thumbs << "[Images]\r\n";
    // TAVO_BENCH_GRAIN: the grain's amplitude (default 10, which gives files of
    // about 3.5 MB, as a 12-megapixel camera writes them).
    const char* grainText = std::getenv("TAVO_BENCH_GRAIN");
    const int grain = grainText ? std::atoi(grainText) : 10;
    std::uintmax_t bytes = 0;
    for (int i = 0; i < 6; ++i) {
      const std::string name = "photo" + std::to_string(i + 1) + ".jpg";
      photoLike(i, grain).save(QString::fromStdString(set + "/" + name), "JPG", 90);
      bytes += fs::file_size(set + "/" + name);
      files.push_back(QString::fromStdString(set + "/" + name));
      ini << "Image" << i + 1 << "=" << name << "|Photo " << i + 1 << "\r\n";
      thumbs << "Image" << i + 1 << "=" << name << "|Photo " << i + 1 << "|\r\n";
    }
    std::fprintf(stderr, "pictures: 4000 x 3000 JPEG, grain %d, %.1f MB each on average\n", grain,
                 bytes / 6.0 / 1e6);
  }
  ~Pictures() { fs::remove_all(root); }
  std::string root, set;
  QStringList files;
};

Pictures& pictures() {
  static Pictures p;
  return p;
}

// The thumbnail area of a 1920 x 1030 viewer (panels 576 x 360, 4 pixels inside).
constexpr Size kThumbArea{568, 352};

void BM_ThumbScreen_ScaledWhileDecoding(benchmark::State& state) {
  const QStringList& files = pictures().files;
  for (auto _ : state) {
    for (const QString& f : files) {
      const DecodedPicture d = decodePicture({f, "x", kThumbArea, PictureFit::ShrinkToFit});
      if (!d.readable()) state.SkipWithError("not decoded");
      benchmark::DoNotOptimize(d.image.constBits());
    }
  }
}
BENCHMARK(BM_ThumbScreen_ScaledWhileDecoding)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ThumbScreen_FullThenScaled(benchmark::State& state) {
  const QStringList& files = pictures().files;
  for (auto _ : state) {
    for (const QString& f : files) {
      QImageReader reader(f);
      reader.setAllocationLimit(kDecoderAllocationLimitMB);
      const QImage full = reader.read();
      const QImage thumb = full.scaled(kThumbArea.width, kThumbArea.height, Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation);
      if (thumb.isNull()) state.SkipWithError("not decoded");
      benchmark::DoNotOptimize(thumb.constBits());
    }
  }
}
BENCHMARK(BM_ThumbScreen_FullThenScaled)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)
    ->ReportAggregatesOnly(true);


// The slideshow window without a bar.
class NoBar : public SetWindowHost {
 public:
  std::string presentationFolder() const override { return root; }
  void showTickerPanel() override {}
  void showScrollingTicker() override {}
  void showPanelText(const QString&, const QString&) override {}
  int menuImageLeft() const override { return 1764; }
  int menuImageWidth() const override { return 24; }
  bool executeThumbnailLink(const QString&, const QString&) override { return false; }
  std::string root;
};

class Silence : public SoundPlayer {
 public:
  void open(const QString&) override {}
  void play() override {}
  void pause() override {}
  void resume() override {}
  void close() override {}
};

// Counts the paints of the picture area, so that a tick that paints nothing is an error.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

struct Window {
  Window() {
    w.Image1->installEventFilter(&counter);
    host.root = pictures().root;
    w.port().setGeometry({0, 50, 1920, 1030});
    w.port().setFolder(pictures().set);
    w.port().show();
    w.loader().waitForDone();
    // Until the window system has shown the window, a repaint paints nothing.
    for (int i = 0; i < 50 && !(w.windowHandle() && w.windowHandle()->isExposed()); ++i)
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
  }
  tavo::platform::QtPlatform qt{"TavoPlayer", "TavoPlayer"};
  NoBar host;
  Silence sound;
  TFmSlideshow w{qt.platform(), host, sound};
  PaintCounter counter;
};

void BM_SlideTick_DecodedAhead(benchmark::State& state) {
  Window win;
  for (auto _ : state) {
    win.w.loader().waitForDone();  // the interval has passed: the next picture is ready
    QElapsedTimer t;
    t.start();
    const int paints = win.counter.paints;
    win.w.TimerSlideShowTimer();
    win.w.Image1->repaint();
    state.SetIterationTime(t.nsecsElapsed() / 1e9);
    if (win.counter.paints == paints) state.SkipWithError("nothing painted");
  }
}
BENCHMARK(BM_SlideTick_DecodedAhead)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(25)->ReportAggregatesOnly(true);

void BM_SlideTick_DecodedOnDemandOnTheGuiThread(benchmark::State& state) {
  Window win;
  int index = 0;
  for (auto _ : state) {
    win.w.loader().waitForDone();
    QElapsedTimer t;
    t.start();
    index = (index + 1) % 6;
    const DecodedPicture d =
        decodePicture({pictures().files[index], "x", win.w.Image1->area(), PictureFit::Stretch});
    win.w.Image1->setPicture(d);
    win.w.Image1->repaint();
    state.SetIterationTime(t.nsecsElapsed() / 1e9);
  }
}
BENCHMARK(BM_SlideTick_DecodedOnDemandOnTheGuiThread)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(25)->ReportAggregatesOnly(true);

// The same on demand decode of the full picture, scaled afterwards (what a
// window that decodes pictures at their own size does at each tick).
void BM_SlideTick_FullSizeOnTheGuiThread(benchmark::State& state) {
  Window win;
  int index = 0;
  for (auto _ : state) {
    win.w.loader().waitForDone();
    QElapsedTimer t;
    t.start();
    index = (index + 1) % 6;
    QImage full(pictures().files[index]);
    DecodedPicture d;
    d.image = full.scaled(1920, 1010, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    d.target = {0, 0, 1920, 1010};
    win.w.Image1->setPicture(d);
    win.w.Image1->repaint();
    state.SetIterationTime(t.nsecsElapsed() / 1e9);
  }
}
BENCHMARK(BM_SlideTick_FullSizeOnTheGuiThread)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);

// The viewer's own screen: six thumbnails decoded by its two decoder threads,
// from the request to the last one delivered.
void BM_ThumbScreen_TheViewersScreen(benchmark::State& state) {
  tavo::platform::QtPlatform qt{"TavoPlayer", "TavoPlayer"};
  NoBar host;
  host.root = pictures().root;
  Silence sound;
  TFmThumbViewer v{qt.platform(), host, sound};
  v.port().setGeometry({0, 50, 1920, 1030});
  v.port().setFolder(pictures().set);
  v.port().show();
  v.loader().waitForDone();
  for (auto _ : state) {
    v.NextStart = 0;
    v.ShowScreen();
    v.loader().waitForDone();
    if (!v.ImgThumb[5]->picture().readable()) state.SkipWithError("not decoded");
  }
}
BENCHMARK(BM_ThumbScreen_TheViewersScreen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)
    ->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

// The benchmarks' shared Qt application, with a main of its own: the settings
// store goes to a folder of its own and the pictures are made before any timing.
int main(int argc, char** argv) {
  const std::string settings = (fs::temp_directory_path() / "tavo-bench-pictures-settings").string();
  ::setenv("TAVO_SETTINGS_DIR", settings.c_str(), 1);
  tavo::bench::qtApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  pictures();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(settings);
  return 0;
}
