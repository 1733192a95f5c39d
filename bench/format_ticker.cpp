// Reading ticker text and synchronized text files: one pass, linear in the
// number of lines.
#include <benchmark/benchmark.h>

#include "bench/format_fixture.h"
#include "format/Playlist.h"
#include "format/TickerText.h"

namespace {

using namespace tavo;

std::string tickerFile(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += "Ticker line number " + std::to_string(i) + " with some words in it|http://www.example.com/" +
            std::to_string(i) + "\r\n";
  text += "\r\n\r\n  \r\n";
  return bench::benchFile("ticker" + std::to_string(lines), "Ticker.txt", text) + "Ticker.txt";
}

void BM_ReadTickerText(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string path = tickerFile(lines);
  for (auto _ : state) {
    auto items = readTickerText(path, ReadMode::Player);
    if (items.size() != static_cast<std::size_t>(lines)) state.SkipWithError("wrong line count");
    benchmark::DoNotOptimize(items);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.SetComplexityN(lines);
}
BENCHMARK(BM_ReadTickerText)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_ReadSyncLines(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += presetSyncTime(i % 1000 + 1) + "|Synchronized text " + std::to_string(i) + "||http://www.example.com\r\n";
  const std::string path = bench::benchFile("sync" + std::to_string(lines), "clip.txt", text) + "clip.txt";
  for (auto _ : state) {
    auto rows = readSyncLines(path);
    if (rows.size() != static_cast<std::size_t>(lines)) state.SkipWithError("wrong line count");
    benchmark::DoNotOptimize(rows);
  }
  state.SetComplexityN(lines);
}
BENCHMARK(BM_ReadSyncLines)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
