// The playlist text page on a temporary work area: the items of the playlist,
// the synchronized file's name and lines, ticker text without "|", the link
// dialog's play time.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"  // GCC 12, the fixture's optional<QString> answers
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/wizard/TFmGetWebHotlink.h"
#include "creator/wizard/TFmStep5.h"
#include "creator/wizard/TFmStep6.h"
#include "format/Playlist.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;
using S = TFmStep6;

class Step6Test : public CreatorFixture {
 protected:
  Step6Test() {
    show = presentation("Show");
    for (const char* provider : {"A", "B"}) fs::create_directories(show + provider);
    writeSettings("[General]\r\nCurProject=Show\r\n");
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

TEST_F(Step6Test, ProposesANameRefusesUnsafeAnswersAndRecordsTheFileUnderTheKey) {
  t.write("area/Projects/Show/A/Playlist.ini",
          "[Playlist]\n3=Product.avi\n7=Slideshow Beach|00:10\n[Playlist Options]\n7=Ticker Off,Media Controls Off\n");
  t.write("area/Projects/Show/A/Product.txt", "");
  auto& p = open<TFmStep6>();
  EXPECT_EQ(p.CBxItems->count(), 2);
  EXPECT_EQ(p.Grid->cell(S::kColTime, 91), "06:00");
  EXPECT_EQ(p.Grid->cell(S::kColMode, 2), "Scroll");
  p.Grid->setCell(S::kColText, 1, "Hello");
  p.Grid->setCell(S::kColTime, 2, "");
  p.Grid->setCell(S::kColText, 2, "untimed");
  dialogs.inputAnswers = {QString("../x.txt"), QString(""), QString("Product"), QString("Notes")};
  p.changeItem(1);
  ASSERT_GE(dialogs.inputs.size(), 4u);
  EXPECT_EQ(dialogs.inputs[0].caption, "File name");
  EXPECT_EQ(dialogs.inputs[0].third, "Product_1.txt");
  EXPECT_EQ(dialogs.inputs[3].caption, "File exists");  // Product -> Product.txt exists
  EXPECT_FALSE(fs::exists(show + "x.txt"));
  EXPECT_EQ(read(show + "A/Notes.txt"), "00:00|Hello||\r\n|untimed||\r\n");
  EXPECT_EQ(ProfileFile::load(show + "A/Playlist.ini").readString("Playlist Options", "3", ""), ",,Notes.txt");

  // The second item has two option fields: the name becomes the third; the
  // proposal is the whole entry + ".txt". Cancel takes it.
  p.closePage();
  EXPECT_EQ(dialogs.inputs.back().third, "Slideshow Beach.txt");
  EXPECT_EQ(ProfileFile::load(show + "A/Playlist.ini").readString("Playlist Options", "7", ""),
            "Ticker Off,Media Controls Off,Slideshow Beach.txt");
  EXPECT_TRUE(fs::exists(show + "A/Slideshow Beach.txt"));
}

TEST_F(Step6Test, TypedBarsAreRefusedButDialogLinesKeepTheirs) {
  t.write("area/Projects/Show/A/Playlist.ini", "[Playlist]\n1=a.htm|00:10\n[Playlist Options]\n1=,,a.txt\n");
  t.write("area/Projects/Show/A/a.txt", "00:02|http://q|Ready?|\r\n");
  auto& p = open<TFmStep6>();
  EXPECT_EQ(p.Grid->cell(S::kColText, 1), "http://q|Ready?");
  // As the cell editor stores typed text.
  p.Grid->model()->setData(p.Grid->model()->index(2 - p.Grid->FixedRows(), S::kColText - p.Grid->FixedCols()),
                           QString("cut|here"), Qt::EditRole);
  EXPECT_EQ(p.Grid->cell(S::kColText, 2), "cuthere");
  p.Grid->setCurrentCell(S::kColText, 3);
  p.askHotlink = [](TFmGetWebHotlink::Mode mode, const QString&, QString& link, QString& question, QString& time) {
    EXPECT_EQ(mode, TFmGetWebHotlink::Mode::Question);
    link = "http://w";
    question = "Buy?";
    time = "01:30";
    return true;
  };
  p.BtnAskQuestionClick();
  EXPECT_EQ(p.Grid->Row(), 4);
  p.closePage();
  const auto lines = readSyncLines(show + "A/a.txt");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, "http://q");
  EXPECT_EQ(lines[1].text, "cuthere");
  EXPECT_EQ(lines[2].seconds, 90);
  EXPECT_EQ(lines[2].text, "http://w");
  EXPECT_EQ(lines[2].remainder, "Buy?|");
}

TEST_F(Step6Test, AFileOf120LinesIsKeptWholeAndFollowsItsItemWhenARowIsDeleted) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += "00:" + std::string(i % 60 < 10 ? "0" : "") + std::to_string(i % 60) + "|l" + std::to_string(i) + "||\r\n";
  t.write("area/Projects/Show/A/v.txt", text);
  t.write("area/Projects/Show/A/Playlist.ini",
          "[Playlist]\n1=a.htm|00:10\n2=v.avi\n[Playlist Options]\n1=,,a.txt\n2=Ticker Off,Media Controls On,v.txt\n");
  {
    auto& five = open<TFmStep5>();
    five.Grid->setCurrentCell(TFmStep5::kColEntry, 1);
    five.Grid->deleteCurrentRow();
    five.closePage();
  }
  auto& p = open<TFmStep6>();
  ASSERT_EQ(p.CBxItems->count(), 1);
  EXPECT_EQ(p.Grid->cell(S::kColText, 120), "l119");
  p.closePage();
  EXPECT_EQ(read(show + "A/v.txt"), text);
  EXPECT_EQ(readPlaylist(show + "A", ReadMode::Player).at(0).options->syncFileName, "v.txt");
}

TEST(GetWebHotlink, PlayTimeRule) {
  struct Case {
    const char* typed;
    bool accepted;
  } cases[] = {{"00:60", false}, {"09:59", true}, {"99:59", true}, {"1:00", false}};
  for (const Case& c : cases) {
    TFmGetWebHotlink dialog(TFmGetWebHotlink::Mode::Banner, "00:08");
    QStringList shown;
    dialog.showMessage = [&](const QString& m) { shown << m; };
    dialog.EdPlayTime->setText(c.typed);
    dialog.BtnOkClick();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.typed;
    if (c.accepted) {
      EXPECT_EQ(dialog.playTime(), c.typed);
    } else {
      EXPECT_EQ(shown, QStringList{"Playtime must be of the form 00:00"});
      EXPECT_EQ(dialog.EdPlayTime->text(), "00:08");
    }
  }
  TFmGetWebHotlink banner(TFmGetWebHotlink::Mode::Banner, "00:00");
  TFmGetWebHotlink question(TFmGetWebHotlink::Mode::Question, "00:00");
  EXPECT_EQ(banner.windowTitle(), "Flash Banner Ad");
  EXPECT_EQ(question.height() - banner.height(), 55);
  EXPECT_TRUE(banner.EdQuestion->isHidden());
}

}  // namespace
}  // namespace tavo::creator::test
