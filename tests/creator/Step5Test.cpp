// The playlist page on a temporary work area: loading and saving through the
// grid, moving rows with their options, browsing, replacing the playlist by a
// saved one.
#include <QLabel>
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/wizard/TFmStep5.h"
#include "format/Playlist.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class Step5Test : public CreatorFixture {
 protected:
  Step5Test() {
    show = presentation("Show");
    for (const char* provider : {"A", "B"}) fs::create_directories(show + provider);
    writeSettings("[General]\r\nCurProject=Show\r\n");
  }
  TFmStep5& open() {
    start();
    main->FormShow();
    main->presentation().currentProvider = 0;
    panel = std::make_unique<QWidget>();
    page = TFmEmbedded::CreateEmbedded<TFmStep5>(*main, panel.get());
    page->FormShow();
    return *page;
  }
  QString cell(int col, int row) const { return page->Grid->cell(col, row); }
  std::string show;
  std::unique_ptr<QWidget> panel;
  TFmStep5* page = nullptr;
};

TEST_F(Step5Test, LoadsInFileOrderAndSavesOnProviderChangeWithOptionsFollowingTheirRow) {
  t.write("area/Projects/Show/A/Playlist.ini",
          "[Playlist]\n1=first.htm|00:10\n5=Clip.MPG\n9=Slideshow Beach|\n"
          "[Playlist Options]\n1=Ticker On,Media Controls Off,First.txt\n5=Ticker Off,Media Controls On,Clip.txt\n");
  TFmStep5& p = open();
  EXPECT_EQ(p.CBxProviders->currentText(), "A");
  EXPECT_EQ(cell(TFmStep5::kColEntry, 2), "Clip.MPG");
  EXPECT_EQ(cell(TFmStep5::kColTime, 2), "N/A");
  EXPECT_EQ(cell(TFmStep5::kColEntry, 3), "Slideshow Beach");

  p.Grid->setCurrentCell(TFmStep5::kColEntry, 1);
  p.Grid->deleteCurrentRow();
  p.BtnNextProviderClick();  // saves A
  EXPECT_EQ(p.CBxProviders->currentText(), "B");
  const auto items = readPlaylist(show + "A", ReadMode::Player);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].key, "1");
  EXPECT_EQ(items[0].item, "Clip.MPG");
  EXPECT_TRUE(items[0].options->tickerHidden);
  EXPECT_EQ(items[0].options->syncFileName, "Clip.txt");
  EXPECT_EQ(items[1].playTime, "");
  EXPECT_FALSE(items[1].options->tickerHidden);  // no options of its own: First.txt did not move onto it
  EXPECT_EQ(items[1].options->syncFileName, "");
  EXPECT_EQ(p.Grid->cell(TFmStep5::kColEntry, 1), "");
}

TEST_F(Step5Test, AFailedImportLeavesTheRowAndSaysWhichFile) {
  TFmStep5& p = open();
  p.Grid->setCurrentCell(TFmStep5::kColEntry, 1);
  p.Grid->setCell(TFmStep5::kColEntry, 1, "old.htm");
  p.browse(QString::fromStdString(t / "missing/none.avi"));
  EXPECT_EQ(cell(TFmStep5::kColEntry, 1), "old.htm");
  ASSERT_FALSE(messageTexts().isEmpty());
  EXPECT_TRUE(messageTexts().back().contains("none.avi"));

  const std::string video = t.write("media/Movie.avi", "x");
  const std::string page2 = t.write("media/tour.exe", "x");
  p.browse(QString::fromStdString(video));
  EXPECT_EQ(cell(TFmStep5::kColEntry, 1), "Movie.avi");
  EXPECT_EQ(cell(TFmStep5::kColTime, 1), "N/A");
  EXPECT_TRUE(fs::exists(show + "A/Movie.avi"));
  p.Grid->setCurrentCell(TFmStep5::kColEntry, 2);
  p.browse(QString::fromStdString(page2));
  EXPECT_EQ(cell(TFmStep5::kColTime, 2), "00:00");
  EXPECT_EQ(p.Grid->Col(), TFmStep5::kColTime);
}

TEST_F(Step5Test, ChoosingASavedPlaylistAsksAndKeepsFilesTheChannelStillUses) {
  t.write("area/Projects/Show/A/Playlist.ini", "[Playlist]\n1=logo.jpg|00:05\n2=talk.mp3\n");
  t.write("area/Projects/Show/A/logo.jpg", "x");
  t.write("area/Projects/Show/A/talk.mp3", "x");
  t.write("area/Projects/Show/A/!Tavo.ini", "[Sponsor]\nLogo=LOGO.JPG\n");
  t.write("area/Custom/Playlist/Evening/e.htm", "x");
  TFmStep5& p = open();
  ASSERT_EQ(p.LBxSaved->count(), 1);

  platform.messages.yesNoAnswers = {false};
  p.LBxSaved->setCurrentRow(0);
  EXPECT_TRUE(fs::exists(show + "A/Playlist.ini"));
  EXPECT_TRUE(fs::exists(show + "A/talk.mp3"));
  EXPECT_EQ(cell(TFmStep5::kColEntry, 1), "logo.jpg");

  platform.messages.yesNoAnswers = {true};
  p.LBxSaved->setCurrentRow(0);
  EXPECT_FALSE(fs::exists(show + "A/Playlist.ini"));
  EXPECT_FALSE(fs::exists(show + "A/talk.mp3"));
  EXPECT_TRUE(fs::exists(show + "A/logo.jpg"));  // the sponsor settings still name it
  EXPECT_TRUE(fs::exists(show + "A/Evening/e.htm"));
  EXPECT_EQ(p.currentSavedPlaylist, "Evening");
}

TEST_F(Step5Test, TestRunsThePlayerOnThePresentationAsLastSaved) {
  TFmStep5& p = open();
  p.Grid->setCell(TFmStep5::kColEntry, 1, "page.htm");
  p.BtnTestClick();
  ASSERT_EQ(platform.shell.started.size(), 1u);
  EXPECT_EQ(platform.shell.started[0].arguments, QStringList{"Path=" + QString::fromStdString(show)});
  EXPECT_FALSE(fs::exists(show + "A/Playlist.ini"));
  p.closePage();
  EXPECT_EQ(readPlaylist(show + "A", ReadMode::Editor).at(0).playTime, "");
  EXPECT_EQ(ProfileFile::load(show + "A/Playlist.ini").readString("Playlist", "1", ""), "page.htm|");
}

}  // namespace
}  // namespace tavo::creator::test
