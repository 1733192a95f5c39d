// The playlist editors' rules on a temporary provider folder: the playlist
// grid and the options grid against Playlist.ini, the synchronized text file
// names and lines, the time rules.
#include <gtest/gtest.h>

#include <filesystem>

#include "creator/logic/PlaylistEditing.h"
#include "format/Playlist.h"
#include "format/ProfileFile.h"
#include "tests/support/TempFolder.h"

namespace tavo::creator {
namespace {

using tavo::test::TempFolder;
using tavo::test::readFile;

std::vector<ProfileEntry> section(const std::string& folder, const char* name) {
  return ProfileFile::load(playlistFilePath(folder)).sectionEntries(name);
}

std::vector<std::pair<std::string, std::string>> pairs(const std::vector<ProfileEntry>& entries) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const auto& e : entries) out.emplace_back(e.key, e.value);
  return out;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(PlaylistGrid, WritesRowNumbersWithGapsAndReadsThemBackInOrder) {
  TempFolder t;
  const std::string folder = t.mkdir("P");
  std::vector<PlaylistGridRow> rows = {
      {"intro.htm", "00:10", {}}, {"  ", "00:05", {}}, {"Clip.MPG", "N/A", {}}, {"Slideshow Beach", "", {}}};
  ASSERT_TRUE(savePlaylistGrid(folder, rows, PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(pairs(section(folder, kSectionPlaylist)),
            (Pairs{{"1", "intro.htm|00:10"}, {"3", "Clip.MPG"}, {"4", "Slideshow Beach|"}}));

  const auto back = loadPlaylistGrid(folder);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].playTime, "00:10");
  EXPECT_EQ(back[1].playTime, "N/A");  // media with a length of their own, whatever the case
  EXPECT_EQ(back[2].entry, "Slideshow Beach");
  ASSERT_TRUE(savePlaylistGrid(folder, back, PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(pairs(section(folder, kSectionPlaylist)),
            (Pairs{{"1", "intro.htm|00:10"}, {"2", "Clip.MPG"}, {"3", "Slideshow Beach|"}}));
}

TEST(PlaylistGrid, EditorAndOptionsWritersTable) {
  struct Case {
    PlaylistGridRow row;
    std::string editor, options;
  } cases[] = {
      {{"song.midi", "00:30", {}}, "song.midi|00:30", "song.midi|00:30"},  // .midi has no length of its own
      {{"song.mp3", "N/A", {}}, "song.mp3", "song.mp3|N/A"},
      {{"deck.ppt", " n/a ", {}}, "deck.ppt", "deck.ppt|n/a"},
      {{"Thumbnail Cars", "", {}}, "Thumbnail Cars|", "Thumbnail Cars"},
      {{"tour.exe", " 01:14 ", {}}, "tour.exe|01:14", "tour.exe|01:14"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(playlistValueForEditor(c.row), c.editor) << c.row.entry;
    EXPECT_EQ(playlistValueForOptions(c.row), c.options) << c.row.entry;
  }
}

TEST(PlaylistGrid, TwelveEntriesAndOtherSectionsSurviveASave) {
  TempFolder t;
  const std::string folder = t.mkdir("P");
  std::string ini = "[Other]\nkeep=1\n[Playlist]\n";
  for (int i = 1; i <= 12; ++i) ini += std::to_string(i * 10) + "=page" + std::to_string(i) + ".htm|00:0" + std::to_string(i % 10) + "\n";
  t.write("P/Playlist.ini", ini);
  const auto rows = loadPlaylistGrid(folder);
  ASSERT_EQ(rows.size(), 12u);
  ASSERT_TRUE(savePlaylistGrid(folder, rows, PlaylistWriter::PlaylistEditor));
  const auto written = section(folder, kSectionPlaylist);
  ASSERT_EQ(written.size(), 12u);
  EXPECT_EQ(written[11].key, "12");
  EXPECT_EQ(written[11].value, "page12.htm|00:02");
  EXPECT_EQ(ProfileFile::load(playlistFilePath(folder)).readString("Other", "keep", ""), "1");
}

// A row deleted in the playlist editor renumbers the rows after it. Each
// item's options (ticker, media controls, synchronized text) must go with it,
// and the options of the deleted row must not stay behind for another item.
TEST(PlaylistGrid, OptionsFollowTheirItemWhenARowIsDeletedAndThePlayerReadsThemSo) {
  TempFolder t;
  const std::string folder = t.mkdir("P");
  t.write("P/Playlist.ini",
          "[Playlist]\n1=first.htm|00:10\n2=video.avi\n3=Slideshow Beach|00:20\n"
          "[Playlist Options]\n1=Ticker On,Media Controls Off,First.txt\n"
          "2=Ticker Off,Media Controls FF Disabled,Video.txt\n3=Ticker On,Media Controls On,Beach.txt\n");
  auto rows = loadPlaylistGrid(folder);
  ASSERT_EQ(rows.size(), 3u);
  rows.erase(rows.begin());  // the author deletes row 1
  ASSERT_TRUE(savePlaylistGrid(folder, rows, PlaylistWriter::PlaylistEditor));

  EXPECT_EQ(pairs(section(folder, kSectionPlaylistOptions)),
            (Pairs{{"1", "Ticker Off,Media Controls FF Disabled,Video.txt"}, {"2", "Ticker On,Media Controls On,Beach.txt"}}));

  // The player's reading of the same file.
  const auto items = readPlaylist(folder, ReadMode::Player);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].item, "video.avi");
  EXPECT_TRUE(items[0].options->tickerHidden);
  EXPECT_EQ(items[0].options->mediaControls, MediaControls::FastForwardRefused);
  EXPECT_EQ(items[0].options->syncFileName, "Video.txt");
  EXPECT_EQ(items[1].item, "Slideshow Beach");
  EXPECT_FALSE(items[1].options->tickerHidden);
  EXPECT_EQ(items[1].options->syncFileName, "Beach.txt");

  // The text editor finds the video's file under its new key.
  const auto textItems = loadPlaylistTextItems(folder);
  ASSERT_EQ(textItems.size(), 2u);
  EXPECT_EQ(textItems[0].key, "1");
  EXPECT_EQ(textItems[0].syncFile, "Video.txt");

  // The options editor shows the same, and its save keeps them with the items.
  auto again = loadPlaylistGrid(folder);
  EXPECT_EQ(optionCellsFrom(again[0].options), (OptionCells{kTickerInvisible, kControlsFfDisabled, "Video.txt"}));
  std::swap(again[0], again[1]);  // moved with Item Up
  ASSERT_TRUE(savePlaylistGrid(folder, again, PlaylistWriter::PresentationOptions));
  const auto moved = readPlaylist(folder, ReadMode::Player);
  EXPECT_EQ(moved[1].item, "video.avi");
  EXPECT_EQ(moved[1].options->syncFileName, "Video.txt");
  EXPECT_TRUE(moved[1].options->tickerHidden);
}

TEST(PlaylistGrid, ARowWithoutOptionsGetsNoneAndAnEmptyGridEmptiesBothSections) {
  TempFolder t;
  const std::string folder = t.mkdir("P");
  t.write("P/Playlist.ini", "[Playlist]\n1=a.htm|00:01\n[Playlist Options]\n1=Ticker Off,,a.txt\n7=Ticker Off,,stale.txt\n");
  auto rows = loadPlaylistGrid(folder);
  rows.insert(rows.begin(), PlaylistGridRow{"new.htm", "00:02", {}});
  ASSERT_TRUE(savePlaylistGrid(folder, rows, PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(pairs(section(folder, kSectionPlaylistOptions)), (Pairs{{"2", "Ticker Off,,a.txt"}}));

  ASSERT_TRUE(savePlaylistGrid(folder, {PlaylistGridRow{}, PlaylistGridRow{}}, PlaylistWriter::PlaylistEditor));
  const ProfileFile file = ProfileFile::load(playlistFilePath(folder));
  EXPECT_FALSE(file.hasSection(kSectionPlaylist));
  EXPECT_FALSE(file.hasSection(kSectionPlaylistOptions));
}

TEST(PlaylistGrid, MissingOrUnreadableFileLoadsEmpty) {
  TempFolder t;
  EXPECT_TRUE(loadPlaylistGrid(t.mkdir("none")).empty());
  t.write("bin/Playlist.ini", std::string("\0\xff\xfe[Playlist\n=\n|||", 14));
  EXPECT_NO_THROW(loadPlaylistGrid(t / "bin"));
}

TEST(OptionCells, ReadingTable) {
  struct Case {
    std::optional<std::string> value;
    OptionCells cells;
  } cases[] = {
      {std::nullopt, {}},
      {"", {}},
      {"TICKER OFF,media controls off,Product.txt", {kTickerInvisible, kControlsOff, "Product.txt"}},
      {"Ticker On,Media Controls FF Disabled,", {kTickerVisible, kControlsFfDisabled, ""}},
      {"ticker oFF", {kTickerInvisible, kControlsOn, ""}},
      {",,Mixed_Case.TXT", {kTickerVisible, kControlsOn, "Mixed_Case.TXT"}},
  };
  for (const Case& c : cases) EXPECT_EQ(optionCellsFrom(c.value), c.cells) << c.value.value_or("<missing>");
}

TEST(OptionCells, WritingKeepsTheStoredNameAndAlwaysThreeFields) {
  EXPECT_EQ(optionsValueFrom({}), "Ticker On,Media Controls On,");
  EXPECT_EQ(optionsValueFrom({kTickerInvisible, kControlsOff, "x.txt"}), "Ticker Off,Media Controls Off,x.txt");
  EXPECT_EQ(optionsValueFrom({kTickerVisible, kControlsFfDisabled, ""}), "Ticker On,Media Controls FF Disabled,");
  // Read and written back unchanged, the link keeps its letter case.
  const std::string stored = "Ticker On,Media Controls On,Product.txt";
  EXPECT_EQ(optionsValueFrom(optionCellsFrom(stored)), stored);
}

TEST(SyncText, PresetTimesAndDialogTimes) {
  EXPECT_EQ(presetSyncTime(1), "00:00");
  EXPECT_EQ(presetSyncTime(2), "00:04");
  EXPECT_EQ(presetSyncTime(16), "01:00");
  EXPECT_EQ(presetSyncTime(kSyncPresetRows), "06:00");
  struct Case {
    const char* text;
    bool ok;
  } cases[] = {{"00:00", true}, {"09:59", true}, {"99:59", true}, {"00:60", false}, {"0:00", false},
               {"", false},     {"ab:cd", false}, {"01-00", false}, {"01:5x", false}};
  for (const Case& c : cases) EXPECT_EQ(isDialogPlayTime(c.text), c.ok) << c.text;
  for (char ch : std::string("0123456789:\b")) EXPECT_TRUE(isTimeKeyChar(ch));
  for (char ch : std::string("a -|.")) EXPECT_FALSE(isTimeKeyChar(ch));
}

TEST(SyncText, FileNameAnswersTable) {
  struct Case {
    const char* answer;
    const char* name;  // nullptr: refused
  } cases[] = {
      {"Product", "Product.txt"}, {" notes.txt ", "notes.txt"}, {"lines.dat", "lines.dat"},
      {"../x.txt", nullptr},      {"a/b", nullptr},             {"", nullptr},
      {"   ", nullptr},           {"..", nullptr},              {"bad\nname", nullptr},
  };
  for (const Case& c : cases) {
    const SyncNameAnswer a = checkSyncFileName(c.answer);
    if (c.name) {
      EXPECT_TRUE(a.accepted()) << c.answer << ": " << a.message;
      EXPECT_EQ(a.name, c.name);
    } else {
      EXPECT_FALSE(a.accepted()) << c.answer;
      EXPECT_FALSE(a.message.empty());
    }
  }
}

TEST(SyncText, NameProposalAndLinesKeptWhole) {
  TempFolder t;
  const std::string folder = t.mkdir("P");
  EXPECT_EQ(defaultSyncFileName(folder, "Product.avi"), "Product.txt");
  t.write("P/Product.txt", "");
  EXPECT_EQ(defaultSyncFileName(folder, "Product.avi"), "Product_1.txt");
  EXPECT_EQ(defaultSyncFileName(folder, "Slideshow Beach"), "Slideshow Beach.txt");

  std::vector<SyncRow> rows;
  for (int i = 1; i <= 120; ++i) rows.push_back({presetSyncTime(i), "line " + std::to_string(i), ""});
  rows.push_back({"", "no time", "http://x"});
  rows.push_back({"00:01", "http://q|Ready?", ""});
  ASSERT_TRUE(writeSyncLines(folder + "Product.txt", rows));
  EXPECT_EQ(readSyncRows(folder + "Product.txt"), rows);
  EXPECT_NE(readFile(folder + "Product.txt").find("|no time||http://x"), std::string::npos);
  EXPECT_TRUE(typedTickerTextAllowed("plain text, no bar"));
  EXPECT_FALSE(typedTickerTextAllowed("cut|here"));
}

}  // namespace
}  // namespace tavo::creator
