// Profile files: a full "!Tavo.ini" read whole costs one parse (compare
// BM_ParseOnly), one key from a large file and a whole section in file order
// are linear in the file.
#include <benchmark/benchmark.h>

#include "bench/format_fixture.h"
#include "format/ProfileFile.h"
#include "format/ProviderSettings.h"

namespace {

using namespace tavo;

std::string fullProviderFolder() {
  std::string t =
      "[Sponsor Options]\r\nSponsor Logo Image=logo.bmp\r\nSponsor Logo Link=http://www.example.com\r\n"
      "Sponsor Box Image=box.bmp\r\nSponsor Box Link=box.htm\r\nCaption Text=Welcome to the show\r\n"
      "Caption Link=http://www.example.com/caption\r\nStreaming Ad Interval=00:20\r\nStreaming Ad Text=Adstream.txt\r\n"
      "Sound Player Graphic=sound.jpg\r\nSound Player Graphic Link Name=Listen\r\nSound Player Graphic Link=x.htm\r\n"
      "[Viewing Options]\r\nTicker Data Speed=7\r\nTicker Position=Top\r\nTicker Text Bold=On\r\n"
      "Ticker Text Size=Large\r\nButton Bar Location=Top\r\nButton Bar Text Bold=Off\r\n"
      "[Browser Options]\r\nBrowser=Default\r\nTicker Location=\r\n[Buttons]\r\n";
  for (int i = 1; i <= 10; ++i)
    t += "Button" + std::to_string(i) + "=Button " + std::to_string(i) + "\r\nAction" + std::to_string(i) +
         "=Subscriber Channel " + std::to_string(i) + "\r\n";
  t += "[Search Links]\r\n";
  for (int i = 1; i <= 10; ++i)
    t += "SearchName" + std::to_string(i) + "=Engine " + std::to_string(i) + "\r\nSearchAction" + std::to_string(i) +
         "=http://www.example.com/search?q\r\n";
  t += "[Update Downloads]\r\n1=http://www.example.com/a.zip\r\n2=http://www.example.com/b.zip\r\n";
  return bench::benchFile("provider", "!Tavo.ini", t);
}

void BM_ReadFullProviderSettings(benchmark::State& state) {
  const std::string folder = fullProviderFolder();
  for (auto _ : state) {
    auto settings = provider::readProviderSettings(folder, ReadMode::Player);
    if (settings.buttons.size() != 10 || settings.searchLinks.size() != 10) state.SkipWithError("wrong content");
    benchmark::DoNotOptimize(settings);
  }
}
BENCHMARK(BM_ReadFullProviderSettings)->Unit(benchmark::kMicrosecond);

// Loading and parsing the same file without reading a key: the floor of the above.
void BM_ParseOnly(benchmark::State& state) {
  const std::string path = provider::settingsFilePath(fullProviderFolder());
  for (auto _ : state) benchmark::DoNotOptimize(ProfileFile::load(path));
}
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMicrosecond);

std::string largeProfile(int keys) {
  std::string t = "[Other]\r\na=1\r\n[Big Section]\r\n";
  for (int i = 1; i <= keys; ++i) t += "Key" + std::to_string(i) + "=value of key " + std::to_string(i) + "\r\n";
  t += "[Last]\r\nwanted=found\r\n";
  return bench::benchFile("profile" + std::to_string(keys), "Large.ini", t) + "Large.ini";
}

void BM_ReadOneKeyOfLargeFile(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const std::string path = largeProfile(keys);
  for (auto _ : state) {
    auto v = readProfileString(path, "Last", "wanted", "");
    if (v != "found") state.SkipWithError("key not found");
    benchmark::DoNotOptimize(v);
  }
  state.SetComplexityN(keys);
}
BENCHMARK(BM_ReadOneKeyOfLargeFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

void BM_ReadWholeSectionInFileOrder(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const std::string path = largeProfile(keys);
  for (auto _ : state) {
    auto entries = ProfileFile::load(path).sectionEntries("Big Section");
    if (entries.size() != static_cast<std::size_t>(keys)) state.SkipWithError("wrong count");
    benchmark::DoNotOptimize(entries);
  }
  state.SetComplexityN(keys);
}
BENCHMARK(BM_ReadWholeSectionInFileOrder)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

// Writing options for every item of a large playlist into an existing
// section: one pass, not one pass per key.
void BM_WriteManyKeys(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const ProfileFile base = ProfileFile::load(largeProfile(keys));
  std::vector<ProfileEntry> entries;
  for (int i = 1; i <= keys; i += 2) entries.push_back({"Key" + std::to_string(i), "changed"});
  for (int i = 1; i <= keys; i += 2) entries.push_back({"New" + std::to_string(i), "added"});
  for (auto _ : state) {
    ProfileFile f = base;
    f.writeStrings("Big Section", entries);
    benchmark::DoNotOptimize(f);
  }
  state.SetComplexityN(keys);
}
BENCHMARK(BM_WriteManyKeys)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
