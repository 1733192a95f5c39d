// Step 1 with 100 content providers (show the page, close it without changes)
// and Step 4's provider change (save the provider left, switch, load the next).
// The creator runs on a temporary work area with the test platform, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "bench/qt_fixture.h"
#include "creator/main/CreatorDialogs.h"
#include "creator/main/Publisher.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmStep1.h"
#include "creator/wizard/TFmStep4.h"
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

struct Area {
  explicit Area(int providers) {
    root = dir.path().toStdString() + "/";
    std::string ini = "[Subscribers]\r\n";
    for (int i = 1; i <= providers; ++i) {
      const std::string name = "Provider " + std::to_string(i);
      std::filesystem::create_directories(root + "Projects/Show/" + name);
      std::ofstream(root + "Projects/Show/" + name + "/!Tavo.ini")
          << "[Sponsor Options]\r\nCaption Text=Caption " << i << "\r\n[Viewing Options]\r\nTicker Data Speed=5\r\n";
      ini += "Subscriber" + std::to_string(i) + "=" + name + "\r\n";
    }
    std::ofstream(root + "Projects/Show/Project.ini") << ini;
    std::ofstream(root + "TavoCreator.ini") << "[General]\r\nCurProject=Show\r\n";
  }
  QTemporaryDir dir;
  std::string root;
};

void BM_Step1ShowWith100Providers(benchmark::State& state) {
  Area area(100);
  tavo::platform::testing::TestPlatform platform("TavoCreator");
  NoDialogs dialogs;
  NoPublisher publisher;
  tavo::creator::TFmMain main(platform.platform(), dialogs, publisher, QString::fromStdString(area.root), {});
  main.FormShow();
  tavo::creator::TFmWizard& wizard = main.wizard();
  wizard.showWizard();
  wizard.showStep(0);
  for (auto _ : state) {
    // Create, fill and paint the page; leaving it is timed in the next benchmark.
    wizard.showStep(1);
    QApplication::processEvents();
    state.PauseTiming();
    wizard.showStep(0);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  wizard.hide();
}
BENCHMARK(BM_Step1ShowWith100Providers)->Unit(benchmark::kMillisecond);

void BM_Step1CloseWith100Providers(benchmark::State& state) {
  Area area(100);
  tavo::platform::testing::TestPlatform platform("TavoCreator");
  NoDialogs dialogs;
  NoPublisher publisher;
  tavo::creator::TFmMain main(platform.platform(), dialogs, publisher, QString::fromStdString(area.root), {});
  main.FormShow();
  tavo::creator::TFmWizard& wizard = main.wizard();
  wizard.showWizard();
  for (auto _ : state) {
    state.PauseTiming();
    wizard.showStep(1);
    QApplication::processEvents();
    auto* page = dynamic_cast<tavo::creator::TFmStep1*>(wizard.currentPage());
    state.ResumeTiming();
    page->closePage();  // the list rebuilt and Project.ini written
  }
  if (main.presentation().contentProviders.size() != 100) state.SkipWithError("the providers were not kept");
  wizard.hide();
}
BENCHMARK(BM_Step1CloseWith100Providers)->Unit(benchmark::kMillisecond);

void BM_Step4ProviderChange(benchmark::State& state) {
  Area area(10);
  tavo::platform::testing::TestPlatform platform("TavoCreator");
  NoDialogs dialogs;
  NoPublisher publisher;
  tavo::creator::TFmMain main(platform.platform(), dialogs, publisher, QString::fromStdString(area.root), {});
  main.FormShow();
  tavo::creator::TFmWizard& wizard = main.wizard();
  wizard.showWizard();
  wizard.showStep(4);
  auto* page = dynamic_cast<tavo::creator::TFmStep4*>(wizard.currentPage());
  bool forward = true;
  for (auto _ : state) {
    if (forward) page->BtnNextProviderClick(); else page->BtnPriorProviderClick();
    forward = !forward;
    QApplication::processEvents();
  }
  wizard.hide();
}
BENCHMARK(BM_Step4ProviderChange)->Unit(benchmark::kMillisecond);

}  // namespace

TAVO_QT_BENCHMARK_MAIN()
