// Every reader of the format library on files no creator writes: binary
// noise, NUL bytes, floods of line ends, 1 MB lines, "|" by the million,
// 100 MB files and files past the size limit. Each must finish with what it
// can read and never crash; the time they take is measured in bench/.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <cstring>
#include <random>

#include "format/Playlist.h"
#include "format/ProfileFile.h"
#include "format/ProviderSettings.h"
#include "format/SetFiles.h"
#include "format/TextFile.h"
#include "format/TickerText.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;
namespace fs = std::filesystem;

constexpr std::size_t k100MB = std::size_t{100} << 20;

// What each reader made of one file, for the checks of a case.
struct Results {
  std::size_t tickerPlayer = 0, tickerEditor = 0, syncPlayer = 0, syncEditor = 0;
  std::size_t playlist = 0, slideshow = 0, thumbnails = 0, buttons = 0;
};

// Puts the same bytes under every file name the readers open, in one folder
// (hard links, so a 100 MB case takes 100 MB of disk once), and runs them all.
Results readEverything(const std::string& bytes) {
  TempFolder dir;
  const std::string first = dir.write("!Tavo.ini", bytes);
  for (const char* name : {"Playlist.ini", "Ticker.txt", "Slideshow.ini", "Thumbnail.ini", "SyncEzy.txt"})
    fs::create_hard_link(first, dir / name);
  Results r;
  r.tickerPlayer = readTickerText(dir / "Ticker.txt", ReadMode::Player).size();
  r.tickerEditor = readTickerText(dir / "Ticker.txt", ReadMode::Editor).size();
  r.syncPlayer = readSyncLines(dir / "SyncEzy.txt").size();
  r.syncEditor = readSyncRows(dir / "SyncEzy.txt").size();
  r.playlist = readPlaylist(dir.path(), ReadMode::Player).size();
  EXPECT_EQ(readPlaylist(dir.path(), ReadMode::Editor).size(), r.playlist);
  r.slideshow = readSlideshowSet(dir.path(), ReadMode::Player).images.size();
  readSlideshowSet(dir.path(), ReadMode::Editor);
  r.thumbnails = readThumbnailSet(dir.path(), ReadMode::Player).images.size();
  readThumbnailSet(dir.path(), ReadMode::Editor);
  r.buttons = provider::readProviderSettings(dir.path(), ReadMode::Player).buttons.size();
  provider::readProviderSettings(dir.path(), ReadMode::Editor);
  // A write into such a file keeps every line it could read.
  ProfileFile f = ProfileFile::load(dir / "Playlist.ini");
  EXPECT_TRUE(f.writeString("Playlist", "1", "added"));
  EXPECT_EQ(ProfileFile::parse(f.serialize()).readString("Playlist", "1", "?"), "added");
  return r;
}

TEST(BadInput, BinaryNoiseOf100MB) {
  std::string bytes(k100MB, '\0');
  std::mt19937_64 random(12345);
  for (std::size_t i = 0; i + 8 <= bytes.size(); i += 8) {
    const std::uint64_t v = random();
    std::memcpy(&bytes[i], &v, 8);
  }
  const Results r = readEverything(bytes);
  EXPECT_GT(r.tickerPlayer, 100000u);  // about one line end in 128 bytes
  EXPECT_GE(r.tickerEditor, r.tickerPlayer);
}

TEST(BadInput, NulBytesOnly) {
  const Results r = readEverything(std::string(k100MB, '\0'));
  EXPECT_EQ(r.tickerPlayer, 1u);  // one line of NUL bytes: text, not white space
  EXPECT_EQ(r.syncPlayer, 0u);     // no usable time
  EXPECT_EQ(r.playlist, 0u);
}

// Caps this process's address space for one test (ctest runs each test in a
// process of its own), so that a reader asking for many times a file's size
// fails the test with std::bad_alloc as it would end the program on a small
// machine, instead of passing on a large one.
class AddressSpaceLimit {
 public:
  explicit AddressSpaceLimit(std::uint64_t bytes) {
    getrlimit(RLIMIT_AS, &old_);
    rlimit r = old_;
    r.rlim_cur = static_cast<rlim_t>(bytes);
    if (old_.rlim_max != RLIM_INFINITY && r.rlim_cur > old_.rlim_max) r.rlim_cur = old_.rlim_max;
    setrlimit(RLIMIT_AS, &r);
  }
  ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &old_); }
  AddressSpaceLimit(const AddressSpaceLimit&) = delete;
  AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

 private:
  rlimit old_{};
};

// Files at the size limit made of line ends: nothing but them, and the same
// with a line of text after them. Every reader keeps its memory within a few
// times the file's size (a per-line reservation once asked for 17 GB here).
TEST(BadInput, AFloodOfLineEndsAtTheSizeLimit) {
  const std::size_t size = static_cast<std::size_t>(kMaxPresentationFileBytes);
  std::string bytes;
  bytes.reserve(size);
  while (bytes.size() < size) bytes += "\r\n\n\r";
  bytes.resize(size);
  const AddressSpaceLimit limit(std::uint64_t{3} << 30);
  const Results r = readEverything(bytes);
  EXPECT_EQ(r.tickerPlayer, 0u);
  EXPECT_EQ(r.tickerEditor, 0u);
  EXPECT_EQ(r.syncEditor, 0u);

  // With a line after them the blank lines between are items, up to the
  // most a line reader keeps.
  bytes.resize(size - 12);
  bytes += "text|link\r\n";
  EXPECT_EQ(parseTickerText(bytes, ReadMode::Player).size(), kMaxLinesKept);
  EXPECT_EQ(parseTickerText(bytes, ReadMode::Editor).size(), kMaxLinesKept);
  EXPECT_EQ(parseSyncRows(bytes).size(), kMaxLinesKept);
  EXPECT_EQ(parseSyncLines(bytes).size(), 0u);
  EXPECT_EQ(ProfileFile::parse(bytes).readString("s", "k", "?"), "?");

  // Blank lines are kept through a write, as compact runs.
  ProfileFile f = ProfileFile::parse(std::string(1 << 20, '\n') + "[s]\nk=v");
  EXPECT_EQ(f.readString("s", "k", "?"), "v");
  EXPECT_EQ(f.serialize().size(), (std::size_t{1} << 20) * 2 + 10);
}

TEST(BadInput, LineReadersKeepTheLinesBeforeTheirLimit) {
  std::string bytes;
  for (std::size_t n = 0; n < kMaxLinesKept + 2; ++n) bytes += "00:01|t\n";
  EXPECT_EQ(parseTickerText(bytes, ReadMode::Player).size(), kMaxLinesKept);
  EXPECT_EQ(parseSyncLines(bytes).size(), kMaxLinesKept);
  EXPECT_EQ(parseSyncRows(bytes).size(), kMaxLinesKept);
  const std::vector<TickerLine> few = parseTickerText("a|1\r\n\r\nb|2\r\n", ReadMode::Player);
  EXPECT_EQ(few, (std::vector<TickerLine>{{"a", "1"}, {"", ""}, {"b", "2"}}));
}

TEST(BadInput, MillionsOfBarsAndLongLines) {
  std::string bytes = "[Images]\r\nImage1=" + std::string(1 << 20, '|') + "\r\n";
  bytes += "Image2=pic.jpg|" + std::string(1 << 20, 'c') + "|" + std::string(1 << 20, '|') + "\r\n";
  bytes += "[Playlist]\r\n1=" + std::string(1 << 20, 'x') + "|00:10|" + std::string(1 << 20, '|') + "\r\n";
  bytes += "[Buttons]\r\nButton1=" + std::string(1 << 20, '&') + "\r\nAction1=a\r\n";
  for (int i = 0; i < 40; ++i) bytes += "00:01|" + std::string(1 << 20, '|') + "\r\n";
  const Results r = readEverything(bytes);
  EXPECT_EQ(r.slideshow, 2u);
  EXPECT_EQ(r.playlist, 1u);
  EXPECT_EQ(r.buttons, 1u);
  EXPECT_EQ(r.syncPlayer, 40u);
  EXPECT_EQ(r.tickerPlayer, r.tickerEditor);
}

TEST(BadInput, ValidLinesFilling100MB) {
  std::string bytes = "[Images]\r\n";
  bytes.reserve(k100MB + 100);
  for (int n = 1; bytes.size() < k100MB; ++n)
    bytes += "Image" + std::to_string(n) + "=picture" + std::to_string(n) + ".jpg|Caption|Slideshow Beach\r\n";
  const Results r = readEverything(bytes);
  EXPECT_GT(r.slideshow, 1000000u);
  EXPECT_EQ(r.slideshow, r.thumbnails);
  EXPECT_EQ(r.syncPlayer, 0u);
}

TEST(BadInput, FilesPastTheSizeLimitReadAsUnreadableAndAreNotReplaced) {
  TempFolder dir;
  const std::string path = dir / "Playlist.ini";
  {
    const std::string seed = "[Playlist]\r\n1=a\r\n";
    dir.write("Playlist.ini", seed);
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kMaxPresentationFileBytes + 1)), 0);  // sparse
  }
  EXPECT_EQ(readPresentationFile(path).state, FileState::Unreadable);
  EXPECT_TRUE(ProfileFile::load(path).unreadable());
  EXPECT_TRUE(readPlaylist(dir.path(), ReadMode::Player).empty());
  EXPECT_FALSE(writePlaylist(dir.path(), {{"b", ""}}, PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(fs::file_size(path), kMaxPresentationFileBytes + 1);
}

}  // namespace
}  // namespace tavo
