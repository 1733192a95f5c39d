// The slideshow and thumbnail editors on a temporary work area, prompts
// answered from a script.
#include <QLabel>
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/logic/SetLibrary.h"
#include "creator/wizard/TFmStep2.h"
#include "creator/wizard/TFmStep3.h"
#include "format/SetFiles.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

std::string numbered(const char* stem, int i) { return stem + std::to_string(i) + ".jpg"; }

class SetEditorTest : public CreatorFixture {
 protected:
  SetEditorTest() {
    const std::string p = presentation("Show", "[Subscribers]\r\nSubscriber1=A\r\nStartWith=A\r\n");
    fs::create_directories(p + "A");
    t.write("area/Projects/Show/A/!Tavo.ini", "");
  }
  void startWith(const std::string& settingsLines) {
    writeSettings("[General]\r\nCurProject=Show\r\n" + settingsLines);
    start();
    main->FormShow();
    panel = std::make_unique<QWidget>();
  }
  template <typename Page>
  Page* open() {
    Page* page = TFmEmbedded::CreateEmbedded<Page>(*main, panel.get());
    page->FormShow();
    return page;
  }
  std::string slideshow(const std::string& name) const { return area + "Custom/Slideshow/" + name + "/"; }
  std::string thumbnail(const std::string& name) const { return area + "Custom/Thumbnail/" + name + "/"; }
  // A slideshow set of `n` pictures, each with caption, text and hotlink.
  void writeSlideshow(const std::string& name, int n) {
    std::string ini = "[Slideshow Options]\r\nFilename=SyncEzy.txt\r\nCycle Interval=00:07\r\n[Images]\r\n";
    std::string sync;
    for (int i = 1; i <= n; ++i) {
      ini += "Image" + std::to_string(i) + "=" + numbered("p", i) + "|Caption " + std::to_string(i) + "\r\n";
      sync += "Text " + std::to_string(i) + "|http://h/" + std::to_string(i) + "\r\n";
    }
    t.write("area/Custom/Slideshow/" + name + "/Slideshow.ini", ini);
    t.write("area/Custom/Slideshow/" + name + "/SyncEzy.txt", sync);
  }
  std::string iniValue(const std::string& file, const char* section, const char* key) const {
    return ProfileFile::load(file).readString(section, key, "<missing>");
  }
  std::unique_ptr<QWidget> panel;
};

TEST_F(SetEditorTest, ASlideshowOfTwentyPicturesLoadsIntoItsRowsAndIsSavedBackWhole) {
  writeSlideshow("Beach", 20);
  startWith("[Step2]\r\nCurSlideShow=Beach\r\n");
  auto* page = open<TFmStep2>();
  EXPECT_EQ(page->currentSet, "Beach");
  EXPECT_EQ(page->CBxSets->currentText(), "Beach");
  EXPECT_EQ(page->EdInterval->text(), "00:07");
  ASSERT_GE(page->Grid1->RowCount(), 21);
  EXPECT_EQ(page->Grid1->cell(1, 20), "p20.jpg");
  EXPECT_EQ(page->Grid1->cell(2, 20), "Caption 20");
  EXPECT_EQ(page->Grid1->cell(3, 20), "Text 20");
  EXPECT_EQ(page->Grid1->cell(4, 20), "http://h/20");
  const SlideshowSet before = readSlideshowSet(slideshow("Beach"), ReadMode::Editor);
  page->closePage();
  const SlideshowSet after = readSlideshowSet(slideshow("Beach"), ReadMode::Editor);
  EXPECT_EQ(after.images, before.images);
  EXPECT_EQ(after.images.size(), 20u);
  EXPECT_EQ(after.cycleInterval, "00:07");
  EXPECT_EQ(iniValue(settingsFile(), "Step2", "CurSlideShow"), "Beach");
}

TEST_F(SetEditorTest, ASetNamedButGoneStartsEmptyWithoutASelection) {
  startWith("[Step2]\r\nCurSlideShow=Gone\r\n");
  auto* page = open<TFmStep2>();
  EXPECT_EQ(page->currentSet, "Gone");
  EXPECT_TRUE(fs::is_directory(slideshow("Gone")));
  EXPECT_EQ(page->CBxSets->currentIndex(), -1);
  EXPECT_EQ(page->EdInterval->text(), "00:15");
}

TEST_F(SetEditorTest, AHostileSettingNeverLeadsOutOfTheLibrary) {
  startWith("[Step2]\r\nCurSlideShow=../../Escaped\r\n");
  auto* page = open<TFmStep2>();
  EXPECT_EQ(page->currentSet, "");
  EXPECT_FALSE(fs::exists(area + "Escaped"));
  EXPECT_FALSE(page->Grid1->isEnabled());
  EXPECT_FALSE(page->BtnSaveAs->isEnabled());
}

TEST_F(SetEditorTest, NewSavesTheOpenSetAndKeepsIntervalAndSound) {
  writeSlideshow("Beach", 2);
  startWith("[Step2]\r\nCurSlideShow=Beach\r\n");
  auto* page = open<TFmStep2>();
  page->Grid1->setCell(2, 1, "Edited");
  page->EdInterval->setText("01:30");
  page->EdSound->setText("song.mp3");
  dialogs.newNames = {"Second"};
  page->BtnNewClick();
  EXPECT_EQ(dialogs.newNameKinds.back(), "slideshow");
  EXPECT_EQ(readSlideshowSet(slideshow("Beach"), ReadMode::Editor).images[0].caption, "Edited");
  EXPECT_EQ(page->currentSet, "Second");
  EXPECT_EQ(page->CBxSets->currentText(), "Second");
  EXPECT_EQ(page->Grid1->cell(1, 1), "");
  page->closePage();
  EXPECT_EQ(iniValue(slideshow("Second") + "Slideshow.ini", "Slideshow Options", "Cycle Interval"), "01:30");
  EXPECT_EQ(iniValue(slideshow("Second") + "Slideshow.ini", "Slideshow Options", "Audio File"), "song.mp3");
  EXPECT_EQ(iniValue(settingsFile(), "Step2", "CurSlideShow"), "Second");
}

TEST_F(SetEditorTest, SaveAsOntoAnotherSetIsRefusedAndAskedAgainThenRenames) {
  writeSlideshow("One", 1);
  writeSlideshow("Two", 1);
  startWith("[Step2]\r\nCurSlideShow=One\r\n");
  auto* page = open<TFmStep2>();
  dialogs.inputAnswers = {QString("Two"), QString("Three")};
  page->BtnSaveAsClick();
  ASSERT_EQ(dialogs.inputs.size(), 2u);
  EXPECT_TRUE(messageTexts().join("\n").contains("already exists")) << messageTexts().join("\n").toStdString();
  EXPECT_FALSE(fs::exists(slideshow("One")));
  EXPECT_TRUE(fs::exists(slideshow("Three") + "Slideshow.ini"));
  EXPECT_EQ(readSlideshowSet(slideshow("Two"), ReadMode::Editor).images.size(), 1u);
  EXPECT_EQ(page->currentSet, "Three");
  EXPECT_EQ(page->CBxSets->findText("One"), -1);
  EXPECT_EQ(page->CBxSets->currentText(), "Three");
  EXPECT_EQ(page->Grid1->cell(1, 1), "p1.jpg");  // the grid keeps its contents
}

TEST_F(SetEditorTest, ImportTakesTheTwelveJpegsOfAFolderAndNothingElse) {
  for (int i = 1; i <= 12; ++i) t.write("pictures/" + (i % 3 ? numbered("img", i) : "IMG" + std::to_string(i) + ".JPG"), "jpeg");
  for (const char* other : {"notes.txt", "clip.mpg", "photo.jpeg"}) t.write(std::string("pictures/") + other, "x");
  startWith("");
  auto* page = open<TFmStep2>();
  dialogs.newNames = {"Holiday"};  // no set is current: Import runs New first
  platform.folderBrowser.answers = {QString::fromStdString(t.path() + "pictures")};
  page->BtnImportClick();
  EXPECT_EQ(platform.folderBrowser.prompts.value(0), "Select a folder containing slideshow images");
  std::set<std::string> listed;
  for (int row = 1; row <= 12; ++row) listed.insert(page->Grid1->cell(1, row).toStdString());
  EXPECT_EQ(listed.size(), 12u);
  EXPECT_EQ(page->Grid1->cell(1, 13), "");
  for (const std::string& name : listed) EXPECT_TRUE(fs::exists(slideshow("Holiday") + name)) << name;
  EXPECT_FALSE(fs::exists(slideshow("Holiday") + "notes.txt"));
  EXPECT_FALSE(fs::exists(slideshow("Holiday") + "photo.jpeg"));
}

TEST_F(SetEditorTest, AClearedIntervalSavesAnEmptyValueAndNoSetWritesAnEmptyName) {
  writeSlideshow("Beach", 1);
  startWith("[Step2]\r\nCurSlideShow=Beach\r\n");
  auto* page = open<TFmStep2>();
  page->EdInterval->clear();
  EXPECT_EQ(page->EdInterval->displayText(), "  :  ");
  page->closePage();
  EXPECT_EQ(iniValue(slideshow("Beach") + "Slideshow.ini", "Slideshow Options", "Cycle Interval"), "");

  startWith("[Step2]\r\nCurSlideShow=\r\n");
  auto* none = open<TFmStep2>();
  none->closePage();
  EXPECT_EQ(iniValue(settingsFile(), "Step2", "CurSlideShow"), "");
}

TEST_F(SetEditorTest, AFileThatCannotBeCopiedLeavesTheCellAndIsNamed) {
  writeSlideshow("Beach", 1);
  startWith("[Step2]\r\nCurSlideShow=Beach\r\n");
  auto* page = open<TFmStep2>();
  const QString missing = QString::fromStdString(t.path() + "nowhere/lost.jpg");
  EXPECT_FALSE(page->importIntoCell(missing, 1, 1));
  EXPECT_EQ(page->Grid1->cell(1, 1), "p1.jpg");
  EXPECT_TRUE(messageTexts().join("\n").contains("lost.jpg"));

  // Answering No to overwriting keeps the set's file of that name, which the cell then names.
  t.write("area/Custom/Slideshow/Beach/same.jpg", "the set's own");
  const std::string source = t.write("elsewhere/same.jpg", "another");
  page->overwritePrompt = true;
  platform.messages.yesNoAnswers = {false};
  EXPECT_TRUE(page->importIntoCell(QString::fromStdString(source), 1, 2));
  EXPECT_EQ(page->Grid1->cell(1, 2), "same.jpg");
  EXPECT_EQ(read(slideshow("Beach") + "same.jpg"), "the set's own");
}

// ---- thumbnails -------------------------------------------------------------------------

class ThumbnailEditorTest : public SetEditorTest {
 protected:
  void writeThumbnails(const std::string& name, int n) {
    std::string ini = "[Thumbnail Options]\r\nTitle Caption=My Tours\r\nCycle Interval=00:20\r\n[Images]\r\n";
    for (int i = 1; i <= n; ++i)
      ini += "Image" + std::to_string(i) + "=" + numbered("t", i) + "|Cap " + std::to_string(i) + "|Link " +
             std::to_string(i) + "\r\n";
    t.write("area/Custom/Thumbnail/" + name + "/Thumbnail.ini", ini);
  }
  TFmStep3* openOn(const std::string& set) {
    startWith("[Step3]\r\nCurThumbnail=" + set + "\r\n");
    return open<TFmStep3>();
  }
};

TEST_F(ThumbnailEditorTest, FifteenThumbnailsLoadAndAreKept) {
  writeThumbnails("Tours", 15);
  auto* page = openOn("Tours");
  EXPECT_EQ(page->EdTitleCaption->text(), "My Tours");
  EXPECT_EQ(page->Grid1->cell(3, 15), "Link 15");
  page->closePage();
  const ThumbnailSet set = readThumbnailSet(thumbnail("Tours"), ReadMode::Editor);
  ASSERT_EQ(set.images.size(), 15u);
  EXPECT_EQ(set.images[14].file, "t15.jpg");
  EXPECT_EQ(set.titleCaption, "My Tours");
  EXPECT_EQ(iniValue(settingsFile(), "Step3", "CurThumbnail"), "Tours");
}

TEST_F(ThumbnailEditorTest, DoubleClickingThumbnailsLinksToTheChosenSetAndCopiesIt) {
  writeThumbnails("Tours", 2);
  writeThumbnails("Start", 1);
  auto* page = openOn("Start");
  page->Grid1->setCurrentCell(2, 1);
  dialogs.pickAnswers = {QString("Tours")};
  QLabel* label = page->labelNamed("Thumbnails");
  ASSERT_NE(label, nullptr);
  page->labelClick(*label);
  page->labelDoubleClick(*label);
  EXPECT_EQ(page->Grid1->Col(), 3);
  EXPECT_EQ(page->Grid1->cell(3, 1), "Thumbnail Tours");
  EXPECT_TRUE(fs::exists(area + "Projects/Show/A/Tours/Thumbnail.ini"));
}

TEST_F(ThumbnailEditorTest, LinkOutsideTheLinkColumnDoesNothing) {
  writeThumbnails("Start", 1);
  auto* page = openOn("Start");
  page->labelClick(*page->labelNamed("TavoSetup.exe"));
  page->Grid1->setCurrentCell(2, 1);
  page->BtnLinkClick();
  EXPECT_EQ(page->Grid1->cell(3, 1), "Link 1");
  page->Grid1->setCurrentCell(3, 1);
  page->BtnLinkClick();
  EXPECT_EQ(page->Grid1->cell(3, 1), "TavoSetup");
}

TEST_F(ThumbnailEditorTest, AProviderSetThatDiffersIsReplacedOnlyWhenTheAuthorAgrees) {
  writeThumbnails("Tours", 2);
  writeThumbnails("Start", 1);
  t.write("area/Projects/Show/A/Tours/Thumbnail.ini", "edited by hand");
  auto* page = openOn("Start");
  page->labelClick(*page->labelNamed("Thumbnails"));
  page->Grid1->setCurrentCell(3, 1);

  platform.messages.yesNoAnswers = {false};
  dialogs.pickAnswers = {QString("Tours")};
  page->BtnLinkClick();
  EXPECT_EQ(read(area + "Projects/Show/A/Tours/Thumbnail.ini"), "edited by hand");
  EXPECT_EQ(page->Grid1->cell(3, 1), "Thumbnail Tours");  // still linked: the provider has that set

  platform.messages.yesNoAnswers = {true};
  dialogs.pickAnswers = {QString("Tours")};
  page->BtnLinkClick();
  EXPECT_EQ(read(area + "Projects/Show/A/Tours/Thumbnail.ini"), read(thumbnail("Tours") + "Thumbnail.ini"));

  // Now that both are the same, nothing is asked.
  const std::size_t asked = platform.messages.shown.size();
  dialogs.pickAnswers = {QString("Tours")};
  page->BtnLinkClick();
  EXPECT_EQ(platform.messages.shown.size(), asked);
}

TEST_F(ThumbnailEditorTest, NewWithAnEmptyNameKeepsTheSetButTakesTheTitle) {
  writeThumbnails("Tours", 1);
  auto* page = openOn("Tours");
  dialogs.twoStringAnswers = {std::make_pair(QString(), QString("Only a title"))};
  page->BtnNewClick();
  ASSERT_EQ(dialogs.twoStringRequests.size(), 1u);
  EXPECT_EQ(dialogs.twoStringRequests[0].caption, "New Thumbnail");
  EXPECT_EQ(dialogs.twoStringRequests[0].label1, "Thumbnail Name");
  EXPECT_EQ(dialogs.twoStringRequests[0].label2, "Title Caption");
  EXPECT_EQ(page->currentSet, "Tours");
  EXPECT_EQ(page->Grid1->cell(1, 1), "t1.jpg");
  EXPECT_EQ(page->EdTitleCaption->text(), "Only a title");

  dialogs.twoStringAnswers = {std::make_pair(QString("Fresh"), QString("Fresh title"))};
  page->BtnNewClick();
  EXPECT_EQ(page->currentSet, "Fresh");
  page->closePage();
  EXPECT_EQ(readThumbnailSet(thumbnail("Fresh"), ReadMode::Editor).titleCaption, "Fresh title");
}

TEST_F(ThumbnailEditorTest, TheFileTypeLabelsBuildTheLinkDialogsFilter) {
  writeThumbnails("Tours", 1);
  auto* page = openOn("Tours");
  page->labelClick(*page->labelNamed("2.  Video Formats -"));
  const QString groups = QString::fromStdString(page->OpenDialog.filter);
  EXPECT_TRUE(groups.startsWith("All files (*.*)|*.*|Web Links")) << groups.toStdString();
  EXPECT_TRUE(groups.contains("Image Formats")) << groups.toStdString();
  EXPECT_EQ(page->OpenDialog.filterIndex, 3);
  EXPECT_EQ(page->linkKind, 0);

  page->labelClick(*page->labelNamed("MPG,"));
  EXPECT_TRUE(page->OpenDialog.filter.starts_with("MPG files (*.mpg)|*.MPG|All files (*.*)"))
      << page->OpenDialog.filter;

  page->labelClick(*page->LbChange);
  EXPECT_EQ(page->linkKind, 1);
  EXPECT_TRUE(page->LbChange->styleSheet().contains(kHighlightColour));
}

// ---- the plain rules ----------------------------------------------------------------------

TEST(SetLibraryRules, CopyOutcomes) {
  tavo::test::TempFolder t;
  const std::string folder = t.mkdir("set");
  t.write("set/kept.jpg", "old");
  struct Case {
    const char* name;
    bool copied;
    bool answer;  // to the overwrite question
    bool asked;
    CopyOutcome expected;
  } cases[] = {
      {"new.jpg", true, true, false, CopyOutcome::Copied},
      {"kept.jpg", false, false, true, CopyOutcome::KeptExisting},
      {"missing.jpg", false, false, false, CopyOutcome::Failed},
      {"kept.jpg", false, true, true, CopyOutcome::Failed},  // Yes, and the copy then failed
  };
  for (const Case& c : cases) {
    const CopyOutcome got = copyIntoSet(
        {t.path() + "src/" + c.name, folder, true}, [&] { return c.answer; },
        [&](const std::string&, const std::string&, bool, const std::function<bool()>& ask) {
          if (c.asked) ask();
          return c.copied;
        });
    EXPECT_EQ(got, c.expected) << c.name;
  }
  EXPECT_EQ(cellTextAfter(CopyOutcome::Failed, "/a/b.jpg"), "");
  EXPECT_EQ(cellTextAfter(CopyOutcome::KeptExisting, "/a/b.jpg"), "b.jpg");
}

TEST(SetLibraryRules, SetFoldersDiffer) {
  tavo::test::TempFolder t;
  t.write("a/Thumbnail.ini", "x");
  t.write("a/p.jpg", "1");
  t.write("b/thumbnail.INI", "x");
  t.write("b/P.JPG", "1");
  t.write("c/Thumbnail.ini", "x");
  t.write("c/p.jpg", "2");
  t.write("d/Thumbnail.ini", "x");
  EXPECT_FALSE(setFoldersDiffer(t / "a", t / "b"));  // names without regard to case
  EXPECT_TRUE(setFoldersDiffer(t / "a", t / "c"));   // contents
  EXPECT_TRUE(setFoldersDiffer(t / "a", t / "d"));   // a file fewer
  EXPECT_TRUE(setFoldersDiffer(t / "a", t / "none"));
}

TEST(SetLibraryRules, LinkTexts) {
  EXPECT_EQ(linkText(1, "News"), "Subscriber News");
  EXPECT_EQ(linkText(2, "Beach"), "Slideshow Beach");
  EXPECT_EQ(linkText(3, "Tours"), "Thumbnail Tours");
  EXPECT_EQ(linkText(4, ""), "TavoSetup");
  EXPECT_EQ(linkText(0, "x.pdf"), "");
}

}  // namespace
}  // namespace tavo::creator::test
