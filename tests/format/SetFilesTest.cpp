#include <gtest/gtest.h>

#include <filesystem>

#include "format/SetFiles.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;

std::vector<std::string> files(const std::vector<SetImage>& images) {
  std::vector<std::string> out;
  for (const auto& i : images) out.push_back(i.file);
  return out;
}
std::vector<std::string> syncTexts(const std::vector<SetImage>& images) {
  std::vector<std::string> out;
  for (const auto& i : images) out.push_back(i.syncText);
  return out;
}

SetImage row(const char* file, const char* caption, const char* sync = "", const char* hotlink = "") {
  SetImage r;
  r.file = file;
  r.caption = caption;
  r.syncText = sync;
  r.hotlink = hotlink;
  return r;
}

TEST(SlideshowSet, WriterNumbersByRowTrimsPicturesAndWritesALinePerRow) {
  TempFolder dir;
  const std::string set = dir.mkdir("Beach");
  ASSERT_TRUE(writeSlideshowSet(set, {row(" sun.jpg ", " Sunset ", " warm ", "Subscriber News"),
                                      row("", "no picture", "text of row 2"),
                                      row("sea.jpg", "Sea", "", ""),
                                      row("  ", "", "", "")},
                                "01:30", "waves.mp3"));
  EXPECT_EQ(readFile(set + "Slideshow.ini"),
            "[Slideshow Options]\r\nFilename=SyncEzy.txt\r\nCycle Interval=01:30\r\nAudio File=waves.mp3\r\n"
            "[Images]\r\nImage1=sun.jpg|Sunset\r\nImage3=sea.jpg|Sea\r\n");
  EXPECT_EQ(readFile(set + "SyncEzy.txt"), " warm |Subscriber News\r\ntext of row 2|\r\n|\r\n|\r\n");
}

TEST(SlideshowSet, PlayerReadsEveryNumberAndEachPictureKeepsItsOwnLine) {
  TempFolder dir;
  const std::string set = dir.mkdir("Beach");
  dir.write("Beach/SlideShow.INI",
            "[Slideshow Options]\r\nFilename=syncezy.txt\r\nCycle Interval= 0:05\r\n"
            "[Images]\r\nImage4=four.jpg|Four|extra\r\nImage1=one.jpg|One\r\nImage2=\r\nImage3=three.jpg\r\n");
  dir.write("Beach/SyncEzy.txt", "t1|h1\r\nt2|h2\r\nt3|h3\r\n");
  const SlideshowSet s = readSlideshowSet(set, ReadMode::Player);
  EXPECT_EQ(s.cycleIntervalMs(), 5000);
  EXPECT_EQ(files(s.images), (std::vector<std::string>{"one.jpg", "three.jpg", "four.jpg"}));
  EXPECT_EQ(s.images[0].caption, "One");
  EXPECT_EQ(s.images[2].caption, "Four");
  // Image N takes line N; the file has three lines, so picture 4 has none.
  EXPECT_EQ(syncTexts(s.images), (std::vector<std::string>{"t1", "t3", ""}));
  EXPECT_EQ(s.images[1].hotlink, "h3");
  EXPECT_EQ(s.images[2].hotlink, "");
}

TEST(SlideshowSet, PlayerDefaultsAndAMissingSyncFile) {
  TempFolder dir;
  const std::string set = dir.mkdir("Plain");
  dir.write("Plain/Slideshow.ini", "[Images]\r\nImage1=a.jpg|A caption | with bar\r\n");
  const SlideshowSet s = readSlideshowSet(set, ReadMode::Player);
  EXPECT_EQ(s.syncFileName, "");  // no Filename key: no synchronized text
  EXPECT_EQ(s.cycleInterval, "00:15");
  EXPECT_EQ(s.cycleIntervalMs(), 15000);
  ASSERT_EQ(s.images.size(), 1u);
  EXPECT_EQ(s.images[0].caption, "A caption ");  // cut at the "|"
  EXPECT_EQ(s.images[0].syncText, "");
  const SlideshowSet none = readSlideshowSet(dir / "Nothing", ReadMode::Editor);
  EXPECT_TRUE(none.images.empty());
  EXPECT_EQ(none.syncFileName, "SyncEzy.txt");
  EXPECT_EQ(none.cycleInterval, "00:15");
}

TEST(SlideshowSet, EditorRoundTripWithAGapKeepsEveryPictureWithItsText) {
  TempFolder dir;
  const std::string set = dir.mkdir("Beach");
  const std::vector<SetImage> rows = {row("a.jpg", "A", "text a"), row("b.jpg", "B", "text b"),
                                      row("", "", "typed before a picture"), row("d.jpg", "D", "text d", "d.htm")};
  ASSERT_TRUE(writeSlideshowSet(set, rows, "  :  ", ""));
  EXPECT_NE(readFile(set + "Slideshow.ini").find("Cycle Interval=\r\n"), std::string::npos);

  const SlideshowSet edited = readSlideshowSet(set, ReadMode::Editor);
  EXPECT_EQ(edited.cycleInterval, "");  // present but empty stays empty
  // The three pictures fill rows 1 to 3, each with its own text; the line no
  // picture claims follows as a row of its own.
  EXPECT_EQ(files(edited.images), (std::vector<std::string>{"a.jpg", "b.jpg", "d.jpg", ""}));
  EXPECT_EQ(syncTexts(edited.images),
            (std::vector<std::string>{"text a", "text b", "text d", "typed before a picture"}));
  EXPECT_EQ(edited.images[2].hotlink, "d.htm");

  // Saved again unchanged, the player still shows each picture with its text.
  ASSERT_TRUE(writeSlideshowSet(set, edited.images, edited.cycleInterval, edited.audioFile));
  const SlideshowSet shown = readSlideshowSet(set, ReadMode::Player);
  EXPECT_EQ(files(shown.images), (std::vector<std::string>{"a.jpg", "b.jpg", "d.jpg"}));
  EXPECT_EQ(syncTexts(shown.images), (std::vector<std::string>{"text a", "text b", "text d"}));
  EXPECT_EQ(shown.cycleIntervalMs(), 15000);
}

TEST(SlideshowSet, EditorTakesEveryKeyInFileOrder) {
  const ProfileFile def = ProfileFile::parse(
      "[Images]\nImage4=d.jpg|D\nImage1=a.jpg|A\nImage2=b.jpg|B\nPicture=p.jpg|P\nImage1=again.jpg|dup\n");
  const SlideshowSet s = parseSlideshowSet(def, "line1\nline2\nline3\nline4\n", ReadMode::Editor);
  EXPECT_EQ(files(s.images), (std::vector<std::string>{"d.jpg", "a.jpg", "b.jpg", "p.jpg", "again.jpg", ""}));
  EXPECT_EQ(syncTexts(s.images), (std::vector<std::string>{"line4", "line1", "line2", "", "", "line3"}));
  // The player shows Image1, Image2, Image4 in number order.
  const SlideshowSet p = parseSlideshowSet(def, "line1\nline2\nline3\nline4\n", ReadMode::Player);
  EXPECT_EQ(files(p.images), (std::vector<std::string>{"a.jpg", "b.jpg", "d.jpg"}));
  EXPECT_EQ(syncTexts(p.images), (std::vector<std::string>{"line1", "line2", "line4"}));
}

TEST(ThumbnailSet, WriteThenReadInBothModes) {
  TempFolder dir;
  const std::string set = dir.mkdir("Shop");
  std::vector<SetImage> rows(4);
  rows[0].file = "hat.jpg";
  rows[0].caption = " Hats ";
  rows[0].link = " slideshow Beach ";
  rows[2].file = "shoe.jpg";
  rows[2].caption = "Shoes";
  rows[2].link = "shoes.htm";
  rows[3].caption = "caption without picture";
  ASSERT_TRUE(writeThumbnailSet(set, rows, "Our Shop", "  :  ", "music.mid"));
  EXPECT_EQ(readFile(set + "Thumbnail.ini"),
            "[Images]\r\nImage1=hat.jpg|Hats|slideshow Beach\r\nImage3=shoe.jpg|Shoes|shoes.htm\r\n"
            "[Thumbnail Options]\r\nTitle Caption=Our Shop\r\nCycle Interval=  :  \r\nAudio File=music.mid\r\n");
  const ThumbnailSet player = readThumbnailSet(set, ReadMode::Player);
  EXPECT_EQ(player.titleCaption, "Our Shop");
  EXPECT_EQ(player.cycleIntervalMs(), 15000);
  EXPECT_EQ(files(player.images), (std::vector<std::string>{"hat.jpg", "shoe.jpg"}));
  EXPECT_EQ(player.images[0].link, "slideshow Beach");
  const ThumbnailSet editor = readThumbnailSet(set, ReadMode::Editor);
  EXPECT_EQ(editor.images.size(), 2u);
  EXPECT_EQ(editor.cycleInterval, "  :  ");
  EXPECT_EQ(readThumbnailSet(dir / "None", ReadMode::Player).cycleInterval, "");
  EXPECT_EQ(readThumbnailSet(dir / "None", ReadMode::Editor).cycleInterval, "00:15");
}

TEST(SetFiles, RewritingKeepsOtherSectionsAndDropsOldImages) {
  TempFolder dir;
  const std::string set = dir.mkdir("S");
  dir.write("S/Slideshow.ini", "[Notes]\r\nauthor=me\r\n[Images]\r\nImage7=old.jpg|Old\r\n");
  ASSERT_TRUE(writeSlideshowSet(set, {row("new.jpg", "New")}, "00:10", ""));
  const std::string text = readFile(set + "Slideshow.ini");
  EXPECT_NE(text.find("[Notes]\r\nauthor=me\r\n"), std::string::npos);
  EXPECT_EQ(text.find("old.jpg"), std::string::npos);
  ASSERT_TRUE(writeSlideshowSet(set, {}, "00:10", ""));
  EXPECT_EQ(readFile(set + "Slideshow.ini").find("[Images]"), std::string::npos);
}

TEST(SetFiles, ASynchronizedTextFileNamedOutsideTheSetIsNotRead) {
  TempFolder dir;
  const std::string set = dir.mkdir("Show/News/Beach");
  dir.write("secret.txt", "secret one|\r\n");
  dir.write("Show/News/Beach/SyncEzy.txt", "own line|\r\n");
  std::filesystem::create_symlink(dir / "secret.txt", set + "link.txt");
  for (const std::string& name : {std::string("..\\..\\..\\secret.txt"), std::string("../../../secret.txt"),
                                   dir / "secret.txt", std::string("link.txt")}) {
    dir.write("Show/News/Beach/Slideshow.ini", "[Slideshow Options]\r\nFilename=" + name + "\r\n[Images]\r\nImage1=a.jpg\r\n");
    const SlideshowSet s = readSlideshowSet(set, ReadMode::Player);
    ASSERT_EQ(s.images.size(), 1u) << name;
    EXPECT_EQ(s.images[0].syncText, "") << name;
    EXPECT_FALSE(fileInSet(set, name)) << name;
  }
  EXPECT_EQ(fileInSet(set, "SYNCEZY.TXT"), set + "SyncEzy.txt");
  EXPECT_EQ(fileInSet(set, "Sub\\..\\missing.jpg"), set + "Sub/../missing.jpg");  // inside, though missing
}

}  // namespace
}  // namespace tavo
