// Finding the presentations and their channels at start-up, over a large
// installation: 20 presentations of 100 content providers each.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/Registry.h"
#include "format/PlayerSettings.h"
#include "player/logic/PresentationDiscovery.h"

namespace fs = std::filesystem;

namespace {

struct Installation {
  Installation() {
    std::string pattern = (fs::temp_directory_path() / "tavo-bench-XXXXXX").string();
    root = ::mkdtemp(pattern.data());
    settings = std::make_unique<tavo::PlayerSettings>(tavo::RegistryRoots::inFolder(root + "/settings"));
    for (int p = 0; p < 20; ++p) {
      const std::string presentation = root + "/installed/Presentation " + std::to_string(p);
      fs::create_directories(presentation);
      std::ofstream(presentation + "/Project.ini") << "[Project Info]\r\nPresentation Name=P\r\n";
      for (int c = 0; c < 100; ++c) {
        const std::string provider = presentation + "/Provider " + std::to_string(c);
        fs::create_directories(provider);
        std::ofstream(provider + "/!Tavo.ini") << "[Sponsor Options]\r\n";
        std::ofstream(provider + "/Ticker.txt") << "line|\r\n";
      }
      settings->addProject(presentation);
    }
    settings->setActiveSubscriber("Provider 50");
    fs::create_directories(root + "/program");
  }
  ~Installation() { fs::remove_all(root); }
  std::string root;
  std::unique_ptr<tavo::PlayerSettings> settings;
};

void BM_FindPresentationsAndChannels(benchmark::State& state) {
  static Installation installation;
  for (auto _ : state) {
    const auto found = tavo::player::findPresentations({}, installation.root + "/program/", installation.root,
                                                       *installation.settings);
    const auto channels = tavo::player::loadChannels(found.folders, *installation.settings);
    if (channels.names.size() != 2000) state.SkipWithError("wrong channel count");
    benchmark::DoNotOptimize(channels);
  }
}
BENCHMARK(BM_FindPresentationsAndChannels)->Unit(benchmark::kMillisecond);

}  // namespace
