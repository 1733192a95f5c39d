// The bar's search field, its search-engine menu and the search, and the
// browser port that loads the browser window on first use.

#include <QLineEdit>
#include <QApplication>
#include <QTest>
#include <QPushButton>

#include "player/bar/LazyBrowserWindow.h"
#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

constexpr const char* kTwoEngines =
    "[Browser Options]\r\nBrowser=Tavo Browser\r\n"
    "[Search Links]\r\nSearchName1=Fish & Ships\r\nSearchAction1=https://one.example/find?q\r\n"
    "SearchName2=Town Pages\r\nSearchAction2=https://two.example/search?lang=en&words\r\n";

class SearchFieldTest : public BarFixture {
 protected:
  QList<QAction*> engines() const { return bar->PMnSearchEngines->actions(); }
  void type(const QString& words) { bar->EdSearch->setText(words); }
};

TEST_F(SearchFieldTest, TheButtonOpensTheFieldOverTheMenuPictureAndSponsorBoxAndClosesIt) {
  provider("Town News", "[Sponsor Options]\r\n");
  TFmMain& b = start();
  b.show();
  EXPECT_EQ(b.SearchTag(), 0);
  EXPECT_TRUE(b.EdSearch->isHidden());
  EXPECT_TRUE(b.BtnGo->isHidden());

  b.BtnSearch->click();
  EXPECT_EQ(b.SearchTag(), 1);
  EXPECT_EQ(b.BtnSearch->toolTip(), "Close Search Window");
  EXPECT_TRUE(b.ImgAdSponsor->isHidden());
  EXPECT_TRUE(b.ImgMenu->isHidden());
  EXPECT_FALSE(b.EdSearch->isHidden());
  EXPECT_FALSE(b.BtnGo->isHidden());
  EXPECT_EQ(b.EdSearch->size(), QSize(113, 18));
  EXPECT_EQ(b.EdSearch->x(), b.BtnSearch->x() + b.BtnSearch->width() + 4);
  EXPECT_EQ(b.BtnGo->x(), b.EdSearch->x() + b.EdSearch->width() + 4);
  EXPECT_EQ(b.BtnGo->text(), "GO");
  EXPECT_EQ(b.focusWidget(), b.EdSearch);

  b.BtnSearch->click();
  EXPECT_EQ(b.SearchTag(), 0);
  EXPECT_EQ(b.BtnSearch->toolTip(), "Internet Search");
  EXPECT_FALSE(b.ImgAdSponsor->isHidden());
  EXPECT_FALSE(b.ImgMenu->isHidden());
  EXPECT_TRUE(b.EdSearch->isHidden());
}

TEST_F(SearchFieldTest, TwoEnginesOfferTheMenuAndTheSecondSearchesInTheOwnWindowBelowTheBar) {
  provider("Town News", kTwoEngines);
  TFmMain& b = start();
  b.BtnSearchClick();
  type("fish & chips #1");
  b.BtnGoClick();
  ASSERT_EQ(engines().size(), 2);
  EXPECT_TRUE(b.PMnSearchEngines->isVisible());
  EXPECT_EQ(engines()[0]->text(), "Fish && Ships");
  EXPECT_EQ(engines()[0]->toolTip(), "https://one.example/find?q");
  EXPECT_TRUE(engines()[0]->isChecked());
  EXPECT_FALSE(engines()[1]->isChecked());

  engines()[1]->trigger();
  EXPECT_TRUE(engines()[1]->isChecked());
  EXPECT_FALSE(engines()[0]->isChecked());
  EXPECT_EQ(peers.browser.calls,
            QStringList{"show https://two.example/search?lang=en&words=fish%20%26%20chips%20%231"});
  ASSERT_TRUE(peers.browser.geometry);
  EXPECT_EQ(*peers.browser.geometry, (layout::Rect{0, b.height(), 1920, 1080 - b.height()}));
  EXPECT_TRUE(platform.shell.opened.isEmpty());
  // The search closed the field and brought the sponsor box back.
  EXPECT_EQ(b.SearchTag(), 0);
  EXPECT_FALSE(b.ImgAdSponsor->isHidden());
  EXPECT_FALSE(b.ImgMenu->isHidden());
  EXPECT_TRUE(b.EdSearch->isHidden());
}

TEST_F(SearchFieldTest, OneEngineSearchesAtOnceNoneDoesNothing) {
  provider("Town News", "[Search Links]\r\nSearchName1=Only\r\nSearchAction1=https://only.example/?s\r\n");
  provider("Sports Club", "[Sponsor Options]\r\n");
  setActiveSubscriber("Town News");
  {
    TFmMain& b = start();
    b.BtnSearchClick();
    type("caf\u00e9 100%");
    b.BtnGoClick();
    EXPECT_FALSE(b.PMnSearchEngines->isVisible());
    EXPECT_EQ(platform.shell.opened, QStringList{"https://only.example/?s=caf%C3%A9%20100%25"})
        << "the system browser for the choice \"Default\"";
    EXPECT_EQ(b.SearchTag(), 0);
  }
  setActiveSubscriber("Sports Club");
  platform.shell.opened.clear();
  TFmMain& b = start();
  b.BtnSearchClick();
  type("anything");
  b.BtnGoClick();
  EXPECT_TRUE(engines().isEmpty());
  EXPECT_FALSE(b.PMnSearchEngines->isVisible());
  EXPECT_TRUE(platform.shell.opened.isEmpty());
  EXPECT_TRUE(peers.browser.calls.isEmpty());
  EXPECT_EQ(b.SearchTag(), 1) << "the field stays open";
}

TEST_F(SearchFieldTest, EnterShowsTheMenuOnlyOnceGoHasFilledIt) {
  provider("Town News", kTwoEngines);
  TFmMain& b = start();
  b.BtnSearchClick();
  type("tides");
  QTest::keyClick(b.EdSearch, Qt::Key_Return);
  EXPECT_TRUE(engines().isEmpty());
  EXPECT_FALSE(b.PMnSearchEngines->isVisible());

  b.BtnGoClick();
  b.PMnSearchEngines->hide();
  b.EdSearchKeyDown(65);  // another key does nothing
  EXPECT_FALSE(b.PMnSearchEngines->isVisible());
  QTest::keyClick(b.EdSearch, Qt::Key_Return);
  EXPECT_TRUE(b.PMnSearchEngines->isVisible());
  EXPECT_EQ(b.SearchTag(), 1);
}

TEST_F(SearchFieldTest, TheMenuKeepsTheEnginesOfTheFirstGoAcrossChannelSwitches) {
  provider("Art Gallery", "[Search Links]\r\nSearchName1=Gallery\r\nSearchAction1=https://art.example/?q\r\n");
  provider("Town News", kTwoEngines);
  setActiveSubscriber("Town News");
  TFmMain& b = start();
  b.BtnSearchClick();
  b.BtnGoClick();
  ASSERT_EQ(engines().size(), 2);
  b.PMnSearchEngines->hide();

  QAction* gallery = nullptr;
  for (QAction* e : b.ChannelEntries())
    if (e->toolTip() == "Art Gallery") gallery = e;
  ASSERT_TRUE(gallery);
  b.MChChangeSubscriberClick(SwitchSender::ChannelEntry, gallery);
  EXPECT_EQ(b.SearchTag(), 0) << "a channel switch closes the field";
  b.BtnSearchClick();
  b.BtnGoClick();
  ASSERT_EQ(engines().size(), 2);
  EXPECT_EQ(engines()[1]->toolTip(), "https://two.example/search?lang=en&words");
}

TEST_F(SearchFieldTest, TheChannelListNoticeClosesTheField) {
  provider("Town News", kTwoEngines);
  TFmMain& b = start();
  b.BtnSearchClick();
  b.BarMessageReceived(BarMessage::ChannelListChanged);
  EXPECT_EQ(b.SearchTag(), 0);
  EXPECT_FALSE(b.ImgAdSponsor->isHidden());
}

TEST_F(SearchFieldTest, ThePageForAddingSubscribersComesFromThePlayersConfiguration) {
  provider("Town News", "[Browser Options]\r\nBrowser=Tavo Browser\r\n");
  const std::string program = platform.platform().programFolder.toStdString();
  TFmMain& b = start();
  b.BarMessageReceived(BarMessage::OpenAddSubscribersPage);
  EXPECT_EQ(peers.browser.address,
            QString::fromStdString(program + "help/tavoplayer/tavoplayer-addsubs.html"));
  t.write("program/TavoPlayer.ini", "[Links]\r\nWeb Site=https://pages.tavo.example/\r\n");
  b.BarMessageReceived(BarMessage::OpenAddSubscribersPage);
  EXPECT_EQ(peers.browser.address, "https://pages.tavo.example/tavoplayer/tavoplayer-addsubs.html");
}

TEST(LazyBrowserWindowTest, APluginThatCannotBeLoadedIsReportedEachTimeAndNothingOpens) {
  tavo::test::TempFolder t;
  const std::string notAPlugin = t.write("TavoBrowser.so", "not a library");
  for (const QString& file : {QString::fromStdString(t / "missing/TavoBrowser.so"), QString::fromStdString(notAPlugin)}) {
    SCOPED_TRACE(file.toStdString());
    platform::testing::TestMessages messages("TavoPlayer");
    LazyBrowserWindow browser(messages, file);
    browser.setGeometry({0, 50, 800, 550});
    browser.setAddress("https://tavo.example/");
    browser.show();
    browser.show();
    EXPECT_EQ(browser.window(), nullptr);
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts()[0].startsWith("The Tavo Browser could not be opened: "));
  }
  EXPECT_EQ(LazyBrowserWindow::pluginBeside("/opt/tavo"), "/opt/tavo/TavoBrowser.so");
  EXPECT_EQ(LazyBrowserWindow::pluginBeside("/opt/tavo/"), "/opt/tavo/TavoBrowser.so");
}

}  // namespace
}  // namespace tavo::player::test
