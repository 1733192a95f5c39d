#include <gtest/gtest.h>

#include "format/PlayerSettings.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::TempFolder;

class PlayerSettingsTest : public ::testing::Test {
 protected:
  TempFolder dir;
  RegistryRoots roots = RegistryRoots::inFolder(dir.path());
  PlayerSettings settings{roots};
};

TEST_F(PlayerSettingsTest, AFreshUserGetsEveryDefaultAndTheDefaultsAreWritten) {
  EXPECT_EQ(settings.slideDisplayMethod(), 3);
  EXPECT_EQ(settings.thumbDisplayMethod(), 3);
  const ViewingOptions o = settings.viewingOptions();
  EXPECT_EQ(o.tickerDataSpeed, 6);
  EXPECT_EQ(o.tickerPosition, "Top");
  EXPECT_EQ(o.tickerTextSize, "Large");
  EXPECT_TRUE(o.tickerTextBold);
  EXPECT_EQ(o.tickerTextColor, WinColor{65280});
  EXPECT_EQ(o.tickerColor, WinColor{0});
  EXPECT_EQ(o.buttonBarLocation, "Top");
  EXPECT_FALSE(o.buttonBarTextBold);
  EXPECT_TRUE(settings.sound());

  const struct {
    const char* key;
    const char* name;
    RegistryValue::Type type;
  } written[] = {
      {kGeneralKey, "SlideDisplayMethod", RegistryValue::Type::Integer},
      {kGeneralKey, "ThumbDisplayMethod", RegistryValue::Type::Integer},
      {kViewingOptionsKey, "Ticker Data Speed", RegistryValue::Type::Integer},
      {kViewingOptionsKey, "Ticker Position", RegistryValue::Type::Text},
      {kViewingOptionsKey, "Ticker Text Size", RegistryValue::Type::Text},
      {kViewingOptionsKey, "Ticker Text Bold", RegistryValue::Type::Integer},
      {kViewingOptionsKey, "Ticker Text Color", RegistryValue::Type::Integer},
      {kViewingOptionsKey, "Ticker Color", RegistryValue::Type::Integer},
      {kViewingOptionsKey, "Button Bar Location", RegistryValue::Type::Text},
      {kViewingOptionsKey, "Button Bar Text Bold", RegistryValue::Type::Integer},
      {kUniversalOptionsKey, "Sound", RegistryValue::Type::Integer},
  };
  for (const auto& w : written) {
    const auto v = roots.user.value(w.key, w.name);
    ASSERT_TRUE(v.has_value()) << w.name;
    EXPECT_EQ(v->type, w.type) << w.name;
  }
  EXPECT_EQ(roots.user.value(kViewingOptionsKey, "Ticker Text Color")->number, 65280);
  EXPECT_EQ(roots.user.value(kUniversalOptionsKey, "Sound")->number, 1);
}

TEST_F(PlayerSettingsTest, AValueOfTheWrongTypeIsReplacedByItsDefault) {
  roots.user.writeText(kViewingOptionsKey, "Ticker Data Speed", "fast");
  roots.user.writeInteger(kViewingOptionsKey, "Ticker Position", 2);
  EXPECT_EQ(settings.tickerDataSpeed(), 6);
  EXPECT_EQ(settings.tickerPosition(), "Top");
  EXPECT_EQ(roots.user.value(kViewingOptionsKey, "Ticker Data Speed")->type, RegistryValue::Type::Integer);
  EXPECT_EQ(roots.user.value(kViewingOptionsKey, "Ticker Position")->text, "Top");
}

TEST_F(PlayerSettingsTest, StoredValuesComeBackAsWritten) {
  settings.setSlideDisplayMethod(7);  // kept as stored; the windows decide what 7 means
  EXPECT_EQ(settings.slideDisplayMethod(), 7);
  ViewingOptions o;
  o.tickerDataSpeed = 9;
  o.tickerPosition = "Bottom";
  o.tickerTextSize = "Jumbo";
  o.tickerTextBold = false;
  o.tickerTextColor = WinColor::fromRgb(255, 128, 1);
  o.tickerColor = WinColor::fromRgb(0, 0, 255);
  o.buttonBarLocation = "Bottom";
  o.buttonBarTextBold = true;
  settings.setViewingOptions(o);
  const ViewingOptions back = settings.viewingOptions();
  EXPECT_EQ(back.tickerDataSpeed, 9);
  EXPECT_EQ(back.tickerPosition, "Bottom");
  EXPECT_EQ(back.tickerTextSize, "Jumbo");
  EXPECT_FALSE(back.tickerTextBold);
  EXPECT_TRUE(back.buttonBarTextBold);
  EXPECT_EQ(back.buttonBarLocation, "Bottom");
  // Windows colour integers: red in the low byte, then green, then blue.
  EXPECT_EQ(back.tickerTextColor.value, 255u + 128u * 256u + 1u * 65536u);
  EXPECT_EQ(back.tickerColor.value, 16711680u);
  EXPECT_EQ(back.tickerTextColor.red(), 255);
  EXPECT_EQ(back.tickerTextColor.green(), 128);
  EXPECT_EQ(back.tickerTextColor.blue(), 1);
  settings.setSound(false);
  EXPECT_FALSE(settings.sound());
}

TEST_F(PlayerSettingsTest, MachineValuesFollowTheMachineRules) {
  // Text: a missing value with an empty default gives empty and writes nothing.
  EXPECT_EQ(settings.activeSubscriber(), "");
  EXPECT_FALSE(roots.machine.value(kPlayerKey, "ActiveSubscriber").has_value());
  settings.setActiveSubscriber("Town News");
  EXPECT_EQ(settings.activeSubscriber(), "Town News");
  // Text with a default: missing or empty gives the default and writes it.
  EXPECT_EQ(readMachineText(roots.machine, kPlayerKey, "Probe", "fallback"), "fallback");
  EXPECT_EQ(roots.machine.value(kPlayerKey, "Probe")->text, "fallback");
  roots.machine.writeText(kPlayerKey, "Probe", "");
  EXPECT_EQ(readMachineText(roots.machine, kPlayerKey, "Probe", "fallback"), "fallback");
  EXPECT_EQ(roots.machine.value(kPlayerKey, "Probe")->text, "fallback");
  // SortSubscriber: default yes, written when missing; a stored 0 is kept.
  EXPECT_TRUE(settings.sortSubscriber());
  EXPECT_EQ(roots.machine.value(kPlayerKey, "SortSubscriber")->number, 1);
  roots.machine.writeInteger(kPlayerKey, "SortSubscriber", 0);
  EXPECT_FALSE(settings.sortSubscriber());
  EXPECT_EQ(settings.activeProject(), "");
}

TEST_F(PlayerSettingsTest, AMachineStoreThatCannotBeWrittenGivesDefaults) {
  const std::string file = dir.write("blocked", "not a folder");
  PlayerSettings blocked(RegistryRoots{Registry(file + "/user"), Registry(file + "/machine")});
  EXPECT_TRUE(blocked.sortSubscriber());
  EXPECT_EQ(blocked.activeProject(), "");
  EXPECT_EQ(blocked.tickerDataSpeed(), 6);
  EXPECT_TRUE(blocked.projects().empty());
  EXPECT_EQ(blocked.addProject("/opt/tavo/Demo"), "");
}

TEST_F(PlayerSettingsTest, InstalledPresentationsTakeTheSmallestFreeNumber) {
  EXPECT_EQ(settings.addProject("/opt/tavo/One"), "Presentation1");
  EXPECT_EQ(settings.addProject("/opt/tavo/Two"), "Presentation2");
  roots.machine.deleteValue(kProjectsKey, "Presentation1");
  EXPECT_EQ(settings.addProject("/opt/tavo/Three"), "Presentation1");
  EXPECT_EQ(settings.addProject("/opt/tavo/Four"), "Presentation3");
  const auto projects = settings.projects();
  ASSERT_EQ(projects.size(), 3u);
  EXPECT_EQ(projects[0], (std::pair<std::string, std::string>{"Presentation2", "/opt/tavo/Two"}));
  EXPECT_EQ(projects[1].second, "/opt/tavo/Three");
  settings.setInstallPath("/opt/tavo/");
  settings.setVersion("Tavo Player 2002");
  EXPECT_EQ(settings.installPath(), "/opt/tavo/");
  EXPECT_EQ(settings.version(), "Tavo Player 2002");
}

}  // namespace
}  // namespace tavo
