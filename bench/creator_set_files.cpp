// Loading and saving a slideshow set of 100 pictures the way the editor does
// (every row with caption, synchronized text and hotlink), on a real folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "creator/logic/SetLibrary.h"

namespace {

namespace fs = std::filesystem;

struct Folder {
  Folder() {
    path = (fs::temp_directory_path() / ("tavo-bench-set-" + std::to_string(::getpid()))).string() + "/";
    fs::create_directories(path);
  }
  ~Folder() { fs::remove_all(path); }
  std::string path;
};

tavo::creator::EditorSet hundredPictures() {
  tavo::creator::EditorSet set;
  set.cycleInterval = "00:07";
  set.audioFile = "harbour.mp3";
  for (int i = 1; i <= 100; ++i) {
    const std::string n = std::to_string(i);
    set.rows.push_back({"picture" + n + ".jpg", "Harbour view number " + n,
                        "The text that runs in the ticker while picture " + n + " is shown", "http://www.example.com/" + n,
                        ""});
  }
  return set;
}

void BM_SaveSlideshowSet(benchmark::State& state) {
  Folder folder;
  const auto set = hundredPictures();
  for (auto _ : state)
    if (!tavo::creator::saveEditorSet(folder.path, tavo::creator::SetKind::Slideshow, set))
      state.SkipWithError("could not write the set");
}
BENCHMARK(BM_SaveSlideshowSet)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadSlideshowSet(benchmark::State& state) {
  Folder folder;
  tavo::creator::saveEditorSet(folder.path, tavo::creator::SetKind::Slideshow, hundredPictures());
  for (auto _ : state) {
    const auto set = tavo::creator::loadEditorSet(folder.path, tavo::creator::SetKind::Slideshow);
    if (set.rows.size() != 100) state.SkipWithError("the set lost rows");
    benchmark::DoNotOptimize(set);
  }
}
BENCHMARK(BM_LoadSlideshowSet)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
