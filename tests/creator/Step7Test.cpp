// The presentation-options page on a temporary work area.
// GCC 12 reports a false maybe-uninitialized in the fixture's optional<QString>
// answers when inlined here.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/wizard/TFmStep5.h"
#include "creator/wizard/TFmStep7.h"
#include "format/Playlist.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class Step7Test : public CreatorFixture {
 protected:
  Step7Test() {
    show = presentation("Show");
    for (const char* provider : {"A", "B"}) fs::create_directories(show + provider);
    writeSettings("[General]\r\nCurProject=Show\r\n[Presentation Name]\r\nName0=Spring\r\nName1=Fall\r\nName2=Spring\r\n");
    start();
    main->FormShow();
    main->presentation().currentProvider = 0;
    panel = std::make_unique<QWidget>();
  }
  template <typename Page>
  Page& open() {
    auto* page = TFmEmbedded::CreateEmbedded<Page>(*main, panel.get());
    page->FormShow();
    return *page;
  }
  std::string show;
  std::unique_ptr<QWidget> panel;
};

TEST_F(Step7Test, ReadsAndWritesOptionsKeepingStoredNamesAndTheTickerLocation) {
  t.write("area/Projects/Show/A/Playlist.ini",
          "[Playlist]\n1=Clip.avi\n2=page.htm|00:10\n3=Slideshow Beach|\n"
          "[Playlist Options]\n1=TICKER OFF,media controls ff disabled,Product.txt\n");
  t.write("area/Projects/Show/A/!Tavo.ini", "[Browser Options]\nBrowser=Tavo Browser\nTicker Location=http://t/x\n");
  auto& p = open<TFmStep7>();
  using S = TFmStep7;
  EXPECT_EQ(p.Grid->cell(S::kColPlayer, 1), "Invisible");
  EXPECT_EQ(p.Grid->cell(S::kColControls, 1), "FF DISABLED");
  EXPECT_EQ(p.Grid->cell(S::kColSync, 1), "Product.txt");
  EXPECT_EQ(p.Grid->cell(S::kColPlayer, 2), "");
  EXPECT_EQ(p.Grid->cell(S::kColTime, 1), "");
  EXPECT_TRUE(p.RbBrowserTavo->isChecked());
  EXPECT_EQ(p.CBxPresentationName->count(), 2);

  p.Grid->setCurrentCell(S::kColControls, 2);
  p.CBxControls->setCurrentIndex(1);
  emit p.CBxControls->activated(1);
  p.closePage();

  const ProfileFile file = ProfileFile::load(show + "A/Playlist.ini");
  EXPECT_EQ(file.readString("Playlist", "1", "?"), "Clip.avi");
  EXPECT_EQ(file.readString("Playlist", "3", "?"), "Slideshow Beach");
  EXPECT_EQ(file.readString("Playlist Options", "1", ""), "Ticker Off,Media Controls FF Disabled,Product.txt");
  EXPECT_EQ(file.readString("Playlist Options", "2", ""), "Ticker On,Media Controls Off,");
  EXPECT_EQ(file.readString("Playlist Options", "3", ""), "Ticker On,Media Controls On,");
  const ProfileFile settings = ProfileFile::load(show + "A/!Tavo.ini");
  EXPECT_EQ(settings.readString("Browser Options", "Browser", ""), "Tavo Browser");
  EXPECT_EQ(settings.readString("Browser Options", "Ticker Location", ""), "http://t/x");
  const ProfileFile creator = ProfileFile::load(settingsFile());
  EXPECT_EQ(creator.readString("Presentation Name", "Name1", ""), "Fall");
  EXPECT_FALSE(creator.hasKey("Presentation Name", "Name2"));
}

// The playlist page deletes a row; the options page then shows and writes
// every item with its own options, and the player reads them so.
TEST_F(Step7Test, ARowDeletedInThePlaylistKeepsEveryItemsOptionsAcrossBothPages) {
  t.write("area/Projects/Show/A/Playlist.ini",
          "[Playlist]\n1=a.htm|00:05\n2=video.avi\n3=b.htm|00:07\n"
          "[Playlist Options]\n1=Ticker On,Media Controls On,a.txt\n2=Ticker Off,Media Controls Off,Video.txt\n");
  {
    auto& five = open<TFmStep5>();
    five.Grid->setCurrentCell(TFmStep5::kColEntry, 1);
    five.Grid->deleteCurrentRow();
    five.closePage();
  }
  auto& seven = open<TFmStep7>();
  EXPECT_EQ(seven.Grid->cell(TFmStep7::kColEntry, 1), "video.avi");
  EXPECT_EQ(seven.Grid->cell(TFmStep7::kColPlayer, 1), "Invisible");
  EXPECT_EQ(seven.Grid->cell(TFmStep7::kColSync, 1), "Video.txt");
  EXPECT_EQ(seven.Grid->cell(TFmStep7::kColSync, 2), "");
  seven.closePage();
  const auto items = readPlaylist(show + "A", ReadMode::Player);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[0].options->tickerHidden);
  EXPECT_EQ(items[0].options->mediaControls, MediaControls::Off);
  EXPECT_EQ(items[0].options->syncFileName, "Video.txt");
  EXPECT_EQ(items[1].item, "b.htm");
  EXPECT_EQ(items[1].playTime, "00:07");
  EXPECT_FALSE(items[1].options->tickerHidden);
  EXPECT_EQ(items[1].options->syncFileName, "");
}

}  // namespace
}  // namespace tavo::creator::test
