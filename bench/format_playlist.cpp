// Reading a playlist with options for every item, and a slideshow set with
// its synchronized text: one pass each, linear in the number of items.
#include <benchmark/benchmark.h>

#include "bench/format_fixture.h"
#include "format/Playlist.h"
#include "format/SetFiles.h"

namespace {

using namespace tavo;

std::string playlistFolder(int items) {
  std::string text = "[Playlist]\r\n";
  for (int i = 1; i <= items; ++i)
    text += std::to_string(i) + "=" + (i % 3 ? "clip" + std::to_string(i) + ".avi" : "Slideshow Beach|00:30") + "\r\n";
  text += "[Playlist Options]\r\n";
  for (int i = 1; i <= items; ++i)
    text += std::to_string(i) + "=Ticker Off,Media Controls FF Disabled,sync" + std::to_string(i) + ".txt\r\n";
  return bench::benchFile("playlist" + std::to_string(items), "Playlist.ini", text);
}

void BM_ReadPlaylistWithOptions(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const std::string folder = playlistFolder(items);
  for (auto _ : state) {
    auto playlist = readPlaylist(folder, ReadMode::Player);
    if (playlist.size() != static_cast<std::size_t>(items)) state.SkipWithError("wrong item count");
    benchmark::DoNotOptimize(playlist);
  }
  state.SetItemsProcessed(state.iterations() * items);
  state.SetComplexityN(items);
}
BENCHMARK(BM_ReadPlaylistWithOptions)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_ReadSlideshowSet(benchmark::State& state) {
  const int images = static_cast<int>(state.range(0));
  std::string ini = "[Slideshow Options]\r\nFilename=SyncEzy.txt\r\nCycle Interval=00:05\r\n[Images]\r\n";
  std::string sync;
  for (int i = 1; i <= images; ++i) {
    ini += "Image" + std::to_string(i) + "=picture" + std::to_string(i) + ".jpg|Caption " + std::to_string(i) + "\r\n";
    sync += "Synchronized text " + std::to_string(i) + "|Subscriber News\r\n";
  }
  const std::string folder = bench::benchFile("set" + std::to_string(images), "Slideshow.ini", ini);
  bench::benchFile("set" + std::to_string(images), "SyncEzy.txt", sync);
  for (auto _ : state) {
    auto set = readSlideshowSet(folder, ReadMode::Player);
    if (set.images.size() != static_cast<std::size_t>(images)) state.SkipWithError("wrong image count");
    benchmark::DoNotOptimize(set);
  }
  state.SetComplexityN(images);
}
BENCHMARK(BM_ReadSlideshowSet)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
