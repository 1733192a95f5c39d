// The main window's presentation management on a temporary work area.
#include <QAction>
#include <QMenu>
#include <filesystem>

#include "creator/logic/WorkArea.h"
#include "format/ProfileFile.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;

using PresentationTest = CreatorFixture;

TEST_F(PresentationTest, FirstStartInAnEmptyWorkAreaAsksForANewPresentationAndOpensStep1) {
  start();
  for (std::string_view folder : kWorkAreaFolders) EXPECT_TRUE(fs::is_directory(area + std::string(folder))) << folder;
  dialogs.newNames = {"Harbour Town"};
  main->FormShow();
  EXPECT_TRUE(dialogs.picksShown.empty());  // nothing to list: the Open dialog is not shown
  ASSERT_EQ(dialogs.newNameKinds, QStringList{"presentation"});
  EXPECT_EQ(dialogs.newNameFolders.front().toStdString(), area + "Projects");
  const ProfileFile project = ProfileFile::load(area + "Projects/Harbour Town/Project.ini");
  EXPECT_EQ(project.value("Subscribers", "Subscriber1"), "");
  EXPECT_EQ(project.value("Presentation Options", "StartWith"), "");
  EXPECT_EQ(project.value("Universal Options", "Sound"), "On");
  EXPECT_EQ(project.value("Project Info", "Presentation Name"), "Harbour Town");
  EXPECT_EQ(project.value("Project Info", "Project Folder"), area + "Projects/Harbour Town/");
  EXPECT_TRUE(fs::is_directory(area + "Custom/TavoContent/Harbour Town"));
  EXPECT_TRUE(main->wizard().isVisible());
  EXPECT_EQ(main->wizard().selectedStep(), 1);
  EXPECT_EQ(main->windowTitle(), "Creator - Harbour Town");
  EXPECT_EQ(main->wizard().windowTitle(), "Creator - Harbour Town");
  EXPECT_EQ(main->MChRecent[0]->text(), "1 Harbour Town");
}

TEST_F(PresentationTest, CancellingTheFirstPromptLeavesNoPresentation) {
  start();
  main->FormShow();
  EXPECT_EQ(main->presentation().presentationName, "");
  EXPECT_EQ(main->LbProjectName->text(), "None");
  EXPECT_FALSE(main->wizard().isVisible());
}

TEST_F(PresentationTest, ScreenPositionTopOnlyForExactlyTop) {
  struct Case {
    const char* line;
    int top;
  } cases[] = {{"ScreenPosition=Top\r\n", 0},
               {"ScreenPosition=top\r\n", 1080 - 75 - 27},
               {"ScreenPosition=Bottom\r\n", 1080 - 75 - 27},
               {"", 1080 - 75 - 27}};
  presentation("Show");
  for (const Case& c : cases) {
    writeSettings(std::string("[General]\r\nCurProject=Show\r\n") + c.line);
    start();
    main->FormShow();
    EXPECT_EQ(main->y(), c.top) << c.line;
    EXPECT_EQ(main->width(), 1920);
    EXPECT_EQ(main->height(), 75);
    EXPECT_EQ(main->BtnMoveUp->isVisibleTo(main.get()), c.top != 0) << c.line;
    EXPECT_EQ(main->BtnMoveDown->isVisibleTo(main.get()), c.top == 0) << c.line;
    EXPECT_FALSE(main->wizard().isVisible());  // reopening the last presentation does not open the wizard
  }
}

TEST_F(PresentationTest, MovingTheBarSwapsTheButtonsAndIsStoredAtExit) {
  startOn("Show");
  main->BtnMoveUpClick();
  EXPECT_EQ(main->y(), 0);
  EXPECT_TRUE(main->BtnMoveDown->isVisibleTo(main.get()));
  main->FormClose();
  EXPECT_EQ(readProfileString(settingsFile(), "General", "ScreenPosition", ""), "Top");
  main->BtnMoveUpClick();
  EXPECT_EQ(main->y(), 1080 - 75 - 27);
  main->FormClose();
  EXPECT_EQ(readProfileString(settingsFile(), "General", "ScreenPosition", ""), "Bottom");
  EXPECT_EQ(readProfileString(settingsFile(), "General", "CurProject", ""), "Show");
}

TEST_F(PresentationTest, ListedProvidersWithoutFoldersAreDroppedAndTheRestFollow) {
  const std::string p = presentation("Show", "[Subscribers]\r\nSubscriber1=A\r\nSubscriber2=B\r\n");
  for (const char* folder : {"B", "C", "D", ".hidden"}) fs::create_directories(p + folder);
  startOn("Show");
  EXPECT_EQ(main->presentation().contentProviders, (std::vector<std::string>{"B", "C", "D"}));
  EXPECT_EQ(main->presentation().currentProvider, 0);
  EXPECT_EQ(main->LbProviderName->text(), "B");
}

TEST_F(PresentationTest, OnlyPlainFolderNamesInsideThePresentationBecomeProviders) {
  // Names that point at the presentation itself or outside it are not providers,
  // so deleting a provider can never reach those folders.
  fs::create_directories(area + "Projects/other");
  fs::create_directories(t / "outside");
  const std::string p = presentation("Show",
                                     "[Subscribers]\r\nSubscriber1=..\r\nSubscriber2=.\r\nSubscriber3=../other\r\n"
                                     "Subscriber4=" + t.path() + "outside\r\nSubscriber5=News\r\nSubscriber6=news\r\n"
                                     "[Presentation Options]\r\nStartWith=..\r\n");
  fs::create_directories(p + "News");
  fs::create_symlink(t / "outside", p + "Linked");
  startOn("Show");
  EXPECT_EQ(main->presentation().contentProviders, (std::vector<std::string>{"News"}));
  EXPECT_EQ(main->presentation().currentProvider, -1);
}

TEST_F(PresentationTest, StartWithNamingAMissingFolderAsksForAProviderBeforeStep2) {
  const std::string p = presentation("Show", "[Subscribers]\r\nSubscriber1=B\r\n[Presentation Options]\r\nStartWith=Gone\r\n");
  fs::create_directories(p + "B");
  startOn("Show");
  EXPECT_EQ(main->LbProviderName->text(), "Gone");
  EXPECT_EQ(main->presentation().currentProvider, -1);
  main->MChWizardClick(2);  // the prompt is cancelled
  EXPECT_EQ(dialogs.newNameKinds, QStringList{"content provider"});
  EXPECT_FALSE(main->wizard().isVisible());
  dialogs.newNames = {"Fresh"};
  main->MChWizardClick(2);
  EXPECT_TRUE(fs::is_directory(p + "Fresh"));
  EXPECT_EQ(main->presentation().currentProviderName(), "Fresh");
  EXPECT_EQ(main->wizard().selectedStep(), 2);
  const ProfileFile project = ProfileFile::load(p + "Project.ini");
  EXPECT_EQ(project.value("Subscribers", "Subscriber2"), "Fresh");
  EXPECT_EQ(project.value("Presentation Options", "StartWith"), "Fresh");
}

TEST_F(PresentationTest, AmpersandsAreDoubledInMenusAndReadBackAsOne) {
  const std::string p = presentation("R&D", "[Subscribers]\r\nSubscriber1=Q&A\r\n");
  fs::create_directories(p + "Q&A");
  presentation("Other");
  startOn("R&D");
  EXPECT_EQ(main->MChRecent[0]->text(), "1 R&&D");
  main->BtnSubscribersClick();
  ASSERT_EQ(main->PMnSubscribers->actions().size(), 1);
  EXPECT_EQ(main->PMnSubscribers->actions()[0]->text(), "Q&&A");
  EXPECT_TRUE(main->PMnSubscribers->actions()[0]->isChecked());
  main->PMnSubscribers->actions()[0]->trigger();
  EXPECT_EQ(readProfileString(p + "Project.ini", "Presentation Options", "StartWith", "?"), "Q&A");
  EXPECT_EQ(main->LbProviderName->text(), "Q&A");
  main->PMnSubscribers->hide();

  dialogs.pickAnswers = {QString("Other")};
  main->MChOpenProjectClick();
  EXPECT_EQ(main->MChRecent[0]->text(), "1 Other");
  EXPECT_EQ(main->MChRecent[1]->text(), "2 R&&D");
  // A recent entry opens its presentation.
  main->MChRecentClick(1);
  EXPECT_EQ(main->presentation().presentationName, "R&D");
  EXPECT_EQ(main->MChRecent[0]->text(), "1 R&&D");
}

TEST_F(PresentationTest, OpenSavesTheOldProvidersAndSwitches) {
  const std::string a = presentation("Alpha");
  fs::create_directories(a + "News");
  const std::string b = presentation("Beta");
  fs::create_directories(b + "Sport");
  startOn("Alpha");
  dialogs.pickAnswers = {QString("Beta")};
  main->MChOpenProjectClick();
  ASSERT_EQ(dialogs.picksShown.size(), 1u);
  EXPECT_EQ(dialogs.picksShown[0].caption, "Open Presentation");
  EXPECT_EQ(dialogs.picksShown[0].second.toStdString(), area + "Projects/*.*");
  EXPECT_EQ(dialogs.picksShown[0].third, "Select a presentation to open");
  EXPECT_EQ(readProfileString(a + "Project.ini", "Subscribers", "Subscriber1", ""), "News");
  EXPECT_EQ(main->presentation().presentationName, "Beta");
  EXPECT_EQ(main->presentation().contentProviders, (std::vector<std::string>{"Sport"}));
  EXPECT_EQ(main->wizard().selectedStep(), 1);
}

TEST_F(PresentationTest, DeletingTheCurrentPresentationClosesTheWizardAndRemovesBothFolders) {
  const std::string p = presentation("Show");
  fs::create_directories(p + "News");
  fs::create_directories(area + "Custom/TavoContent/Show");
  startOn("Show");
  main->MChWizardClick(1);
  ASSERT_TRUE(main->wizard().isVisible());
  dialogs.pickAnswers = {QString("Show")};
  platform.messages.yesNoAnswers = {true};
  main->MChDeleteProjectClick();
  EXPECT_EQ(platform.messages.shown.back().text, "Delete presentation Show?");
  EXPECT_FALSE(main->wizard().isVisible());
  EXPECT_EQ(main->wizard().currentPage(), nullptr);
  EXPECT_EQ(main->presentation().presentationName, "");
  EXPECT_EQ(main->presentation().currentProvider, -1);
  EXPECT_EQ(main->windowTitle(), "Creator - ");
  EXPECT_EQ(main->LbProjectName->text(), "");
  EXPECT_FALSE(fs::exists(area + "Projects/Show"));
  EXPECT_FALSE(fs::exists(area + "Custom/TavoContent/Show"));
  main->BtnSubscribersClick();
  EXPECT_TRUE(main->PMnSubscribers->actions().isEmpty());
  main->PMnSubscribers->hide();
  EXPECT_FALSE(main->MChSaveProjectAs->isEnabled());
  EXPECT_FALSE(main->MChRenameProject->isEnabled());
}

TEST_F(PresentationTest, DeleteAnsweredNoKeepsThePresentation) {
  presentation("Show");
  startOn("Show");
  dialogs.pickAnswers = {QString("Show")};
  platform.messages.yesNoAnswers = {false};
  main->MChDeleteProjectClick();
  EXPECT_TRUE(fs::is_directory(area + "Projects/Show"));
  EXPECT_EQ(main->presentation().presentationName, "Show");
}

TEST_F(PresentationTest, SaveAsOntoAnExistingNameIsRefusedUntilAnotherNameIsGiven) {
  const std::string p = presentation("Show", "[Project Info]\r\nPresentation Name=Show\r\n");
  t.write("area/Projects/Show/News/!Tavo.ini", "[Sponsor Options]\r\n");
  presentation("Taken");
  startOn("Show");
  dialogs.inputAnswers = {QString("Taken"), QString("taken"), QString("Copy")};
  main->MChSaveProjectAsClick();
  ASSERT_EQ(dialogs.inputs.size(), 3u);
  EXPECT_EQ(dialogs.inputs[0].caption, "Save As");
  EXPECT_EQ(dialogs.inputs[0].second, "Save Show as");
  EXPECT_EQ(dialogs.inputs[0].third, "Show");
  EXPECT_EQ(dialogs.inputs[1].third, "Taken");  // asked again with the last entry
  EXPECT_EQ(messageTexts(), (QStringList{"A presentation by that name already exists",
                                         "A presentation by that name already exists"}));
  EXPECT_EQ(main->presentation().presentationName, "Copy");
  EXPECT_TRUE(fs::exists(area + "Projects/Copy/News/!Tavo.ini"));
  EXPECT_TRUE(fs::exists(p + "News/!Tavo.ini"));
  EXPECT_EQ(readProfileString(area + "Projects/Copy/Project.ini", "Project Info", "Presentation Name", ""), "Copy");
  EXPECT_FALSE(fs::exists(area + "Custom/TavoContent/Copy"));  // the marketplace folder is not copied
  EXPECT_EQ(main->MChRecent[0]->text(), "1 Copy");
}

TEST_F(PresentationTest, RenameMovesTheFolderAfterTheOpenPageSaved) {
  const std::string p = presentation("Show", "[Subscribers]\r\nSubscriber1=News\r\n");
  fs::create_directories(p + "News");
  startOn("Show");
  main->MChWizardClick(5);
  ASSERT_NE(main->wizard().currentPage(), nullptr);
  dialogs.inputAnswers = {QString("Renamed")};
  main->MChRenameProjectClick();
  EXPECT_FALSE(main->wizard().isVisible());
  EXPECT_EQ(main->wizard().currentPage(), nullptr);
  EXPECT_EQ(dialogs.inputs[0].caption, "Rename Presentation");
  EXPECT_EQ(dialogs.inputs[0].second, "Rename Show to");
  EXPECT_FALSE(fs::exists(area + "Projects/Show"));
  EXPECT_TRUE(fs::exists(area + "Projects/Renamed/Project.ini"));
  EXPECT_EQ(main->presentation().presentationFolder, area + "Projects/Renamed/");
}

TEST_F(PresentationTest, SaveAsAndRenameRefuseNamesThatLeaveProjectsOrBreakTheSettings) {
  const QString characters =
      "A presentation name cannot contain any of the following characters:\n"
      "                  \\  /  :  *  ?  \"  <  >  |";
  const QString dots = "A presentation name cannot be \".\" or \"..\"";
  const struct {
    const char* entry;
    QString message;
  } cases[] = {{"../x", characters},
               {"a/b", characters},
               {".", dots},
               {"..", dots},
               {"line\nend", characters + "  or control characters"},
               {"   ", "The presentation name cannot be blank"}};
  for (bool rename : {false, true}) {
    const std::string p = presentation("Show");
    startOn("Show");
    for (const auto& c : cases) {
      platform.messages.shown.clear();
      dialogs.inputAnswers = {QString(c.entry), std::nullopt};
      if (rename)
        main->MChRenameProjectClick();
      else
        main->MChSaveProjectAsClick();
      EXPECT_EQ(messageTexts(), QStringList{c.message}) << c.entry;
      EXPECT_EQ(main->presentation().presentationName, "Show") << c.entry;
    }
    EXPECT_TRUE(fs::is_directory(p));
    EXPECT_FALSE(fs::exists(area + "x"));
    EXPECT_FALSE(fs::exists(area + "Projects/a"));
    main->FormClose();
    EXPECT_EQ(readProfileString(settingsFile(), "General", "CurProject", ""), "Show");
  }
}

TEST_F(PresentationTest, SaveAsAndRenameAreDisabledWithoutAPresentation) {
  start();
  EXPECT_FALSE(main->MChSaveProjectAs->isEnabled());
  EXPECT_FALSE(main->MChRenameProject->isEnabled());
  main->MChSaveProjectAsClick();
  EXPECT_TRUE(dialogs.inputs.empty());
  dialogs.newNames = {"Show"};
  main->MChNewProjectClick();
  EXPECT_TRUE(main->MChSaveProjectAs->isEnabled());
  EXPECT_TRUE(main->MChRenameProject->isEnabled());
}

TEST_F(PresentationTest, NewPresentationForgetsTheSetsLastEdited) {
  presentation("Show");
  writeSettings("[General]\r\nCurProject=Show\r\n[Step2]\r\nCurSlideShow=Beach\r\n[Step3]\r\nCurThumbnail=Shops\r\n");
  start();
  main->FormShow();
  dialogs.newNames = {"Second"};
  main->MChNewProjectClick();
  const ProfileFile settings = ProfileFile::load(settingsFile());
  EXPECT_FALSE(settings.hasKey("Step2", "CurSlideShow"));
  EXPECT_FALSE(settings.hasKey("Step3", "CurThumbnail"));
  EXPECT_EQ(main->presentation().presentationName, "Second");
  EXPECT_TRUE(main->presentation().contentProviders.empty());
}

TEST_F(PresentationTest, TestButtonStartsThePlayerWithOnePathArgument) {
  presentation("Show");
  startOn("Show");
  main->BtnPlayClick();
  ASSERT_EQ(platform.shell.started.size(), 1u);
  const auto& run = platform.shell.started[0];
  EXPECT_EQ(run.program.toStdString(), area + "FileSet/TavoPlayer");
  EXPECT_EQ(run.arguments, QStringList{QString::fromStdString("Path=" + area + "Projects/Show/")});
  EXPECT_EQ(run.workingFolder.toStdString(), area + "Projects/Show/");
  EXPECT_TRUE(messageTexts().isEmpty());
  platform.shell.startResult = false;
  main->BtnPlayClick();
  EXPECT_EQ(platform.messages.shown.back().kind, platform::testing::TestMessages::Kind::Error);
}

TEST_F(PresentationTest, DebugModeShowsTheCommandFirst) {
  presentation("Show");
  writeSettings("[General]\r\nCurProject=Show\r\n");
  start({"x", "debug"});
  main->FormShow();
  main->BtnPlayClick();
  EXPECT_EQ(messageTexts(), QStringList{QString::fromStdString(area + "FileSet/TavoPlayer\rPath=" + area +
                                                               "Projects/Show/")});
  EXPECT_EQ(platform.shell.started.size(), 1u);
}

TEST_F(PresentationTest, CommandsThatNeedAPresentationRunNewInstead) {
  start();
  for (auto command : {+[](TFmMain& m) { m.MChWizardClick(3); }, +[](TFmMain& m) { m.PublisherClick(Publisher::Page::Cd); },
                       +[](TFmMain& m) { m.BtnPlayClick(); }}) {
    dialogs.newNameKinds.clear();
    command(*main);
    EXPECT_EQ(dialogs.newNameKinds, QStringList{"presentation"});
  }
  EXPECT_TRUE(publisher.opened.empty());
  EXPECT_TRUE(platform.shell.started.empty());
  presentation("Show");
  startOn("Show");
  main->PublisherClick(Publisher::Page::Exe);
  EXPECT_EQ(publisher.opened, std::vector<Publisher::Page>{Publisher::Page::Exe});
}

TEST_F(PresentationTest, ExitSavesProvidersAndSettingsAndAFailureIsOnlyShown) {
  const std::string p = presentation("Show", "[Subscribers]\r\nSubscriber1=News\r\n");
  fs::create_directories(p + "News");
  writeSettings("[General]\r\nCurProject=Show\r\nPlayHelpWav=1\r\n");
  start();
  main->FormShow();
  EXPECT_TRUE(main->playHelpSound);
  main->playHelpSound = false;
  main->FormClose();
  EXPECT_EQ(readProfileString(p + "Project.ini", "Subscribers", "Subscriber1", ""), "News");
  EXPECT_EQ(readProfileString(p + "Project.ini", "Presentation Options", "StartWith", ""), "News");
  EXPECT_EQ(readProfileString(settingsFile(), "General", "PlayHelpWav", ""), "0");
  fs::remove(settingsFile());
  fs::create_directory(settingsFile());
  main->FormClose();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].kind, platform::testing::TestMessages::Kind::Info);
}

TEST_F(PresentationTest, WebAddressesAreRecordedForProvidersWithATickerLocation) {
  const std::string p = presentation("Show", "[Presentation Options]\r\nStartWith=B\r\n[Web Addresses]\r\nOld=http://old\r\n");
  t.write("area/Projects/Show/A/!Tavo.ini", "[Browser Options]\r\nTicker Location=http://a.example\r\n");
  t.write("area/Projects/Show/B/!tavo.INI", "[Browser Options]\r\nTicker Location=\r\n");
  startOn("Show");
  main->presentation().currentProvider = 0;
  main->refreshWebAddresses();
  const ProfileFile project = ProfileFile::load(p + "Project.ini");
  EXPECT_EQ(project.value("Web Addresses", "A"), "http://a.example");
  EXPECT_FALSE(project.hasKey("Web Addresses", "B"));
  EXPECT_EQ(project.value("Web Addresses", "Old"), "http://old");
  EXPECT_EQ(project.value("Subscribers", "Subscriber1"), "A");
  EXPECT_EQ(project.value("Subscribers", "Subscriber2"), "B");
  EXPECT_EQ(project.value("Presentation Options", "StartWith"), "B");  // untouched
}

TEST_F(PresentationTest, TopStripFollowsTheWidth) {
  startOn("Show");
  main->show();
  main->resize(1920, 75);
  const int w = (1920 - 380) / 5;
  EXPECT_EQ(main->BtnPublish->geometry(), QRect(3 * w, 0, w, 24));
  EXPECT_EQ(main->BtnFtp->geometry(), QRect(4 * w, 0, 95, 24));
  EXPECT_EQ(main->BtnNetwork->geometry().right(), 1919);
}

}  // namespace
}  // namespace tavo::creator::test
