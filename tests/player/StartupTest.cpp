#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "player/bar/TFmMain.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo::player {
namespace {

using platform::testing::TestMessages;
using platform::testing::TestPlatform;

class Startup : public ::testing::Test {
 protected:
  Startup() { test.setProgramFolder(QString::fromStdString(t.mkdir("program"))); }

  std::string presentation(const std::string& name, std::initializer_list<const char*> providers,
                           const std::string& projectIni = "") {
    const std::string folder = t.mkdir(name);
    t.write(name + "/Project.ini", projectIni);
    for (const char* p : providers) t.write(name + "/" + p + "/!Tavo.ini", "");
    return folder;
  }

  QStringList pathArgument(const std::string& folder) { return {QString::fromStdString("Path=" + folder)}; }

  test::TempFolder t;
  TestPlatform test;
};

TEST_F(Startup, NoPresentationAnywhereShowsTheMessageAndEnds) {
  TFmMain bar(test.platform(), {});
  EXPECT_FALSE(bar.FormCreate());
  ASSERT_EQ(test.messages.shown.size(), 1u);
  EXPECT_EQ(test.messages.shown[0].kind, TestMessages::Kind::Info);
  EXPECT_EQ(test.messages.shown[0].text, "TavoPlayer could not find any presentations");
  EXPECT_EQ(test.messages.shown[0].title, "TavoPlayer");
}

TEST_F(Startup, PresentationsWithoutChannelsEndSilently) {
  const std::string p = presentation("Empty", {});
  TFmMain bar(test.platform(), pathArgument(p));
  EXPECT_FALSE(bar.FormCreate());
  EXPECT_TRUE(test.messages.shown.empty());
}

TEST_F(Startup, TheChannelMenuHasItsFixedEntriesThenOneRadioEntryPerChannel) {
  const std::string p = presentation("Harbour Town", {"Fish & Chips", "Town News"});
  test.platform().registry.machine.writeText("Software\\Corvenna\\TavoPlayer", "ActiveSubscriber", "Town News");
  TFmMain bar(test.platform(), pathArgument(p));
  ASSERT_TRUE(bar.FormCreate());

  EXPECT_EQ(bar.windowTitle(), "TavoPlayer");
  EXPECT_EQ(bar.ProjectFolder, p);
  EXPECT_EQ(bar.ProjectFile, p + "Project.ini");
  EXPECT_EQ(bar.CurrentSubscriber, 1);
  EXPECT_EQ(bar.SubscriberFolder, p + "Town News/");

  const QList<QAction*> entries = bar.PMnSubscribers->actions();
  ASSERT_EQ(entries.size(), 6);
  EXPECT_EQ(entries[0]->text(), "Preferences");
  EXPECT_EQ(entries[1]->text(), "Update Now");
  ASSERT_NE(entries[1]->menu(), nullptr);
  QStringList updates;
  for (QAction* a : entries[1]->menu()->actions()) updates << a->text();
  EXPECT_EQ(updates, (QStringList{"Current Subscriber", "All Subscribers"}));
  EXPECT_EQ(entries[2]->text(), "About/Add Subscribers");
  EXPECT_TRUE(entries[3]->isSeparator());

  EXPECT_EQ(entries[4]->text(), "Fish && Chips");  // shows the "&" as written
  EXPECT_EQ(entries[4]->toolTip(), "Fish & Chips");
  EXPECT_EQ(entries[4]->data().toInt(), 0);
  EXPECT_FALSE(entries[4]->isChecked());
  EXPECT_EQ(entries[5]->text(), "Town News");
  EXPECT_EQ(entries[5]->data().toInt(), 1);
  EXPECT_TRUE(entries[5]->isChecked());
  EXPECT_TRUE(entries[5]->isCheckable());
  ASSERT_NE(entries[5]->actionGroup(), nullptr);
  EXPECT_TRUE(entries[5]->actionGroup()->isExclusive());
}

TEST_F(Startup, ThePlaylistStartsByItselfFromACdOrWhenThePresentationAsks) {
  struct Case {
    bool cdRom;
    const char* projectIni;
    bool started;
  } cases[] = {
      {false, "", false},
      {false, "[Presentation Options]\r\nRunPlayList=1\r\n", true},  // written "RunPlayList", read "RunPlaylist"
      {false, "[presentation options]\r\nrunplaylist=0\r\n", false},
      {true, "[Presentation Options]\r\nRunPlayList=0\r\n", true},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string p = presentation("P" + std::to_string(n++), {"A"}, c.projectIni);
    test.drives.cdRom = c.cdRom;
    TFmMain bar(test.platform(), pathArgument(p));
    ASSERT_TRUE(bar.FormCreate());
    bar.FormShow();
    EXPECT_EQ(bar.RunsFromCD, c.cdRom);
    EXPECT_EQ(bar.PlaylistStartedAtShow(), c.started) << c.projectIni;
  }
  // The CD test looks at the program's own folder.
  ASSERT_FALSE(test.drives.queried.isEmpty());
  EXPECT_EQ(test.drives.queried.last(), test.platform().programFolder);
}

}  // namespace
}  // namespace tavo::player
