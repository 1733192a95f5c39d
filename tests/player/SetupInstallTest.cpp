// The setup wizard's installation on the real file operations (with the test
// platform's progress window, which can cancel) and a settings store in a
// temporary folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/QxMisc.h"
#include "common/Registry.h"
#include "format/PlayerSettings.h"
#include "platform/testing/TestPlatform.h"
#include "player/logic/InstallPlan.h"
#include "player/logic/PresentationDiscovery.h"
#include "player/setup/FileInstallServices.h"
#include "player/setup/ThrottledFileOperationUi.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;

namespace tavo::player::setup {
using tavo::player::ThrottledFileOperationUi;
namespace {

// Every entry below a folder, as relative paths ("" when the folder is missing).
std::set<std::string> tree(const std::string& folder) {
  std::set<std::string> out;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    out.insert(it->path().lexically_relative(folder).string());
  return out;
}

class Install : public ::testing::Test {
 protected:
  Install() : settings(platform.platform().registry) {
    presentation = t.mkdir("cd/Harbour Town");
    t.write("cd/Harbour Town/Project.ini", "[Project Info]\r\nPresentation Name=Harbour Town\r\n");
    t.write("cd/Harbour Town/Town News/!Tavo.ini", "[Sponsor Options]\r\n");
    t.write("cd/Harbour Town/Town News/Ticker.txt", "Ferry times|Ferry.txt\r\n");
    t.write("cd/Harbour Town/Town News/Pictures/Logo.png", std::string(5000, 'p'));
    t.write("cd/Harbour Town/Sports Club/!Tavo.ini", "");
    program = t.write("cd/TavoPlayer", "the player program");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
  }

  InstallResult run(const std::string& installFolder) {
    InstallRequest r;
    r.installFolder = installFolder;
    r.projectFile = presentation + "Project.ini";
    r.programFile = program;
    r.home = t / "home";
    r.installedAt = "12/11/26 3:15 PM";
    // Every entry reaches the test's progress window, so that it can cancel at a given one.
    FileInstallServices services(platform.fileOperationUi, std::chrono::milliseconds(0));
    return install(r, services, settings);
  }

  std::string machineValues(const std::string& key) {
    return test::readFile(platform.settingsFolder().toStdString() + "/machine/" + key + "/.values");
  }
  bool storeUntouched() {
    return settings.installPath().empty() && settings.version().empty() && settings.firstInstall().empty() &&
           settings.projects().empty();
  }

  test::TempFolder t;
  platform::testing::TestPlatform platform;
  PlayerSettings settings;
  std::string presentation;
  std::string program;
};

TEST_F(Install, CopiesPresentationAndProgramThenRecordsThemInOrder) {
  const std::string folder = t / "Tavo Player/";
  const InstallResult r = run(folder);
  ASSERT_EQ(r.outcome, InstallResult::Outcome::Installed) << r.message;

  EXPECT_EQ(tree(folder + "Harbour Town"), tree(presentation));
  EXPECT_EQ(test::readFile(folder + "Harbour Town/Town News/Ticker.txt"), "Ferry times|Ferry.txt\r\n");
  EXPECT_EQ(test::readFile(folder + "TavoPlayer"), "the player program");
  EXPECT_NE(fs::status(folder + "TavoPlayer").permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(r.program, folder + "TavoPlayer");
  EXPECT_EQ(platform.fileOperationUi.titles, QStringList{QString::fromStdString("Installing presentation to " + folder)});

  // The license values in the order they were written, then the presentation's record.
  EXPECT_EQ(machineValues("Software/Corvenna/TavoPlayer/License"),
            "sz:InstallPath=" + folder + "\nsz:Version=Tavo Player 2002\nsz:FirstInstall=12/11/26 3:15 PM\n");
  EXPECT_EQ(r.projectsValue, "Presentation1");
  EXPECT_EQ(settings.projects(),
            (std::vector<std::pair<std::string, std::string>>{{"Presentation1", folder + "Harbour Town"}}));
}

TEST_F(Install, PathWithoutTrailingSeparatorGetsOne) {
  const InstallResult r = run(t / "Apps/Tavo");
  ASSERT_EQ(r.outcome, InstallResult::Outcome::Installed) << r.message;
  EXPECT_EQ(settings.installPath(), t / "Apps/Tavo/");
  EXPECT_EQ(settings.projects().at(0).second, t / "Apps/Tavo/Harbour Town");
  EXPECT_TRUE(fs::exists(t / "Apps/Tavo/Harbour Town/Project.ini"));
}

TEST_F(Install, SecondInstallUpdatesTheCopyKeepsTheProgramAndStartUpListsItOnce) {
  const std::string folder = t / "Tavo Player/";
  ASSERT_EQ(run(folder).outcome, InstallResult::Outcome::Installed);
  t.write("Tavo Player/TavoPlayer", "installed earlier");
  t.write("cd/Harbour Town/Town News/Ticker.txt", "New line|\r\n");

  const InstallResult again = run(folder);
  ASSERT_EQ(again.outcome, InstallResult::Outcome::Installed) << again.message;
  EXPECT_EQ(test::readFile(folder + "Harbour Town/Town News/Ticker.txt"), "New line|\r\n");
  EXPECT_FALSE(fs::exists(folder + "Harbour Town/Harbour Town")) << "the second copy was nested in the first";
  EXPECT_EQ(test::readFile(folder + "TavoPlayer"), "installed earlier");
  EXPECT_FALSE(platform.fileOperationUi.replaceQuestions.isEmpty());

  EXPECT_EQ(settings.projects(), (std::vector<std::pair<std::string, std::string>>{
                                     {"Presentation1", folder + "Harbour Town"},
                                     {"Presentation2", folder + "Harbour Town"}}));
  const FoundPresentations found = findPresentations({}, t.mkdir("elsewhere"), t / "elsewhere/", settings);
  EXPECT_EQ(found.folders, std::vector<std::string>{folder + "Harbour Town/"});
}

TEST_F(Install, CancelledCopyRemovesWhatItCreatedAndRecordsNothing) {
  const std::string folder = t / "new/Tavo Player/";
  const std::set<std::string> source = tree(presentation);
  platform.fileOperationUi.cancelAtEntry = 4;
  const InstallResult r = run(folder);
  EXPECT_EQ(r.outcome, InstallResult::Outcome::NotInstalled);
  EXPECT_EQ(r.message, "Presentation was not installed.");
  EXPECT_FALSE(fs::exists(t / "new")) << "the folders made for the installation stay behind";
  EXPECT_TRUE(storeUntouched());
  EXPECT_EQ(tree(presentation), source);
}

TEST_F(Install, CancelOverAnEarlierInstallationKeepsWhatWasThere) {
  const std::string folder = t / "Tavo Player/";
  t.write("Tavo Player/Harbour Town/Project.ini", "older");
  t.write("Tavo Player/Harbour Town/My Notes.txt", "mine");
  t.write("Tavo Player/Harbour Town/Town News/Old.txt", "old");
  const std::set<std::string> before = tree(folder);
  platform.fileOperationUi.cancelAtEntry = 6;

  ASSERT_EQ(run(folder).outcome, InstallResult::Outcome::NotInstalled);
  const std::set<std::string> after = tree(folder);
  EXPECT_EQ(after, before) << "entries the copy added are left, or entries that were there are gone";
  EXPECT_EQ(test::readFile(folder + "Harbour Town/My Notes.txt"), "mine");
  EXPECT_TRUE(storeUntouched());
}

TEST_F(Install, FailedCopyMidwayRemovesOnlyItsOwnEntries) {
  // A folder where the presentation has a file: the copy fails when it gets there.
  const std::string folder = t / "Tavo Player/";
  t.mkdir("Tavo Player/Harbour Town/Town News/Ticker.txt");
  t.write("Tavo Player/Harbour Town/Town News/Ticker.txt/keep", "k");
  const std::set<std::string> before = tree(folder);

  const InstallResult r = run(folder);
  EXPECT_EQ(r.outcome, InstallResult::Outcome::NotInstalled);
  EXPECT_EQ(r.message, "Presentation was not installed.");
  EXPECT_EQ(tree(folder), before);
  EXPECT_FALSE(fs::exists(folder + "TavoPlayer"));
  EXPECT_TRUE(storeUntouched());
}

TEST_F(Install, FileInThePlaceOfTheCopyIsLeftAlone) {
  const std::string folder = t / "Tavo Player/";
  t.write("Tavo Player/Harbour Town", "a file, not a folder");
  EXPECT_EQ(run(folder).outcome, InstallResult::Outcome::NotInstalled);
  EXPECT_EQ(test::readFile(folder + "Harbour Town"), "a file, not a folder");
  EXPECT_TRUE(storeUntouched());
}

TEST_F(Install, FolderThatCannotBeCreated) {
  t.write("blocker", "a file");
  const InstallResult r = run(t / "blocker/Tavo/");
  EXPECT_EQ(r.outcome, InstallResult::Outcome::FolderNotCreated);
  EXPECT_EQ(r.message, "The folder " + (t / "blocker/Tavo/") + " could not be created");
  EXPECT_TRUE(storeUntouched());
  EXPECT_TRUE(platform.fileOperationUi.titles.isEmpty());
}

TEST_F(Install, RefusesToCopyThePresentationOntoOrIntoItself) {
  const std::set<std::string> before = tree(t.path());
  for (const std::string& folder : {t / "cd/", t / "cd/Harbour Town/", t / "cd/Harbour Town/Town News/", t / "cd"}) {
    const InstallResult r = run(folder);
    EXPECT_EQ(r.outcome, InstallResult::Outcome::Refused) << folder;
    EXPECT_NE(r.message.find("Please choose another installation path."), std::string::npos) << r.message;
  }
  EXPECT_EQ(tree(t.path()), before);
  EXPECT_TRUE(storeUntouched());
}

TEST_F(Install, RefusesRelativePaths) {
  for (const char* folder : {"Tavo", "./x", "../Tavo Player/", "~other/x"}) {
    const InstallResult r = run(folder);
    EXPECT_EQ(r.outcome, InstallResult::Outcome::Refused) << folder;
    EXPECT_NE(r.message.find("is not a full path"), std::string::npos) << r.message;
  }
  EXPECT_TRUE(storeUntouched());
}

// The progress window sees an entry only when the interval has passed since the
// last one it saw; Cancel answered there still stops the copy.
TEST(ThrottledProgress, PassesEntriesOnOncePerInterval) {
  using namespace std::chrono_literals;
  platform::testing::TestFileOperationUi real;
  ThrottledFileOperationUi::Clock::time_point now{};
  ThrottledFileOperationUi ui(real, 40ms, [&] { return now; });
  ui.begin("Installing");
  struct Step {
    std::chrono::milliseconds advance;
    const char* entry;
  };
  for (const Step& s : {Step{0ms, "a"}, Step{10ms, "b"}, Step{29ms, "c"}, Step{1ms, "d"}, Step{39ms, "e"},
                        Step{100ms, "f"}})
  {
    now += s.advance;
    EXPECT_TRUE(ui.progress(s.entry));
  }
  EXPECT_EQ(real.entries, (QStringList{"a", "d", "f"}));

  real.cancelAtEntry = 4;  // the user cancels at the next update the window sees
  now += 5ms;
  EXPECT_TRUE(ui.progress("g"));
  now += 40ms;
  EXPECT_FALSE(ui.progress("h"));
  EXPECT_EQ(real.replaceQuestions.size(), 0);
  EXPECT_EQ(ui.confirmReplace("x"), platform::FileOperationUi::Answer::Yes);
  EXPECT_EQ(real.replaceQuestions, QStringList{"x"});
}

TEST(InstallPath, Check) {
  test::TempFolder t;
  const std::string home = t.mkdir("home");
  PresentationPlace p{withoutTrailingSeparator(t.mkdir("cd/Harbour Town")), "Harbour Town"};
  fs::create_directory_symlink(t / "cd", t / "link-to-cd");
  using V = PathCheck::Verdict;
  struct Row {
    std::string typed;
    V verdict;
    std::string folder;
  };
  const Row rows[] = {
      {"", V::Empty, ""},
      {"  \t ", V::Empty, ""},
      {"Tavo", V::NotAbsolute, ""},
      {"./Tavo", V::NotAbsolute, ""},
      {"~other/Tavo", V::NotAbsolute, ""},
      {"~/Tavo Player", V::Accepted, home + "Tavo Player/"},
      {"~", V::Accepted, home},
      {"  /opt/Tavo Player  ", V::Accepted, "/opt/Tavo Player/"},
      {"/opt/Tavo Player/", V::Accepted, "/opt/Tavo Player/"},
      {t / "cd", V::InsidePresentation, t / "cd/"},
      {t / "cd/Harbour Town", V::InsidePresentation, t / "cd/Harbour Town/"},
      {t / "cd/Harbour Town/deeper/still", V::InsidePresentation, t / "cd/Harbour Town/deeper/still/"},
      {t / "cd/Harbour Town/../", V::InsidePresentation, t / "cd/Harbour Town/../"},
      {t / "link-to-cd", V::InsidePresentation, t / "link-to-cd/"},
      {t / "cd/Harbour Town 2", V::Accepted, t / "cd/Harbour Town 2/"},  // a longer name is another folder
      {t / "cd2", V::Accepted, t / "cd2/"},
  };
  for (const Row& r : rows) {
    const PathCheck c = checkInstallPath(r.typed, home, p);
    EXPECT_EQ(c.verdict, r.verdict) << "'" << r.typed << "': " << c.message;
    EXPECT_EQ(c.folder, r.folder) << r.typed;
    EXPECT_EQ(c.message.empty(), r.verdict == V::Accepted) << r.typed;
  }
  EXPECT_EQ(checkInstallPath("", home, p).message, "Please enter an installation path");
}

TEST(InstallPath, ProposedFolder) {
  EXPECT_EQ(defaultInstallFolder("/data", "/home/ann"), "/data/Tavo Player/");
  EXPECT_EQ(defaultInstallFolder("", "/home/ann"), "/home/ann/.local/share/Tavo Player/");
  EXPECT_EQ(defaultInstallFolder("relative/data", "/home/ann/"), "/home/ann/.local/share/Tavo Player/");
  EXPECT_EQ(proposedInstallFolder("", "/d/Tavo Player/"), "/d/Tavo Player/");
  EXPECT_EQ(proposedInstallFolder("/opt/Tavo", "/d/Tavo Player/"), "/opt/Tavo/");
}

TEST(InstallPath, PresentationOfItsProjectFile) {
  const PresentationPlace p = presentationOf("/media/cd/Harbour Town/Project.ini");
  EXPECT_EQ(p.folder, "/media/cd/Harbour Town");
  EXPECT_EQ(p.name, "Harbour Town");
  EXPECT_EQ(presentationOf("/media/cd/./Harbour Town//Project.ini").name, "Harbour Town");
}

TEST(Launchers, FourTickCombinations) {
  const std::string link = "Tavo Player - Harbour Town.lnk", target = "/opt/Tavo Player/TavoPlayer";
  const Launcher desktop{link, "Desktop", target, ""}, menu{link, "Programs\\Tavo Player", target, ""},
      start{link, "", target, ""};
  struct Row {
    bool desktop, startMenu;
    std::vector<Launcher> expected;
  };
  const Row rows[] = {
      {false, false, {menu}},
      {true, false, {desktop, menu}},
      {false, true, {menu, start}},
      {true, true, {desktop, menu, start}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(launchersFor("Harbour Town", target, r.desktop, r.startMenu), r.expected)
        << "desktop " << r.desktop << ", start menu " << r.startMenu;
}

}  // namespace
}  // namespace tavo::player::setup
