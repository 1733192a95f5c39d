// The page base's services on real folders.
#include <QLabel>
#include <filesystem>
#include <set>

#include "common/widgets/TQxGrid.h"
#include "creator/wizard/TFmCustWizardPage.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

class PageBaseTest : public CreatorFixture {
 protected:
  PageBaseTest() {
    const std::string p = presentation("Show");
    for (const char* provider : {"A", "B", "C"}) fs::create_directories(p + provider);
    writeSettings("[General]\r\nCurProject=Show\r\nInitialDir=/remembered\r\n");
    start();
    main->FormShow();
    panel = std::make_unique<QWidget>();
    page = TFmEmbedded::CreateEmbedded<TFmCustWizardPage>(*main, panel.get());
  }
  std::unique_ptr<QWidget> panel;
  TFmCustWizardPage* page = nullptr;
};

TEST_F(PageBaseTest, ReadsTheRememberedFolderWhenCreated) {
  EXPECT_EQ(page->initialDir, "/remembered");
  EXPECT_FALSE(page->overwritePrompt);
  EXPECT_EQ(page->programFolder, area);
  EXPECT_EQ(page->OpenDialog.filter, "All files (*.*)|*.*");
}

TEST_F(PageBaseTest, SelectorFollowsTheCurrentProviderAndMovesWithItsButtons) {
  main->presentation().currentProvider = 1;
  page->FormShow();
  EXPECT_EQ(page->CBxProviders->currentText(), "B");
  EXPECT_EQ(page->providerFolder, area + "Projects/Show/B");
  EXPECT_TRUE(page->BtnPriorProvider->isEnabled());
  EXPECT_TRUE(page->BtnNextProvider->isEnabled());
  page->BtnNextProviderClick();
  EXPECT_EQ(main->presentation().currentProvider, 2);
  EXPECT_FALSE(page->BtnNextProvider->isEnabled());
  page->BtnNextProviderClick();  // already last
  EXPECT_EQ(main->presentation().currentProvider, 2);
  page->BtnPriorProviderClick();
  page->BtnPriorProviderClick();
  EXPECT_EQ(main->presentation().currentProvider, 0);
  EXPECT_FALSE(page->BtnPriorProvider->isEnabled());
  EXPECT_TRUE(page->BtnNextProvider->isEnabled());
  EXPECT_EQ(page->providerFolder, area + "Projects/Show/A");
}

TEST_F(PageBaseTest, ASingleProviderDisablesBothButtons) {
  main->presentation().contentProviders = {"A"};
  main->presentation().currentProvider = 0;
  page->FormShow();
  EXPECT_FALSE(page->BtnPriorProvider->isEnabled());
  EXPECT_FALSE(page->BtnNextProvider->isEnabled());
}

// A grid with a title row and a number column, as the step editors use.
std::unique_ptr<TQxGrid> makeGrid(int rows, int cols) {
  auto grid = std::make_unique<TQxGrid>();
  grid->setColCount(cols);
  grid->setRowCount(rows);
  return grid;
}

TEST_F(PageBaseTest, RowNumbers) {
  auto grid = makeGrid(12, 2);
  grid->setCell(0, 0, "#");
  TFmCustWizardPage::numberRows(*grid, 0);
  EXPECT_EQ(grid->cell(0, 0), "#");  // the title row keeps its text
  EXPECT_EQ(grid->cell(0, 9), "    9");
  EXPECT_EQ(grid->cell(0, 10), "  10");
}

TEST_F(PageBaseTest, ImportAsksBeforeOverwritingWhenTheSettingSaysSo) {
  const std::string source = t.write("in/a.txt", "new");
  const std::string target = t.mkdir("target");
  struct Case {
    bool prompt;
    std::deque<bool> answers;
    bool result;
    const char* content;
    bool asked;
  } cases[] = {{true, {false}, false, "old", true}, {true, {true}, true, "new", true}, {false, {}, true, "new", false}};
  for (const Case& c : cases) {
    t.write("target/a.txt", "old");
    platform.messages.shown.clear();
    platform.messages.yesNoAnswers = c.answers;
    page->overwritePrompt = c.prompt;
    EXPECT_EQ(page->importFile(source, t / "target"), c.result);
    EXPECT_EQ(tavo::test::readFile(target + "a.txt"), c.content);
    EXPECT_EQ(!platform.messages.shown.empty(), c.asked);
    if (c.asked) {
      EXPECT_EQ(platform.messages.shown[0].text, "This file already exists, do you want to overwrite it?");
      EXPECT_EQ(platform.messages.shown[0].title, "Overwrite file?");
    }
  }
  EXPECT_FALSE(page->importFile("", ""));
  EXPECT_FALSE(page->importFile(t / "in/missing.txt", t / "target"));
}

TEST_F(PageBaseTest, AWebPageBringsItsPictureFolderOnlyWhenNamedInLowerCase) {
  t.write("in/a.htm", "<html>");
  t.write("in/a_files/pic.gif", "GIF");
  t.write("in/b.HTM", "<html>");
  t.write("in/b_files/pic.gif", "GIF");
  t.mkdir("target");
  EXPECT_TRUE(page->importFile(t / "in/a.htm", t / "target"));
  EXPECT_TRUE(fs::exists(t / "target/a.htm"));
  EXPECT_TRUE(fs::exists(t / "target/a_files/pic.gif"));
  EXPECT_TRUE(page->importFile(t / "in/b.HTM", t / "target"));
  EXPECT_TRUE(fs::exists(t / "target/b.HTM"));
  EXPECT_FALSE(fs::exists(t / "target/b_files"));
}

TEST_F(PageBaseTest, TenJpegsFillTenRowsOfAnEightRowGrid) {
  for (int i = 1; i <= 10; ++i) t.write("pictures/" + std::string(i % 2 ? "pic" : "PIC") + std::to_string(i) + (i % 3 ? ".jpg" : ".JPG"), "J");
  t.write("pictures/notes.txt", "x");
  t.mkdir("pictures/folder.jpg");
  const std::string target = t.mkdir("target");
  auto grid = makeGrid(9, 2);  // eight rows below the title row
  platform.folderBrowser.answers = {QString::fromStdString(t / "pictures/")};
  page->importFolderImages(*grid, 1, target, "pictures");
  EXPECT_EQ(platform.folderBrowser.prompts, QStringList{"Select a folder containing pictures"});
  EXPECT_EQ(grid->RowCount(), 11);
  std::set<std::string> names;
  for (int row = 1; row <= 10; ++row) {
    const std::string name = grid->cell(1, row).toStdString();
    ASSERT_FALSE(name.empty()) << row;
    names.insert(name);
    EXPECT_TRUE(fs::exists(target + name));
  }
  EXPECT_EQ(names.size(), 10u);
  EXPECT_FALSE(names.count("notes.txt"));
}

TEST_F(PageBaseTest, ACancelledFolderBrowseImportsNothing) {
  auto grid = makeGrid(9, 2);
  page->importFolderImages(*grid, 1, t.mkdir("target"), "pictures");
  EXPECT_EQ(grid->RowCount(), 9);
}

TEST_F(PageBaseTest, ChoosingFromTheLibraryKeepsTheRememberedFolder) {
  page->rememberFolder(area + "Custom/Slideshow/Beach/sun.jpg");
  EXPECT_EQ(page->initialDir, "/remembered");
  page->rememberFolder("/home/u/Pictures/Beach.jpg");
  EXPECT_EQ(page->initialDir, "/home/u/Pictures");
}

TEST_F(PageBaseTest, EnterAddsARowAtTheEnd) {
  auto grid = makeGrid(3, 3);
  grid->setCurrentCell(1, 1);
  TFmCustWizardPage::nextCell(*grid);
  EXPECT_EQ(grid->Col(), 2);
  TFmCustWizardPage::nextCell(*grid);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Col(), 1);
  grid->setCurrentCell(2, 2);
  TFmCustWizardPage::nextCell(*grid);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(PageBaseTest, LinkTargetsComeFromThePickList) {
  dialogs.pickAnswers = {QString("B")};
  EXPECT_EQ(page->chooseLinkTarget(1), "B");
  ASSERT_EQ(dialogs.picksShown.size(), 1u);
  EXPECT_EQ(dialogs.picksShown[0].caption, "Select Content Provider");
  EXPECT_EQ(dialogs.picksShown[0].second.toStdString(), area + "Projects/Show/*.*");
  EXPECT_EQ(page->chooseLinkTarget(2), "");  // the slideshow library is empty: nothing offered
  EXPECT_EQ(page->chooseLinkTarget(9), "");
  EXPECT_EQ(dialogs.picksShown.size(), 1u);
}

TEST_F(PageBaseTest, FileTypeLabelsColourAndBuildTheFilter) {
  QWidget types, extensions;
  auto label = [](QWidget& panel, const char* caption, int tag) {
    auto* l = new QLabel(caption, &panel);
    l->setProperty("tag", tag);
    return l;
  };
  QLabel* web = label(types, "1.  Web Links -", 1);
  QLabel* tavo = label(types, "7.  Tavo Formats -", 7);
  QLabel* htm = label(extensions, "HTM,", 1);
  label(extensions, "HTML,", 1);
  QLabel* slides = label(extensions, "Slideshows,", 0);
  page->selectFileType(*web, types, extensions);
  EXPECT_EQ(page->OpenDialog.filter, "All files (*.*)|*.*|Web Links  (*.htm, *.html)|*.HTM;*.HTML");
  EXPECT_EQ(page->OpenDialog.filterIndex, 2);
  EXPECT_TRUE(web->styleSheet().contains("maroon"));
  EXPECT_TRUE(tavo->styleSheet().contains("black"));
  page->selectExtension(*htm, types);
  EXPECT_TRUE(htm->styleSheet().contains("maroon"));
  EXPECT_TRUE(web->styleSheet().contains("black"));
  EXPECT_EQ(page->OpenDialog.filter, "HTM files (*.htm)|*.HTM|All files (*.*)|*.*");
  EXPECT_EQ(page->linkKind, 0);
  page->selectExtension(*slides, types);
  EXPECT_EQ(page->linkKind, 2);
  EXPECT_EQ(page->OpenDialog.initialFolder, area + "Custom/Slideshow");
  EXPECT_TRUE(htm->styleSheet().contains("black"));
}

TEST_F(PageBaseTest, StepSoundsAreSilentWithoutTheSettingOrTheFile) {
  main->playHelpSound = false;
  t.write("area/Help/Step1.wav", "RIFF");
  page->playStepSound("Step1.wav");
  EXPECT_EQ(main->helpSoundPlayer(false), nullptr);
  main->playHelpSound = true;
  page->playStepSound("Missing.wav");
  EXPECT_EQ(main->helpSoundPlayer(false), nullptr);  // nothing is created for a missing file
  page->stopStepSound();
  EXPECT_EQ(main->helpSoundPlayer(false), nullptr);
}

TEST_F(PageBaseTest, ClosingWritesTheTravellingSettings) {
  page->initialDir = "/elsewhere";
  page->overwritePrompt = true;
  page->closePage();
  EXPECT_EQ(readProfileString(settingsFile(), "General", "InitialDir", ""), "/elsewhere");
  EXPECT_EQ(readProfileString(settingsFile(), "General", "OverwritePrompt", ""), "1");
}

}  // namespace
}  // namespace tavo::creator::test
