#include <gtest/gtest.h>

#include "format/Playlist.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;

TEST(Playlist, PlayerRunsItemsInFileOrderWithTheirPlayTimes) {
  TempFolder dir;
  dir.write("PlayList.INI",
            "[Playlist]\r\n1=intro.avi\r\n2=Slideshow Beach|00:30\r\n4=price.htm|01:00\r\n5=notes.txt|\r\n"
            "6=http://www.example.com/page?id=5&x=y|00:10\r\nnot an item\r\n");
  const auto items = readPlaylist(dir.path(), ReadMode::Player);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].item, "intro.avi");
  EXPECT_EQ(items[0].playSeconds(), std::nullopt);
  EXPECT_EQ(items[1].item, "Slideshow Beach");
  EXPECT_EQ(items[1].playSeconds(), 30);
  EXPECT_EQ(items[2].key, "4");
  EXPECT_EQ(items[2].playSeconds(), 60);
  EXPECT_EQ(items[3].playTime, "");
  EXPECT_EQ(items[3].playSeconds(), std::nullopt);
  // The whole value after the first "=": a web address keeps its query.
  EXPECT_EQ(items[4].item, "http://www.example.com/page?id=5&x=y");
  EXPECT_EQ(items[4].playSeconds(), 10);
}

TEST(Playlist, OptionsAreLookedUpUnderTheItemsOwnKey) {
  TempFolder dir;
  dir.write("Playlist.ini",
            "[Playlist]\r\n1=intro.avi\r\n4=clip.mpg\r\n"
            "[Playlist Options]\r\n2=Ticker On,Media Controls Off,wrong.txt\r\n"
            "4=ticker off,MEDIA CONTROLS FF DISABLED,clip.txt\r\n");
  const auto items = readPlaylist(dir.path(), ReadMode::Player);
  ASSERT_EQ(items.size(), 2u);
  // Item 1 has no options (the value under key 2 belongs to no item here).
  EXPECT_EQ(items[0].options, PlaylistOptions{});
  // The second item is key 4 and gets the options of key 4, not of position 2.
  EXPECT_EQ(items[1].options, (PlaylistOptions{true, MediaControls::FastForwardRefused, "clip.txt"}));
  EXPECT_EQ(readPlaylistOptions(dir.path(), "4").mediaControls, MediaControls::FastForwardRefused);
  EXPECT_EQ(readPlaylistOptions(dir.path(), "3"), PlaylistOptions{});
  EXPECT_EQ(readPlaylistOptions(dir / "missing", "1"), PlaylistOptions{});
}

TEST(Playlist, TheTwoOptionReadingRules) {
  const struct {
    const char* value;
    PlaylistOptions player;
    std::optional<PlaylistOptions> editor;
  } cases[] = {
      {"Ticker Off,Media Controls FF Disabled,intro.txt",
       {true, MediaControls::FastForwardRefused, "intro.txt"},
       PlaylistOptions{true, MediaControls::FastForwardRefused, "intro.txt"}},
      {"Ticker On,Media Controls Off,Intro.TXT", {false, MediaControls::Off, "Intro.TXT"},
       PlaylistOptions{false, MediaControls::Off, "intro.txt"}},  // the editor lower-cases
      {"TICKER OFF,Media Controls On,", {true, MediaControls::On, ""}, PlaylistOptions{true, MediaControls::On, ""}},
      {" Ticker Off, Media Controls Off", {false, MediaControls::On, ""},  // the player compares whole fields
       PlaylistOptions{true, MediaControls::Off, ""}},
      {",,only.txt", {false, MediaControls::On, "only.txt"}, PlaylistOptions{false, MediaControls::On, "only.txt"}},
      {"", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parsePlaylistOptions(c.value), c.player) << c.value;
    EXPECT_EQ(parsePlaylistOptionsForEditor(c.value), c.editor) << c.value;
  }
}

TEST(Playlist, EditorFormGivesKeysAndTheEditorsOptions) {
  const ProfileFile f = ProfileFile::parse(
      "[Playlist]\n3=a.htm|00:05\n7=b.avi\n[Playlist Options]\n3=\n7=Ticker Off,Media Controls On,b.txt\n");
  const auto rows = parsePlaylist(f, ReadMode::Editor);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].key, "3");
  EXPECT_EQ(rows[0].options, std::nullopt);  // an empty value leaves the cells empty
  EXPECT_EQ(rows[1].options, (PlaylistOptions{true, MediaControls::On, "b.txt"}));
}

TEST(Playlist, MediaFilesByExtensionInLowerCase) {
  for (const char* media : {"a.avi", "B.MOV", "c.mpg", "clip.MPG", "d.mpeg", "e.wmv", "f.mp3", "g.ram", "h.wav"})
    EXPECT_TRUE(isMediaFile(media)) << media;
  for (const char* other : {"a.midi", "b.mid", "c.htm", "Slideshow Beach", "avi", "x.avi.txt", ""})
    EXPECT_FALSE(isMediaFile(other)) << other;
}

TEST(Playlist, PlaylistEditorWriterRules) {
  TempFolder dir;
  dir.write("Playlist.ini", "[Playlist]\r\n9=old\r\n[Playlist Options]\r\n1=Ticker Off,Media Controls On,\r\n");
  ASSERT_TRUE(writePlaylist(dir.path(),
                            {{"intro.avi", "N/A"},
                             {"   ", "00:10"},
                             {"Slideshow Beach", ""},
                             {"price.htm", " 01:00 "},
                             {"page.htm", "n/a"},
                             {"clip.MPG", "00:20"}},
                            PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(readFile(dir / "Playlist.ini"),
            "[Playlist]\r\n1=intro.avi\r\n3=Slideshow Beach|\r\n4=price.htm|01:00\r\n5=page.htm\r\n6=clip.MPG\r\n"
            "[Playlist Options]\r\n1=Ticker Off,Media Controls On,\r\n");
}

TEST(Playlist, PresentationOptionsWriterRulesAndOptions) {
  TempFolder dir;
  dir.write("Playlist.ini", "[Playlist Options]\r\n9=Ticker On,Media Controls On,stays.txt\r\n");
  ASSERT_TRUE(writePlaylist(dir.path(), {{"intro.avi", ""}, {"Slideshow Beach", " 00:30 "}, {"", "01:00"}},
                            PlaylistWriter::PresentationOptions));
  ASSERT_TRUE(writePlaylistOptions(dir.path(), {{"intro.avi", {}},
                                                {"Slideshow Beach", {true, MediaControls::FastForwardRefused, "b.txt"}},
                                                {" ", {true, MediaControls::Off, ""}}}));
  EXPECT_EQ(readFile(dir / "Playlist.ini"),
            "[Playlist Options]\r\n9=Ticker On,Media Controls On,stays.txt\r\n1=Ticker On,Media Controls On,\r\n"
            "2=Ticker Off,Media Controls FF Disabled,b.txt\r\n[Playlist]\r\n1=intro.avi\r\n2=Slideshow Beach|00:30\r\n");
}

TEST(Playlist, RowsWrittenByStepFiveReadBackIntoConsecutiveRows) {
  TempFolder dir;
  ASSERT_TRUE(writePlaylist(dir.path(), {{"a.htm", "00:05"}, {"", ""}, {"b.htm", "00:06"}, {"c.avi", ""}},
                            PlaylistWriter::PlaylistEditor));
  const auto rows = readPlaylist(dir.path(), ReadMode::Editor);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].key, "3");
  std::vector<PlaylistRow> again;
  for (const auto& r : rows) again.push_back({r.item, r.playTime});
  ASSERT_TRUE(writePlaylist(dir.path(), again, PlaylistWriter::PlaylistEditor));
  EXPECT_EQ(readFile(dir / "Playlist.ini"), "[Playlist]\r\n1=a.htm|00:05\r\n2=b.htm|00:06\r\n3=c.avi\r\n");
}

TEST(Playlist, SyncFileNameGoesIntoFieldThree) {
  TempFolder dir;
  dir.write("Playlist.ini",
            "[Playlist Options]\r\n1=Ticker Off,Media Controls Off,old.txt\r\n2=\r\n3=Ticker Off\r\n"
            "4=Ticker On,Media Controls On\r\n");
  for (const char* key : {"1", "2", "3", "4", "5"}) ASSERT_TRUE(setPlaylistSyncFile(dir.path(), key, "new.txt"));
  EXPECT_EQ(readFile(dir / "Playlist.ini"),
            "[Playlist Options]\r\n1=Ticker Off,Media Controls Off,new.txt\r\n2=,,new.txt\r\n"
            "3=Ticker Off,,new.txt\r\n4=Ticker On,Media Controls On,new.txt\r\n5=,,new.txt\r\n");
}

// The creator's three steps write a playlist with a gap, then the player reads it.
TEST(Playlist, CreatorWritesThenPlayerReadsEachItemWithItsOwnOptions) {
  TempFolder dir;
  const std::vector<PlaylistRow> rows = {{"intro.avi", "N/A"}, {"", ""}, {"Slideshow Beach", "00:30"}, {"shop.htm", "01:00"}};
  ASSERT_TRUE(writePlaylist(dir.path(), rows, PlaylistWriter::PlaylistEditor));
  ASSERT_TRUE(writePlaylistOptions(dir.path(), {{"intro.avi", {true, MediaControls::Off, ""}},
                                                {"", {}},
                                                {"Slideshow Beach", {false, MediaControls::FastForwardRefused, ""}},
                                                {"shop.htm", {}}}));
  const auto items = readPlaylist(dir.path(), ReadMode::Editor);
  ASSERT_EQ(items.size(), 3u);
  const std::string name = defaultSyncFileName(dir.path(), items[1].item);
  EXPECT_EQ(name, "Slideshow Beach.txt");
  ASSERT_TRUE(writeSyncLines(dir / name, {{presetSyncTime(1), "Welcome to the beach", ""},
                                          {presetSyncTime(2), "Surf school|Subscriber Sports", "surf.htm"}}));
  ASSERT_TRUE(setPlaylistSyncFile(dir.path(), items[1].key, name));

  const auto played = readPlaylist(dir.path(), ReadMode::Player);
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].options, (PlaylistOptions{true, MediaControls::Off, ""}));
  EXPECT_EQ(played[1].key, "3");
  EXPECT_EQ(played[1].playSeconds(), 30);
  EXPECT_EQ(played[1].options, (PlaylistOptions{false, MediaControls::FastForwardRefused, name}));
  EXPECT_EQ(played[2].options, PlaylistOptions{});
  const auto lines = readSyncLines(dir / played[1].options->syncFileName);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], (SyncLine{4, "Surf school", "Subscriber Sports|surf.htm"}));
}

TEST(SyncLines, PlayerFormSkipsLinesWithoutAUsableTime) {
  const auto lines = parseSyncLines(
      "00:08|Plain text||\r\n"
      "00:12|banner.jpg|page.htm|Subscriber News\r\n"
      "0:5|bad time|x|y\r\n"
      "|no time at all\r\n"
      "01:00|last|a|b|c\r\n"
      "\r\n  \r\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], (SyncLine{8, "Plain text", "|"}));
  EXPECT_EQ(lines[1], (SyncLine{12, "banner.jpg", "page.htm|Subscriber News"}));
  EXPECT_EQ(lines[2], (SyncLine{60, "last", "a|b|c"}));
}

TEST(SyncLines, EditorRoundTrip) {
  TempFolder dir;
  const std::string path = dir / "intro.txt";
  const std::vector<SyncRow> rows = {{"00:00", "Welcome", "http://www.example.com"},
                                     {"00:04", "", "dropped: no text"},
                                     {"00:08", "banner.bmp|page.htm", ""},
                                     {"", "no time, still written", ""},
                                     {"00:16", "http://q.example.com|Open the page?", "x.htm"}};
  ASSERT_TRUE(writeSyncLines(path, rows));
  EXPECT_EQ(readFile(path),
            "00:00|Welcome||http://www.example.com\r\n00:08|banner.bmp|page.htm|\r\n|no time, still written||\r\n"
            "00:16|http://q.example.com|Open the page?|x.htm\r\n");
  EXPECT_EQ(readSyncRows(path), (std::vector<SyncRow>{{"00:00", "Welcome", "http://www.example.com"},
                                                      {"00:08", "banner.bmp|page.htm", ""},
                                                      {"", "no time, still written", ""},
                                                      {"00:16", "http://q.example.com|Open the page?", "x.htm"}}));
  const auto shown = readSyncLines(path);
  ASSERT_EQ(shown.size(), 3u);  // the line without a time is skipped by the player
  EXPECT_EQ(shown[2].seconds, 16);
}

TEST(SyncLines, DefaultFileNamesNumberFromOne) {
  TempFolder dir;
  EXPECT_EQ(defaultSyncFileName(dir.path(), "clip.avi"), "clip.txt");
  dir.write("clip.txt", "");
  EXPECT_EQ(defaultSyncFileName(dir.path(), "clip.mpg"), "clip_1.txt");
  dir.write("CLIP_1.TXT", "");
  EXPECT_EQ(defaultSyncFileName(dir.path(), "clip.final.mov"), "clip_2.txt");
  EXPECT_EQ(defaultSyncFileName(dir.path(), "Slideshow Beach"), "Slideshow Beach.txt");
  // Only the item's last name counts: never a path, never outside the folder.
  const struct {
    const char* item;
    const char* name;
  } cases[] = {
      {"../../evil.avi", "evil.txt"},
      {"..\\..\\evil.avi", "evil.txt"},
      {"media/intro.mpg", "intro.txt"},
      {"http://www.example.com/videos/tour", "tour.txt"},
      {"http://www.example.com/", "www.txt"},
      {"..", "Sync.txt"},
      {"/", "Sync.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(defaultSyncFileName(dir.path(), c.item), c.name) << c.item;
}

}  // namespace
}  // namespace tavo
