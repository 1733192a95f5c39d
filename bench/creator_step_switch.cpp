// The wizard's step switch on the page base: leave the open page (it writes its
// settings), create the next one, show it and let it paint. The creator runs on
// a temporary work area with the test platform, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "bench/qt_fixture.h"
#include "creator/main/CreatorDialogs.h"
#include "creator/main/Publisher.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmWizard.h"
#include "platform/testing/TestPlatform.h"

namespace {

class NoDialogs : public tavo::creator::CreatorDialogs {
 public:
  QString askNewName(const QString&, const QString&) override { return {}; }
  std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return std::nullopt; }
  Pick pickFolder(const QString&, const QString&, const QString&) override { return {}; }
  void showWarning(const QString&) override {}
  void showAbout() override {}
  std::optional<std::pair<QString, QString>> getTwoStrings(const tavo::TwoStringsRequest&) override { return {}; }
};

class NoPublisher : public tavo::creator::Publisher {
 public:
  void open(Page) override {}
};

void BM_WizardStepSwitch(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string area = dir.path().toStdString() + "/";
  std::filesystem::create_directories(area + "Projects/Show/News");
  std::filesystem::create_directories(area + "Projects/Show/Sports");
  std::ofstream(area + "Projects/Show/Project.ini") << "[Subscribers]\r\nSubscriber1=News\r\nSubscriber2=Sports\r\n";
  std::ofstream(area + "TavoCreator.ini") << "[General]\r\nCurProject=Show\r\n";
  tavo::platform::testing::TestPlatform platform("TavoCreator");
  NoDialogs dialogs;
  NoPublisher publisher;
  tavo::creator::TFmMain main(platform.platform(), dialogs, publisher, QString::fromStdString(area), {});
  main.FormShow();
  tavo::creator::TFmWizard& wizard = main.wizard();
  wizard.showWizard();
  int step = 5;
  for (auto _ : state) {
    step = step == 5 ? 6 : 5;
    wizard.showStep(step);
    QApplication::processEvents();
  }
  wizard.hide();
}
BENCHMARK(BM_WizardStepSwitch)->Unit(benchmark::kMillisecond);

}  // namespace

TAVO_QT_BENCHMARK_MAIN()
