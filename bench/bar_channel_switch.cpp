// A channel switch on the bar: two channels, each with ten buttons and a
// ticker text of 5,000 lines (and, to show the share of the ticker's text
// images, of 50 lines); every iteration switches to the other channel
// through its menu entry (settings, buttons, sponsor pictures, ticker and
// streaming ad reloaded). Runs the real TFmMain on Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "platform/QtPlatform.h"
#include "player/bar/TFmMain.h"

namespace fs = std::filesystem;

namespace {

struct Presentation {
  explicit Presentation(int tickerLines) {
    std::string pattern = (fs::temp_directory_path() / "tavo-bench-bar-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    folder = root + "/Harbour Town/";
    fs::create_directories(folder);
    std::ofstream(folder + "Project.ini") << "[Project Info]\r\nPresentation Name=Harbour Town\r\n";
    for (const char* name : {"Channel A", "Channel B"}) {
      const std::string provider = folder + name + "/";
      fs::create_directories(provider);
      std::ofstream ini(provider + "!Tavo.ini");
      ini << "[Sponsor Options]\r\nCaption Text=" << name << "\r\nStreaming Ad Text=Adstream.txt\r\n"
          << "Sponsor Box Image=missing.png\r\n[Buttons]\r\n";
      for (int n = 1; n <= 10; ++n)
        ini << "Button" << n << "=Button number " << n << "\r\nAction" << n << "=Subscriber Channel A\r\n";
      std::ofstream ticker(provider + "Ticker.txt");
      for (int line = 0; line < tickerLines; ++line)
        ticker << "Ticker line " << line << " of the channel, with some words to measure|http://www.example.com/"
               << line << "\r\n";
      std::ofstream ad(provider + "Adstream.txt");
      for (int line = 0; line < 20; ++line) ad << "Advertisement " << line << "|\r\n";
    }
  }
  ~Presentation() { fs::remove_all(root); }
  std::string root, folder;
};

// The switch until the bar is usable again (long ticker texts go on coming in
// while idle), and, with `wholeTicker`, until every ticker line is on the band.
void channelSwitch(benchmark::State& state, bool wholeTicker) {
  Presentation presentation(static_cast<int>(state.range(0)));
  tavo::platform::QtPlatform qt("TavoPlayer", "TavoPlayerBench");
  tavo::player::TFmMain bar(qt.platform(), {QString::fromStdString("Path=" + presentation.folder)});
  if (!bar.FormCreate()) {
    state.SkipWithError("the bar did not start");
    return;
  }
  int next = 1;
  for (auto _ : state) {
    bar.ChannelEntries()[static_cast<std::size_t>(next)]->trigger();
    if (wholeTicker) bar.FinishTickerLoading();
    if (bar.CurrentSubscriber != next) state.SkipWithError("the switch failed");
    next = 1 - next;
  }
}
void BM_ChannelSwitch(benchmark::State& state) { channelSwitch(state, false); }
void BM_ChannelSwitchWholeTicker(benchmark::State& state) { channelSwitch(state, true); }
BENCHMARK(BM_ChannelSwitch)->Arg(5000)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelSwitchWholeTicker)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string settings = (fs::temp_directory_path() / "tavo-bench-bar-settings").string();
  ::setenv("TAVO_SETTINGS_DIR", settings.c_str(), 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(settings);
  return 0;
}
