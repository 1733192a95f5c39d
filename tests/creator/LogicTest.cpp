// The creator's plain rules: work area, TavoCreator.ini, bar arithmetic,
// recent entries, names, wizard steps and the page-base file rules.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "creator/logic/BarGeometry.h"
#include "creator/logic/CreatorSettings.h"
#include "creator/logic/PageRules.h"
#include "creator/logic/Presentations.h"
#include "creator/logic/WizardSteps.h"
#include "creator/logic/WorkArea.h"
#include "format/ProfileFile.h"
#include "tests/support/TempFolder.h"

namespace tavo::creator {
namespace {

namespace fs = std::filesystem;
using tavo::test::TempFolder;
using tavo::test::readFile;

TEST(WorkArea, ChoosesTheCreatorHomeThenAPortableCopyThenTheUsersDataFolder) {
  TempFolder t;
  const std::string portable = t.mkdir("portable");
  t.mkdir("portable/Projects");
  const std::string plain = t.mkdir("plain");
  struct Case {
    WorkAreaInputs in;
    std::string expected;
  } cases[] = {
      {{t / "home-set", portable, "/data", "/home/u"}, t / "home-set/"},
      {{"", portable, "/data", "/home/u"}, portable},
      {{"", plain, "/data", "/home/u"}, "/data/TavoCreator/"},
      {{"", plain, "", "/home/u"}, "/home/u/.local/share/TavoCreator/"},
      {{"", plain, "relative/data", "/home/u"}, "/home/u/.local/share/TavoCreator/"},
  };
  for (const Case& c : cases) EXPECT_EQ(resolveWorkArea(c.in), c.expected) << c.in.programFolder;
}

TEST(WorkArea, AReadOnlyPortableCopyIsNotUsed) {
  TempFolder t;
  const std::string portable = t.mkdir("portable");
  t.mkdir("portable/Projects");
  fs::permissions(portable, fs::perms::owner_write, fs::perm_options::remove);
  if (::access(portable.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore permissions";
  EXPECT_EQ(resolveWorkArea({"", portable, "/data", "/home/u"}), "/data/TavoCreator/");
}

TEST(WorkArea, CreatesTheNineFoldersAndTheAreaItself) {
  TempFolder t;
  const std::string area = t / "new/area/";
  createWorkAreaFolders(area);
  for (std::string_view folder : kWorkAreaFolders) EXPECT_TRUE(fs::is_directory(area + std::string(folder))) << folder;
  EXPECT_TRUE(createWorkAreaFolders(area).empty());
}

TEST(WorkArea, ProvisionCopiesMissingAndNewerFilesOnly) {
  TempFolder t;
  t.write("share/Help/Step1.htm", "new page");
  t.write("share/Help/Step2.htm", "shipped");
  t.write("area/Help/Step2.htm", "edited by the user");
  // The user's copy is newer than the shipped one: it stays.
  fs::last_write_time(t / "share/Help/Step2.htm", fs::file_time_type::clock::now() - std::chrono::hours(1));
  EXPECT_EQ(provisionFiles(t / "share/Help", t / "area/Help"), 1);
  EXPECT_EQ(readFile(t / "area/Help/Step1.htm"), "new page");
  EXPECT_EQ(readFile(t / "area/Help/Step2.htm"), "edited by the user");
  EXPECT_EQ(provisionFiles(t / "missing", t / "area/Help"), 0);
}

TEST(CreatorSettings, ReadsDefaultsAndWritesTheExitKeys) {
  TempFolder t;
  CreatorSettings settings(t / "TavoCreator.ini");
  const StartSettings fresh = settings.readStart();
  EXPECT_EQ(fresh.curProject, "");
  EXPECT_FALSE(fresh.playHelpWav);
  EXPECT_EQ(fresh.screenPosition, "Bottom");
  settings.writeExit("R&D Show", true, true);
  const StartSettings back = settings.readStart();
  EXPECT_EQ(back.curProject, "R&D Show");
  EXPECT_TRUE(back.playHelpWav);
  EXPECT_EQ(back.screenPosition, "Top");
  const std::string bytes = readFile(t / "TavoCreator.ini");
  EXPECT_NE(bytes.find("PlayHelpWav=1\r\n"), std::string::npos);
}

TEST(CreatorSettings, AnyNumberButZeroIsTrue) {
  TempFolder t;
  for (auto [value, expected] : {std::pair{"0", false}, {"1", true}, {"5", true}, {"-1", true}, {"x", false}}) {
    t.write("TavoCreator.ini", std::string("[General]\r\nPlayHelpWav=") + value + "\r\nOverwritePrompt=" + value + "\r\n");
    CreatorSettings settings(t / "TavoCreator.ini");
    EXPECT_EQ(settings.readStart().playHelpWav, expected) << value;
    EXPECT_EQ(settings.readPage().overwritePrompt, expected) << value;
  }
}

TEST(CreatorSettings, ScreenPositionTopOnlyWhenExactlyTop) {
  EXPECT_TRUE(isTopPosition("Top"));
  for (const char* other : {"top", "TOP", "Top ", "Bottom", ""}) EXPECT_FALSE(isTopPosition(other)) << other;
}

TEST(CreatorSettings, ReportDefaultsAreWrittenBackForMissingAndUnusableValues) {
  TempFolder t;
  t.write("TavoCreator.ini", "[Reports]\r\nFontName=\r\nFontSize=-1\r\nHeaderFontSize=14\r\nLeftMargin=-1.0\r\n");
  CreatorSettings settings(t / "TavoCreator.ini");
  const ReportSettings r = settings.readReports();
  EXPECT_EQ(r.fontName, "Arial");
  EXPECT_EQ(r.fontSize, 9);
  EXPECT_EQ(r.headerFontSize, 14);
  EXPECT_DOUBLE_EQ(r.leftMargin, 0.3);
  EXPECT_DOUBLE_EQ(r.topMargin, 0.5);
  const ProfileFile file = ProfileFile::load(t / "TavoCreator.ini");
  EXPECT_EQ(file.readString("Reports", "FontName", "?"), "Arial");
  EXPECT_EQ(file.readString("Reports", "FontSize", "?"), "9");
  EXPECT_EQ(file.readString("Reports", "HeaderFontSize", "?"), "14");
  EXPECT_EQ(file.readString("Reports", "LeftMargin", "?"), "0.3");
  EXPECT_EQ(file.readString("Reports", "TopMargin", "?"), "0.5");
}

TEST(CreatorSettings, ForgettingTheSetsKeepsEverythingElse) {
  TempFolder t;
  t.write("TavoCreator.ini",
          "[General]\r\nCurProject=A\r\n[Step2]\r\nCurSlideShow=Beach\r\n[Step3]\r\nCurThumbnail=Shops\r\n");
  CreatorSettings(t / "TavoCreator.ini").forgetCurrentSets();
  const ProfileFile file = ProfileFile::load(t / "TavoCreator.ini");
  EXPECT_FALSE(file.hasKey("Step2", "CurSlideShow"));
  EXPECT_FALSE(file.hasKey("Step3", "CurThumbnail"));
  EXPECT_EQ(file.readString("General", "CurProject", ""), "A");
}

TEST(CreatorSettings, AnUnwritableFileIsAnError) {
  TempFolder t;
  t.mkdir("TavoCreator.ini");  // a folder where the file should be
  EXPECT_THROW(CreatorSettings(t / "TavoCreator.ini").writeExit("A", false, false), SettingsFileError);
}

TEST(BarGeometry, DocksAtTheTopOrAboveTheScreenEdge) {
  EXPECT_EQ(barTop(true, 1080), 0);
  EXPECT_EQ(barTop(false, 1080), 1080 - 75 - 27);
}

TEST(BarGeometry, TopStripShareAndFixedButtons) {
  const std::vector<StripButton> b = topStripLayout(1920);
  ASSERT_EQ(b.size(), 8u);
  const int w = (1920 - 380) / 5;  // 308
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b[i].left, i * w);
    EXPECT_EQ(b[i].width, w);
  }
  for (int i = 4; i < 7; ++i) {
    EXPECT_EQ(b[i].left, 4 * w + (i - 4) * 95);
    EXPECT_EQ(b[i].width, 95);
  }
  EXPECT_EQ(b[7].left, 4 * w + 3 * 95);
  EXPECT_EQ(b[7].left + b[7].width, 1920);
  // Integer division leaves the remainder to "Network".
  const std::vector<StripButton> odd = topStripLayout(1283);
  EXPECT_EQ(odd[0].width, 180);
  EXPECT_EQ(odd[7].left + odd[7].width, 1283);
}

TEST(BarGeometry, MenusOpenTowardsTheScreen) {
  EXPECT_EQ(controlMenuPoint(false, 1080, 24).y, 1080 - 75);
  EXPECT_EQ(controlMenuPoint(true, 1080, 24).y, 24);
  const MenuPoint bottom = providerMenuPoint(false, 1080, 900, 28, 22);
  EXPECT_EQ(bottom.x, 900);
  EXPECT_EQ(bottom.y, 1080 + 22 - 75 + 4);
  EXPECT_EQ(providerMenuPoint(true, 1080, 900, 28, 22).y, 28 + 22 + 23);
}

TEST(RecentList, CurrentFirstThenTheShownNamesOnceEach) {
  std::vector<RecentEntry> entries(5);
  entries = refreshRecentList(entries, "R&D");
  EXPECT_EQ(entries[0].caption, "1 R&&D");
  EXPECT_TRUE(entries[0].visible);
  EXPECT_FALSE(entries[1].visible);
  entries = refreshRecentList(entries, "Beta");
  entries = refreshRecentList(entries, "r&d");  // the same name in other letters moves to the top
  EXPECT_EQ(entries[0].caption, "1 r&&d");
  EXPECT_EQ(entries[1].caption, "2 Beta");
  EXPECT_FALSE(entries[2].visible);
  EXPECT_EQ(recentEntryName(entries[0].caption), "r&d");
  for (const char* name : {"C", "D", "E", "F"}) entries = refreshRecentList(entries, name);
  EXPECT_EQ(entries[0].caption, "1 F");
  EXPECT_EQ(entries[3].caption, "4 C");
  EXPECT_EQ(entries[4].caption, "5 r&&d");  // the oldest names fall off
  // No current presentation: the list keeps what it showed.
  entries = refreshRecentList(entries, "");
  EXPECT_EQ(entries[0].caption, "1 F");
}

TEST(Names, PlainFolderNames) {
  for (const char* good : {"News", "Sports Club", "a.b", "..x"}) EXPECT_TRUE(isPlainFolderName(good)) << good;
  for (const char* bad : {"", ".", "..", "../other", "a/b", "a\\b", "x\ry"}) EXPECT_FALSE(isPlainFolderName(bad)) << bad;
}

TEST(WizardSteps, ButtonsCaptionsAndPrevNext) {
  EXPECT_EQ(stepInfo(0).caption, "What\nYou Need");
  EXPECT_EQ(stepInfo(10).caption, "10\nBroadcast\nOptions");
  EXPECT_EQ(stepInfo(11).printCaption, "Print C.P. Disk Space");
  EXPECT_FALSE(prevEnabled(0));
  EXPECT_TRUE(nextEnabled(0));
  EXPECT_TRUE(prevEnabled(11));
  EXPECT_FALSE(nextEnabled(11));
  for (int step : {0, 4, 11}) {
    EXPECT_FALSE(stepPrints(step)) << step;
    EXPECT_FALSE(stepInfo(step).itemMoves) << step;
  }
  for (int step : {1, 2, 3, 5, 6, 7, 8, 9, 10}) {
    EXPECT_TRUE(stepPrints(step)) << step;
    EXPECT_TRUE(stepInfo(step).itemMoves) << step;
  }
}

TEST(WizardSteps, HelpTopics) {
  EXPECT_EQ(helpPageOf(1), "Step1.htm");
  EXPECT_EQ(helpPageOf(10), "Step10.htm");
  EXPECT_EQ(helpPageOf(11), "TestCost.htm");
  EXPECT_EQ(helpPageOf(12), "Cast.htm");
  EXPECT_EQ(helpPageOf(0), "");
  EXPECT_EQ(helpPageOf(13), "");
  EXPECT_EQ(moreInfoCaption(1), "More Info - Step 1 Content Providers");
  EXPECT_EQ(moreInfoCaption(6), "More Info - Step 6 Assign Playlist Text");
  EXPECT_EQ(moreInfoCaption(11), "More Info - Test Presentation");
  EXPECT_EQ(moreInfoCaption(12), "More Info - Publish Presentation");
  for (int topic = 0; topic <= 12; ++topic) EXPECT_EQ(hasSamples(topic), topic == 1 || topic == 5 || topic == 8 || topic == 11);
}

TEST(PageRules, RowNumbers) {
  EXPECT_EQ(rowNumberText(1), "    1");
  EXPECT_EQ(rowNumberText(9), "    9");
  EXPECT_EQ(rowNumberText(10), "  10");
  EXPECT_EQ(rowNumberText(123), " 123");
}

TEST(PageRules, CompanionFolderOfWebPages) {
  EXPECT_EQ(companionFolderOf("/in/a.htm"), "/in/a_files");
  EXPECT_EQ(companionFolderOf("/in/a.html"), "/in/a_files");
  EXPECT_EQ(companionFolderOf("/in/a.HTM"), "");  // matched as written, in lower case
  EXPECT_EQ(companionFolderOf("/in/notes.txt"), "");
  EXPECT_TRUE(isWebPage("/in/a.HTM"));
  EXPECT_TRUE(isWebPage("/in/a.html"));
  EXPECT_FALSE(isWebPage("/in.htm/a.txt"));
}

TEST(PageRules, RememberedFolderSkipsTheLibraries) {
  const std::string program = "/area/";
  EXPECT_EQ(rememberedFolder("/home/u/Pictures/Beach.jpg", program, "/old"), "/home/u/Pictures");
  EXPECT_EQ(rememberedFolder("/area/Custom/Slideshow/Beach/1.jpg", program, "/old"), "/old");
  EXPECT_EQ(rememberedFolder("/AREA/custom/thumbnail/Shops/1.jpg", program, "/old"), "/old");
}

TEST(PageRules, EnterMovesRightThenDownThenAddsARow) {
  struct Case {
    int column, row;
    CellMove expected;
  } cases[] = {{1, 1, {2, 1, false}}, {3, 1, {1, 2, false}}, {3, 4, {1, 4, true}}};
  for (const Case& c : cases) {
    const CellMove m = nextCell(c.column, c.row, 4, 5, 1);
    EXPECT_EQ(m.column, c.expected.column);
    EXPECT_EQ(m.row, c.expected.row);
    EXPECT_EQ(m.addRow, c.expected.addRow);
  }
}

TEST(PageRules, LinkTargetDialogs) {
  EXPECT_EQ(linkTargetDialog(1, "/p/", "/a/").path, "/p/*.*");
  EXPECT_EQ(linkTargetDialog(1, "/p/", "/a/").caption, "Select Content Provider");
  EXPECT_EQ(linkTargetDialog(2, "/p/", "/a/").path, "/a/Custom/Slideshow/*.*");
  EXPECT_EQ(linkTargetDialog(3, "/p/", "/a/").prompt, "Select Thumbnails");
  EXPECT_EQ(linkTargetDialog(4, "/p/", "/a/").caption, "");
}

TEST(PageRules, ExtensionLabels) {
  EXPECT_EQ(linkKindOf("Provider,"), 1);
  EXPECT_EQ(linkKindOf("Slideshows,"), 2);
  EXPECT_EQ(linkKindOf("Thumbnails"), 3);
  EXPECT_EQ(linkKindOf("TavoSetup.exe"), 4);
  EXPECT_EQ(linkKindOf("HTM,"), 0);
  const DialogChoice htm = extensionDialog("HTM,", 1, "/a/", "/docs");
  EXPECT_EQ(htm.filter, "HTM files (*.htm)|*.HTM|All files (*.*)|*.*");
  EXPECT_EQ(htm.initialFolder, "/docs");
  EXPECT_EQ(extensionDialog("Slideshows,", 0, "/a/", "/docs").initialFolder, "/a/Custom/Slideshow");
  EXPECT_EQ(extensionDialog("Thumbnails", 0, "/a/", "/docs").initialFolder, "/a/Custom/Thumbnail");
  EXPECT_EQ(extensionDialog("Provider,", 0, "/a/", "/docs").filter, "All files (*.*)|*.*");
}

TEST(PageRules, FileTypeFilterFromTheGroups) {
  const std::vector<TypeLabel> groups = {{"1.  Web Links -", 1}, {"2.  Pictures -", 2}, {"3.  Sounds -", 3},
                                         {"7.  Tavo Formats -", 7}};
  const std::vector<TypeLabel> extensions = {{"HTM,", 1}, {"HTML,", 1}, {"RAM", 1}, {"JPG,", 2},
                                             {"GIF", 2},  {"Provider,", 0}};
  const DialogChoice web = fileTypeDialog(1, groups, extensions);
  EXPECT_EQ(web.filter,
            "All files (*.*)|*.*"
            "|Web Links  (*.htm, *.html, *.ram)|*.HTM;*.HTML;*.RAM"
            "|Pictures  (*.jpg, *.gif)|*.JPG;*.GIF");  // group 3 has no extensions
  EXPECT_EQ(web.filterIndex, 2);
  EXPECT_EQ(fileTypeDialog(2, groups, extensions).filterIndex, 3);
  EXPECT_EQ(fileTypeDialog(7, groups, extensions).filterIndex, 0);
}

}  // namespace
}  // namespace tavo::creator
