// Opening the preferences dialog: creating it, loading the stored settings into
// its controls and showing it (its first paint included), then closing it.
// Runs on Qt's offscreen platform with a settings store in a temporary folder.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "platform/Shell.h"
#include "player/preferences/TFmOptions.h"

namespace {

using namespace tavo;
using namespace tavo::player;

class NoShell : public platform::Shell {
 public:
  bool openDocument(const QString&) override { return true; }
  bool startProgram(const QString&, const QStringList&, const QString&) override { return true; }
};

void openPreferences(benchmark::State& state) {
  QTemporaryDir dir;
  const PlayerSettings settings(RegistryRoots::inFolder(dir.path().toStdString() + "/"));
  settings.viewingOptions();  // a store that has been used, as after the first run
  NoShell shell;
  const PlayerLinks links = parsePlayerLinks("", "/opt/tavo/");
  PreferencesDialogPort::Request request;
  request.channelCount = 3;
  for (auto _ : state) {
    TFmOptions dialog(settings, request, links, shell, {});
    dialog.show();
    dialog.repaint();  // the first paint, as the user sees it
    QApplication::processEvents();
    dialog.close();
  }
}

// The first opening in the process pays for the style and fonts of dialogs.
void BM_PreferencesFirstOpen(benchmark::State& state) { openPreferences(state); }
BENCHMARK(BM_PreferencesFirstOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PreferencesOpen(benchmark::State& state) { openPreferences(state); }
BENCHMARK(BM_PreferencesOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
