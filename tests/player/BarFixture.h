#pragma once
// A presentation in a temporary folder, the test platform and the recording
// windows: what the bar's tests start from.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <memory>
#include <string>

#include "platform/testing/TestPlatform.h"
#include "player/bar/TFmMain.h"
#include "tests/player/RecordingPeers.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo::player::test {

class BarFixture : public ::testing::Test {
 protected:
  BarFixture() {
    platform.setProgramFolder(QString::fromStdString(t.mkdir("program")));
    presentation = t.mkdir("Harbour Town");
    t.write("Harbour Town/Project.ini", "[Project Info]\r\nPresentation Name=Harbour Town\r\n");
  }

  // A content provider folder with its "!Tavo.ini" (CR LF lines).
  std::string provider(const std::string& name, const std::string& ini) {
    t.write("Harbour Town/" + name + "/!Tavo.ini", ini);
    return presentation + name + "/";
  }
  // A file inside the presentation folder.
  std::string file(const std::string& relative, const std::string& bytes = "x") {
    return t.write("Harbour Town/" + relative, bytes);
  }

  // Creates the bar on the presentation and runs its start-up.
  TFmMain& start(bool withPeers = true) {
    bar = std::make_unique<TFmMain>(platform.platform(),
                                    QStringList{QString::fromStdString("Path=" + presentation)});
    if (withPeers) bar->setPeers(peers.ports());
    EXPECT_TRUE(bar->FormCreate());
    return *bar;
  }

  std::string activeSubscriber() {
    const auto v = platform.platform().registry.machine.value("Software\\Corvenna\\TavoPlayer", "ActiveSubscriber");
    return v ? v->text : "<missing>";
  }
  void setActiveSubscriber(const std::string& name) {
    platform.platform().registry.machine.writeText("Software\\Corvenna\\TavoPlayer", "ActiveSubscriber", name);
  }
  void setViewingOption(const std::string& name, const std::string& text) {
    platform.platform().registry.user.writeText("Software\\Corvenna\\TavoPlayer\\Viewing Options", name, text);
  }
  void setViewingOption(const std::string& name, int number) {
    platform.platform().registry.user.writeInteger("Software\\Corvenna\\TavoPlayer\\Viewing Options", name, number);
  }

  // The ticked channel entry's name, or empty.
  QString tickedChannel() const {
    for (QAction* e : bar->ChannelEntries())
      if (e->isChecked()) return e->toolTip();
    return {};
  }

  tavo::test::TempFolder t;
  platform::testing::TestPlatform platform;
  RecordingPeers peers;
  std::string presentation;
  std::unique_ptr<TFmMain> bar;
};

}  // namespace tavo::player::test
