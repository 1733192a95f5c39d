// The ticker text editor: modes, loading and saving on every close, Open and
// Save As in the text library, and the refusal of "|" in the cells.

#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QValidator>
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/wizard/TFmTickerText.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class TickerTextTest : public CreatorFixture {
 protected:
  void SetUp() override {
    provider = presentation("Show") + "News";
    fs::create_directories(provider);
    startOn("Show");
    library = area + "Custom/Text Files/";
  }
  std::unique_ptr<TFmTickerText> editor(const std::string& fileName) {
    auto e = std::make_unique<TFmTickerText>(*main, nullptr, fileName, provider);
    e->FormShow();
    return e;
  }
  std::string provider, library;
};

TEST_F(TickerTextTest, TheModeFollowsTheExactFileName) {
  struct Case {
    const char* file;
    const char* caption;
    bool second;
  };
  const Case cases[] = {{"Ticker.txt", "Tavo Player Ticker Text - Ticker.txt", true},
                        {"Adstream.txt", "Streaming Ad Text - Adstream.txt", false},
                        {"adstream.txt", "Tavo Player Ticker Text - adstream.txt", true}};
  for (const Case& c : cases) {
    auto e = editor(c.file);
    EXPECT_EQ(e->windowTitle(), c.caption);
    EXPECT_EQ(e->LbSecond->isVisibleTo(e.get()), c.second) << c.file;
    EXPECT_EQ(e->Grid->titles(), (QStringList{"Ticker Idle Text", "Hotlink"})) << c.file;
    EXPECT_EQ(e->mode.topInstruction.find("streaming ad") != std::string::npos, !c.second) << c.file;
  }
}

TEST_F(TickerTextTest, ClosingWithoutChangesRewritesTheFileAndKeepsEveryLine) {
  std::string bytes = "First|Slideshow Beach|dropped\r\n\r\nSecond\r\n";
  for (int i = 3; i <= 12; ++i) bytes += "Line " + std::to_string(i) + "|www.example.com/" + std::to_string(i) + "\r\n";
  t.write("area/Projects/Show/News/Ticker.txt", bytes);
  auto e = editor("Ticker.txt");
  EXPECT_GE(e->Grid->RowCount(), 14);
  EXPECT_EQ(e->Grid->cell(0, 13), "Line 12");
  e->reject();  // the close box
  std::string expected = "First|Slideshow Beach\r\nSecond|\r\n";
  for (int i = 3; i <= 12; ++i) expected += "Line " + std::to_string(i) + "|www.example.com/" + std::to_string(i) + "\r\n";
  EXPECT_EQ(read(provider + "/Ticker.txt"), expected);
}

TEST_F(TickerTextTest, AMissingFileIsCreatedOnCloseAndAnExistingOneIsFoundWhateverItsCase) {
  auto e = editor("Adstream.txt");
  e->Grid->setCell(0, 1, "Buy now");
  e->accept();
  EXPECT_EQ(read(provider + "/Adstream.txt"), "Buy now|\r\n");

  t.write("area/Projects/Show/News/ticker.TXT", "Old|\r\n");
  auto f = editor("Ticker.txt");
  EXPECT_EQ(f->Grid->cell(0, 1), "Old");
  f->Grid->setCell(0, 1, "New");
  f->accept();
  EXPECT_EQ(read(provider + "/ticker.TXT"), "New|\r\n");
  EXPECT_FALSE(fs::exists(provider + "/Ticker.txt"));
}

TEST_F(TickerTextTest, OpenSavesFirstThenEditsGoToTheLibraryFile) {
  t.write("area/Custom/Text Files/Shared.txt", "Shared line|Subscriber News\r\n");
  auto e = editor("Ticker.txt");
  e->Grid->setCell(0, 1, "Provider line");
  QString offeredFilter, offeredFolder;
  e->chooseFile = [&](const QString& filter, const QString& folder) {
    offeredFilter = filter;
    offeredFolder = folder;
    return QString::fromStdString(library + "Shared.txt");
  };
  e->BtnOpenClick();
  EXPECT_EQ(offeredFilter, "All files (*.*);;Text files (*.txt)");
  EXPECT_EQ(offeredFolder.toStdString(), library);
  EXPECT_EQ(read(provider + "/Ticker.txt"), "Provider line|\r\n");
  EXPECT_EQ(e->Grid->cell(0, 1), "Shared line");
  EXPECT_EQ(e->windowTitle().toStdString(), "Tavo Player Ticker Text - " + library + "Shared.txt");
  e->Grid->setCell(0, 2, "Added");
  e->accept();
  EXPECT_EQ(read(library + "Shared.txt"), "Shared line|Subscriber News\r\nAdded|\r\n");
  EXPECT_EQ(read(provider + "/Ticker.txt"), "Provider line|\r\n");
}

// A Save As answer stays a plain name inside the library; refused answers ask again.
TEST_F(TickerTextTest, SaveAsKeepsTheAnswerInsideTheLibrary) {
  t.write("area/Custom/Text Files/Taken.txt", "old\r\n");
  auto e = editor("Ticker.txt");
  e->Grid->setCell(0, 1, "Line");
  dialogs.inputAnswers = {QString("../x"), QString(""), QString("a/b"), QString("Taken.txt")};
  platform.messages.yesNoAnswers = {true};
  e->BtnSaveAsClick();
  ASSERT_GE(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].caption, "Save As");
  EXPECT_EQ(dialogs.inputs[0].second, "Save Ticker.txt As");
  EXPECT_EQ(dialogs.inputs[0].third, "Ticker.txt");
  EXPECT_EQ(dialogs.inputs.size(), 4u);
  EXPECT_EQ(platform.messages.shown.size(), 4u);  // three refusals, one overwrite question
  EXPECT_FALSE(fs::exists(area + "Custom/x"));
  EXPECT_EQ(read(library + "Taken.txt"), "Line|\r\n");
  EXPECT_EQ(e->currentFile, library + "Taken.txt");
  EXPECT_EQ(listVisibleSubfoldersSorted(library), std::vector<std::string>{});
}

TEST_F(TickerTextTest, ACellDoesNotTakeTheFieldSeparator) {
  auto e = editor("Ticker.txt");
  QStyleOptionViewItem option;
  QWidget* editorWidget = e->Grid->itemDelegate()->createEditor(e->Grid->viewport(), option, e->Grid->model()->index(0, 0));
  auto* edit = qobject_cast<QLineEdit*>(editorWidget);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(edit->validator(), nullptr);
  QString typed = "News | Sport";
  int at = 0;
  EXPECT_EQ(edit->validator()->validate(typed, at), QValidator::Invalid);
  QString plain = "News and Sport";
  EXPECT_EQ(edit->validator()->validate(plain, at), QValidator::Acceptable);
  EXPECT_FALSE(edit->toolTip().isEmpty());
  delete editorWidget;
  // Text that reached a cell otherwise never moves into the hotlink.
  e->Grid->setCell(0, 1, "a|b");
  e->accept();
  EXPECT_EQ(read(provider + "/Ticker.txt"), "ab|\r\n");
}

}  // namespace
}  // namespace tavo::creator::test
