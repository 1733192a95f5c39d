#include <gtest/gtest.h>

#include "format/ProviderSettings.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using provider::ButtonEntry;
using provider::GridPair;
using provider::SearchEntry;
using test::readFile;
using test::TempFolder;

std::vector<std::tuple<int, std::string, std::string>> flat(const std::vector<ButtonEntry>& v) {
  std::vector<std::tuple<int, std::string, std::string>> out;
  for (const auto& b : v) out.emplace_back(b.number, b.caption, b.action);
  return out;
}
std::vector<std::tuple<int, std::string, std::string>> flat(const std::vector<SearchEntry>& v) {
  std::vector<std::tuple<int, std::string, std::string>> out;
  for (const auto& s : v) out.emplace_back(s.number, s.name, s.address);
  return out;
}

TEST(ProviderSettings, AFileWithoutSectionsGivesThePlayerItsDefaults) {
  TempFolder dir;
  dir.write("!Tavo.ini", "");
  const auto s = provider::readProviderSettings(dir.path(), ReadMode::Player);
  EXPECT_EQ(s.sponsor.logoImage, "");
  EXPECT_EQ(s.sponsor.logoLink, "");
  EXPECT_EQ(s.sponsor.captionText, "");
  EXPECT_EQ(s.sponsor.streamingAdText, "");
  EXPECT_EQ(s.sponsor.streamingAdIntervalMs(), 15000);
  EXPECT_FALSE(s.browser.ownBrowser);
  EXPECT_TRUE(s.buttons.empty());
  EXPECT_TRUE(s.searchLinks.empty());
  EXPECT_TRUE(s.updateDownloads.empty());
}

TEST(ProviderSettings, TheCreatorReadsItsOwnDefaultsAndWritesThemBack) {
  TempFolder dir;
  const auto s = provider::readProviderSettings(dir.path(), ReadMode::Editor);
  EXPECT_EQ(s.sponsor.logoLink, "http://www.");
  EXPECT_EQ(s.sponsor.boxLink, "http://www.");
  EXPECT_EQ(s.sponsor.captionLink, "http://www.");
  EXPECT_EQ(s.sponsor.soundPlayerGraphicLink, "http://www.");
  EXPECT_EQ(s.sponsor.streamingAdInterval, "00:15");
  EXPECT_EQ(s.viewing.tickerDataSpeed, 7);
  EXPECT_TRUE(s.viewing.tickerAtTop);
  EXPECT_TRUE(s.viewing.tickerTextBold);
  EXPECT_EQ(s.viewing.tickerTextSize, provider::TickerTextSize::Large);
  EXPECT_TRUE(s.viewing.buttonBarAtTop);
  EXPECT_FALSE(s.viewing.buttonBarTextBold);
  ASSERT_TRUE(provider::writeAppearance(dir.path(), s.viewing, s.sponsor));
  EXPECT_EQ(readFile(dir / "!Tavo.ini"),
            "[Viewing Options]\r\nTicker Data Speed=7\r\nTicker Position=Top\r\nTicker Text Bold=On\r\n"
            "Ticker Text Size=Large\r\nButton Bar Location=Top\r\nButton Bar Text Bold=Off\r\n"
            "[Sponsor Options]\r\nSponsor Logo Image=\r\nSponsor Logo Link=http://www.\r\nSponsor Box Image=\r\n"
            "Sponsor Box Link=http://www.\r\nCaption Text=\r\nCaption Link=http://www.\r\n"
            "Streaming Ad Interval=00:15\r\nSound Player Graphic=\r\nSound Player Graphic Link Name=\r\n"
            "Sound Player Graphic Link=http://www.\r\n");
}

TEST(ProviderSettings, ViewingOptionsReadingRules) {
  const struct {
    const char* file;
    int speed;
    bool tickerTop, tickerBold;
    provider::TickerTextSize size;
    bool barTop, barBold;
  } cases[] = {
      {"Ticker Data Speed=3\nTicker Position=BOTTOM\nTicker Text Bold=off\nTicker Text Size=SMALL\n"
       "Button Bar Location=top\nButton Bar Text Bold=ON\n",
       3, false, false, provider::TickerTextSize::Small, true, true},
      {"Ticker Data Speed=fast\nTicker Position=\nTicker Text Bold=yes\nTicker Text Size=\n"
       "Button Bar Location=Up\nButton Bar Text Bold=\n",
       7, false, false, provider::TickerTextSize::Jumbo, false, false},
      {"Ticker Data Speed=12\nTicker Text Size=large\n", 12, true, true, provider::TickerTextSize::Large, true, false},
      {"Ticker Text Size=Huge\n", 7, true, true, provider::TickerTextSize::Jumbo, true, false},
  };
  for (const auto& c : cases) {
    const auto v = provider::readViewingOptions(ProfileFile::parse(std::string("[Viewing Options]\n") + c.file));
    EXPECT_EQ(v.tickerDataSpeed, c.speed) << c.file;
    EXPECT_EQ(v.tickerAtTop, c.tickerTop) << c.file;
    EXPECT_EQ(v.tickerTextBold, c.tickerBold) << c.file;
    EXPECT_EQ(v.tickerTextSize, c.size) << c.file;
    EXPECT_EQ(v.buttonBarAtTop, c.barTop) << c.file;
    EXPECT_EQ(v.buttonBarTextBold, c.barBold) << c.file;
  }
}

TEST(ProviderSettings, BrowserChoiceOfEachProgram) {
  const struct {
    const char* file;
    bool playerOwn, creatorOwn;
  } cases[] = {
      {"", false, false},
      {"[Browser Options]\nBrowser=\n", false, false},
      {"[Browser Options]\nBrowser=Default\n", false, false},
      {"[Browser Options]\nBrowser=default\n", true, false},  // only exactly "Default" is the system browser
      {"[Browser Options]\nBrowser=Tavo Browser\n", true, true},
      {"[Browser Options]\nBrowser=tavo browser\n", true, false},
  };
  for (const auto& c : cases) {
    const ProfileFile f = ProfileFile::parse(c.file);
    EXPECT_EQ(provider::readBrowserOptions(f, ReadMode::Player).ownBrowser, c.playerOwn) << c.file;
    EXPECT_EQ(provider::readBrowserOptions(f, ReadMode::Editor).ownBrowser, c.creatorOwn) << c.file;
  }
  TempFolder dir;
  ASSERT_TRUE(provider::writeBrowserOptions(dir.path(), true, "http://example.com/control"));
  const auto b = provider::readProviderSettings(dir.path(), ReadMode::Editor).browser;
  EXPECT_EQ(b.browser, "Tavo Browser");
  EXPECT_EQ(b.tickerLocation, "http://example.com/control");
}

TEST(ProviderSettings, ButtonsWithGapsAreWrittenByRowAndReadByEachProgram) {
  TempFolder dir;
  dir.write("!Tavo.ini", "[Buttons]\r\nButton9=stale\r\nAction9=old\r\n[Sponsor Options]\r\nCaption Text=keep\r\n");
  ASSERT_TRUE(provider::writeButtons(dir.path(), {{"Home", "Subscriber Town News"},
                                                  {"Gallery & More", "Slideshow Beach"},
                                                  {"No action", ""},
                                                  {"Prices", "price.htm"}}));
  EXPECT_EQ(readFile(dir / "!Tavo.ini"),
            "[Buttons]\r\nButton1=Home\r\nAction1=Subscriber Town News\r\nButton2=Gallery & More\r\n"
            "Action2=Slideshow Beach\r\nButton4=Prices\r\nAction4=price.htm\r\n[Sponsor Options]\r\nCaption Text=keep\r\n");
  const auto player = provider::readProviderSettings(dir.path(), ReadMode::Player).buttons;
  EXPECT_EQ(flat(player), (std::vector<std::tuple<int, std::string, std::string>>{
                              {1, "Home", "Subscriber Town News"},
                              {2, "Gallery & More", "Slideshow Beach"},
                              {4, "Prices", "price.htm"}}));
  const auto editor = provider::readProviderSettings(dir.path(), ReadMode::Editor).buttons;
  EXPECT_EQ(flat(editor), (std::vector<std::tuple<int, std::string, std::string>>{
                              {1, "Home", "Subscriber Town News"},
                              {2, "Gallery & More", "Slideshow Beach"},
                              {3, "Prices", "price.htm"}}));
}

TEST(ProviderSettings, PlayerButtonsAreNumbersOneToTenEachOnItsOwn) {
  const ProfileFile f = ProfileFile::parse(
      "[Buttons]\nButton3=Three\nAction3=c\nButton1=\nAction1=hidden\nButton11=Eleven\nAction11=x\n"
      "button10=Ten\nACTION10=t\nButton5=No action\n");
  EXPECT_EQ(flat(provider::readButtons(f, ReadMode::Player)),
            (std::vector<std::tuple<int, std::string, std::string>>{{3, "Three", "c"}, {5, "No action", ""},
                                                                     {10, "Ten", "t"}}));
}

TEST(ProviderSettings, TheCreatorReadsButtonsInFileOrderByTheirFirstCharacters) {
  const ProfileFile f = ProfileFile::parse(
      "[Buttons]\nButton3=Third\nAction3=c\nButton1=First\nButtonX=Second name\nAction1=a\nActionZ=lonely\n"
      "Other=ignored\n");
  // A second name in a row moves to the next row; an action closes the row.
  EXPECT_EQ(flat(provider::readButtons(f, ReadMode::Editor)),
            (std::vector<std::tuple<int, std::string, std::string>>{
                {1, "Third", "c"}, {2, "First", ""}, {3, "Second name", "a"}, {4, "", "lonely"}}));
}

TEST(ProviderSettings, SearchLinksWithAGapKeepEveryEngine) {
  TempFolder dir;
  ASSERT_TRUE(provider::writeSearchLinks(dir.path(), {{"Google", "http://www.example.com/search?q"},
                                                      {"", "orphan"},
                                                      {"Teoma", "http://www.example.org/search?q"}}));
  EXPECT_EQ(readFile(dir / "!Tavo.ini"),
            "[Search Links]\r\nSearchName1=Google\r\nSearchAction1=http://www.example.com/search?q\r\n"
            "SearchName3=Teoma\r\nSearchAction3=http://www.example.org/search?q\r\n");
  // The player reads every present number, so the gap at 2 no longer hides engine 3.
  EXPECT_EQ(flat(provider::readProviderSettings(dir.path(), ReadMode::Player).searchLinks),
            (std::vector<std::tuple<int, std::string, std::string>>{
                {1, "Google", "http://www.example.com/search?q"}, {3, "Teoma", "http://www.example.org/search?q"}}));
  EXPECT_EQ(flat(provider::readProviderSettings(dir.path(), ReadMode::Editor).searchLinks),
            (std::vector<std::tuple<int, std::string, std::string>>{
                {1, "Google", "http://www.example.com/search?q"}, {2, "Teoma", "http://www.example.org/search?q"}}));
}

TEST(ProviderSettings, PlayerSearchLinksNeedBothValues) {
  const ProfileFile f = ProfileFile::parse(
      "[Search Links]\nSearchName5=Five\nSearchAction5=five?q\nSearchName2=Two\nSearchAction2=\n"
      "SearchAction7=seven?q\nSearchName1=One\nSearchAction1=one?q\nsearchname12=Twelve\nsearchaction12=12?q\n");
  EXPECT_EQ(flat(provider::readSearchLinks(f, ReadMode::Player)),
            (std::vector<std::tuple<int, std::string, std::string>>{
                {1, "One", "one?q"}, {5, "Five", "five?q"}, {12, "Twelve", "12?q"}}));
}

TEST(ProviderSettings, UpdateDownloadsInNumberOrderWithoutStoppingAtAGap) {
  const ProfileFile f = ProfileFile::parse(
      "[Update Downloads]\n3=http://example.com/c.zip\n1=http://example.com/a.zip\n2=\nx=skip\n");
  EXPECT_EQ(provider::readUpdateDownloads(f),
            (std::vector<std::string>{"http://example.com/a.zip", "http://example.com/c.zip"}));
}

TEST(ProviderSettings, SponsorOptionsRoundTripKeepsTheStreamingAdText) {
  TempFolder dir;
  dir.write("!TAVO.INI", "[Sponsor Options]\r\nStreaming Ad Text=Adstream.txt\r\nStreaming Ad Interval=01:30\r\n");
  auto s = provider::readProviderSettings(dir.path(), ReadMode::Editor).sponsor;
  EXPECT_EQ(s.streamingAdIntervalMs(), 90000);
  s.captionText = "Welcome | to the show";
  s.logoImage = "logo.bmp";
  ASSERT_TRUE(provider::writeSponsorOptions(dir.path(), s));
  EXPECT_EQ(readFile(dir / "!Tavo.ini"), "<missing>");  // the file is found without regard to case
  const auto back = provider::readProviderSettings(dir.path(), ReadMode::Player).sponsor;
  EXPECT_EQ(back.captionText, "Welcome | to the show");
  EXPECT_EQ(back.logoImage, "logo.bmp");
  EXPECT_EQ(back.streamingAdText, "Adstream.txt");
  EXPECT_EQ(back.logoLink, "http://www.");  // written by the creator, so present for the player
  ASSERT_TRUE(provider::writeStreamingAdText(dir.path(), "ads.txt"));
  EXPECT_EQ(provider::readProviderSettings(dir.path(), ReadMode::Player).sponsor.streamingAdText, "ads.txt");
}

}  // namespace
}  // namespace tavo
