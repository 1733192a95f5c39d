// Loading the preferences into what the dialog shows, and saving them back.

#include <gtest/gtest.h>

#include <functional>

#include "player/logic/PlayerLinks.h"
#include "player/logic/PreferenceValues.h"
#include "tests/player/StoreFiles.h"
#include "tests/support/TempFolder.h"

namespace tavo::player {
namespace {

using test::storeFiles;
using test::TempFolder;

class PreferenceValuesTest : public ::testing::Test {
 protected:
  TempFolder dir;
  RegistryRoots roots = RegistryRoots::inFolder(dir.path());
  PlayerSettings settings{roots};
  const Registry& user() const { return settings.roots().user; }
};

TEST_F(PreferenceValuesTest, AFreshStoreShowsTheDefaultsAndKeepsThemWritten) {
  const PreferenceValues v = loadPreferences(settings);
  EXPECT_EQ(v.textSize, 1);  // "Large"
  EXPECT_EQ(v.tickerSpeed, 6);
  EXPECT_TRUE(v.tickerBold);
  EXPECT_EQ(v.colorScheme, ColorScheme::NeonOnBlack);
  EXPECT_EQ(v.buttonBarLocation, 0);
  EXPECT_EQ(v.tickerPosition, 0);
  EXPECT_FALSE(v.buttonBarBold);
  EXPECT_FALSE(v.mute);
  EXPECT_EQ(v.slideMethod, 2);
  EXPECT_EQ(v.thumbMethod, 2);
  for (const char* name : {"Ticker Data Speed", "Ticker Position", "Ticker Text Size", "Ticker Text Bold",
                           "Ticker Text Color", "Ticker Color", "Button Bar Location", "Button Bar Text Bold"})
    EXPECT_TRUE(user().value(kViewingOptionsKey, name)) << name;
  EXPECT_TRUE(user().value(kUniversalOptionsKey, "Sound"));
  EXPECT_TRUE(user().value(kGeneralKey, "SlideDisplayMethod"));
  EXPECT_TRUE(user().value(kGeneralKey, "ThumbDisplayMethod"));
}

TEST_F(PreferenceValuesTest, StoredValuesMapOntoTheControls) {
  EXPECT_EQ(textSizeIndex("Small"), 0);
  EXPECT_EQ(textSizeIndex("Large"), 1);
  EXPECT_EQ(textSizeIndex("Jumbo"), 2);
  EXPECT_EQ(textSizeIndex("Huge"), 2);
  EXPECT_EQ(textSizeIndex("small"), 2) << "the names are matched exactly";
  EXPECT_EQ(placeIndex("Top"), 0);
  EXPECT_EQ(placeIndex("Bottom"), 1);
  EXPECT_EQ(placeIndex("Random"), 1);
  EXPECT_EQ(placeIndex(""), 1);
  for (const auto& [stored, index] : std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 2}, {0, 0}, {4, 0}, {7, 0}, {-1, 0}})
    EXPECT_EQ(displayMethodIndex(stored), index) << stored;
  EXPECT_EQ(trackBarPosition(0), 1);
  EXPECT_EQ(trackBarPosition(5), 5);
  EXPECT_EQ(trackBarPosition(12), 9);
}

TEST_F(PreferenceValuesTest, ColourSchemesBothWays) {
  const struct {
    ColorScheme scheme;
    std::uint32_t text, background;
  } schemes[] = {
      {ColorScheme::BlueOnBlack, 16776960, 0},  {ColorScheme::RedOnBlack, 255, 0},
      {ColorScheme::NeonOnBlack, 65280, 0},     {ColorScheme::YellowOnBlack, 65535, 0},
      {ColorScheme::YellowOnBlue, 65535, 16711680},
  };
  for (const auto& s : schemes) {
    const char* name = kColorSchemeNames[static_cast<std::size_t>(s.scheme)];
    SCOPED_TRACE(name);
    EXPECT_EQ(schemeColors(s.scheme).text, WinColor{s.text});
    EXPECT_EQ(schemeColors(s.scheme).background, WinColor{s.background});
    EXPECT_EQ(schemeFromColors(WinColor{s.text}, WinColor{s.background}), s.scheme);
    EXPECT_EQ(schemeFromName(name), s.scheme);
  }
  EXPECT_EQ(schemeFromName("Purple on Pink"), ColorScheme::NeonOnBlack);
  EXPECT_EQ(schemeFromColors(WinColor{65535}, WinColor{128}), ColorScheme::YellowOnBlue) << "any background but black";
  EXPECT_EQ(schemeFromColors(WinColor{255}, WinColor{16711680}), ColorScheme::RedOnBlack) << "the text colour decides";
  EXPECT_EQ(schemeFromColors(WinColor{12345}, WinColor{0}), ColorScheme::NeonOnBlack);
}

TEST_F(PreferenceValuesTest, OkWithoutChangesLeavesTheStoreByteIdentical) {
  // Values no control can show exactly: a provider's own colour, a position
  // the bar knows but the dialog does not, a hand-typed size, out-of-range numbers.
  user().writeText(kViewingOptionsKey, "Ticker Position", "Random");
  user().writeText(kViewingOptionsKey, "Ticker Text Size", "Huge");
  user().writeInteger(kViewingOptionsKey, "Ticker Text Color", 12345);
  user().writeInteger(kViewingOptionsKey, "Ticker Color", 8421504);
  user().writeInteger(kViewingOptionsKey, "Ticker Data Speed", 12);
  user().writeInteger(kGeneralKey, "SlideDisplayMethod", 7);
  user().writeInteger(kUniversalOptionsKey, "Sound", 0);
  const PreferenceValues loaded = loadPreferences(settings);  // fills the missing ones
  EXPECT_EQ(loaded.textSize, 2) << "\"Huge\" shows as \"Jumbo\"";
  EXPECT_EQ(loaded.colorScheme, ColorScheme::NeonOnBlack);
  EXPECT_TRUE(loaded.mute);
  const auto before = storeFiles(dir.path());

  savePreferences(settings, loaded, loaded);
  EXPECT_EQ(storeFiles(dir.path()), before);
  EXPECT_EQ(settings.tickerTextColor(), WinColor{12345}) << "the provider's colour survives";
  EXPECT_EQ(settings.tickerPosition(), "Random");
}

TEST_F(PreferenceValuesTest, EachChangedControlSavesItsSettingAndNothingElse) {
  const struct {
    const char* what;
    std::function<void(PreferenceValues&)> change;
    std::function<bool(const PlayerSettings&)> stored;
  } cases[] = {
      {"text size", [](auto& v) { v.textSize = 0; }, [](auto& s) { return s.tickerTextSize() == "Small"; }},
      {"jumbo", [](auto& v) { v.textSize = 2; }, [](auto& s) { return s.tickerTextSize() == "Jumbo"; }},
      {"speed", [](auto& v) { v.tickerSpeed = 9; }, [](auto& s) { return s.tickerDataSpeed() == 9; }},
      {"ticker bold", [](auto& v) { v.tickerBold = false; }, [](auto& s) { return !s.tickerTextBold(); }},
      {"colours",
       [](auto& v) { v.colorScheme = ColorScheme::YellowOnBlue; },
       [](auto& s) { return s.tickerTextColor() == WinColor{65535} && s.tickerColor() == WinColor{16711680}; }},
      {"button bar", [](auto& v) { v.buttonBarLocation = 1; },
       [](auto& s) { return s.buttonBarLocation() == "Bottom"; }},
      {"ticker position", [](auto& v) { v.tickerPosition = 1; },
       [](auto& s) { return s.tickerPosition() == "Bottom"; }},
      {"button bold", [](auto& v) { v.buttonBarBold = true; }, [](auto& s) { return s.buttonBarTextBold(); }},
      {"mute", [](auto& v) { v.mute = true; }, [](auto& s) { return !s.sound(); }},
      {"slideshow", [](auto& v) { v.slideMethod = 0; }, [](auto& s) { return s.slideDisplayMethod() == 1; }},
      {"thumbnails", [](auto& v) { v.thumbMethod = 1; }, [](auto& s) { return s.thumbDisplayMethod() == 2; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder fresh;
    const PlayerSettings s{RegistryRoots::inFolder(fresh.path())};
    const PreferenceValues loaded = loadPreferences(s);
    PreferenceValues shown = loaded;
    c.change(shown);
    savePreferences(s, shown, loaded);
    EXPECT_TRUE(c.stored(s));
    // Every other control still shows what it showed.
    PreferenceValues again = loadPreferences(s);
    c.change(again);
    EXPECT_EQ(again, shown);
  }
}

TEST_F(PreferenceValuesTest, BlueOnBlackRoundTrip) {
  const PreferenceValues loaded = loadPreferences(settings);
  PreferenceValues shown = loaded;
  shown.colorScheme = schemeFromName("Blue on Black");
  savePreferences(settings, shown, loaded);
  EXPECT_EQ(settings.tickerTextColor(), WinColor{16776960});
  EXPECT_EQ(settings.tickerColor(), WinColor{0});
  EXPECT_EQ(loadPreferences(settings).colorScheme, ColorScheme::BlueOnBlack);
}

TEST(PlayerLinksTest, DefaultsPointAtTheHelpPagesBesideThePlayer) {
  for (const char* config : {"", "[Links]\r\n", "[Links]\r\nWeb Site=\r\nSupport Page=  \r\n"}) {
    SCOPED_TRACE(config);
    const PlayerLinks links = parsePlayerLinks(config, "/opt/tavo/");
    EXPECT_EQ(links.webSite, "/opt/tavo/help/");
    EXPECT_EQ(links.addSubscribersPage(), "/opt/tavo/help/tavoplayer/tavoplayer-addsubs.html");
    EXPECT_EQ(links.productPage, "/opt/tavo/help/index.html");
    EXPECT_EQ(links.creatorPage, "/opt/tavo/help/creator.html");
    EXPECT_EQ(links.contentPage, "/opt/tavo/help/content.html");
    EXPECT_EQ(links.supportPage, "/opt/tavo/help/index.html");
  }
}

TEST(PlayerLinksTest, ConfiguredAddressesAndFiles) {
  const PlayerLinks links = parsePlayerLinks(
      "[links]\r\nweb site=https://tavo.example/pages\r\nProduct Page=docs\\start.html\r\n"
      "Creator Page=/usr/share/doc/tavo/creator.html\r\nSupport Page=mailto:help@tavo.example\r\n",
      "/opt/tavo/");
  EXPECT_EQ(links.addSubscribersPage(), "https://tavo.example/pages/tavoplayer/tavoplayer-addsubs.html");
  EXPECT_EQ(links.productPage, "/opt/tavo/docs/start.html");
  EXPECT_EQ(links.creatorPage, "/usr/share/doc/tavo/creator.html");
  EXPECT_EQ(links.supportPage, "mailto:help@tavo.example");
  EXPECT_EQ(resolveConfiguredLink("C:help.html", "/p/"), "/p/C:help.html") << "a drive letter is no scheme";
}

TEST(PlayerLinksTest, AMissingConfigurationFileGivesTheDefaults) {
  TempFolder dir;
  EXPECT_EQ(readPlayerLinks(dir.path()).supportPage, dir.path() + "help/index.html");
  dir.write("TavoPlayer.ini", "[Links]\r\nSupport Page=https://help.tavo.example/\r\n");
  EXPECT_EQ(readPlayerLinks(dir.path()).supportPage, "https://help.tavo.example/");
}

}  // namespace
}  // namespace tavo::player
