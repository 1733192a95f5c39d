// The bar's two scrollers: the ticker built from a ticker text file, its
// buttons and hyperlinks, and the streaming ad.

#include <QApplication>
#include <QTest>

#include "ticker/TQxScroller.h"
#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

using ticker::TQxScroller;
using ticker::TScrollerItem;
using ticker::TScrollSpeed;

// The image of a bullet item, to compare with the bar's bullet.
bool isBullet(const TScrollerItem* item, const QPixmap& bullet) {
  return item && !item->UseTextImage() && item->Bitmap().toImage() == bullet.toImage();
}

class BarTicker : public BarFixture {
 protected:
  BarTicker() {
    news = provider("Town News", "[Sponsor Options]\r\nCaption Text=Harbour & Town News\r\n"
                                 "Streaming Ad Text=adstream.TXT\r\n");
    file("Town News/Ticker.txt",
         "Ferry times|Ferry.txt\r\nNo link at all\r\n|\r\nThe web|http://www.example.com/|ignored\r\n \r\n\t\r\n\r\n");
    file("Town News/Ferry.txt", "First boat 6:40|\r\nLast boat 22:00|Ticker.txt\r\n");
    file("Town News/Adstream.txt", "Harbour Bank|http://www.example.com/bank\r\nFresh fish\r\n");
  }
  std::string news;
};

TEST_F(BarTicker, TheBandReadsGapCaptionBulletThenEachLineAndABullet) {
  platform.screen.geometry = QRect(0, 0, 888, 600);  // a ticker 600 pixels wide
  platform.screen.work = QRect(0, 0, 888, 570);
  TFmMain& b = start();
  TQxScroller* t = b.Ticker;
  EXPECT_EQ(t->x(), 102);
  ASSERT_EQ(t->width(), 600);
  EXPECT_EQ(t->y(), 20);
  EXPECT_EQ(t->height(), 29);
  EXPECT_TRUE(t->Active());
  EXPECT_TRUE(t->ShowHyperlinkHint());
  EXPECT_EQ(b.PnTicker->geometry(), t->geometry());

  ticker::TScrollerCollection& items = t->Items();
  // Four lines before the blank end: "Ferry times", "No link at all", an empty text, "The web".
  ASSERT_EQ(items.Count(), 3 + 2 * 4);
  EXPECT_EQ(items.Items(0)->Margin(), 540);
  EXPECT_TRUE(items.Items(0)->Text1().isEmpty());
  EXPECT_EQ(items.Items(1)->Text1(), "Harbour & Town News");
  EXPECT_EQ(items.Items(1)->Margin(), 30);
  EXPECT_EQ(items.Items(1)->FontColor(), QColor(Qt::white));
  for (int i = 2; i < items.Count(); i += 2) EXPECT_TRUE(isBullet(items.Items(i), b.BulletImage())) << i;
  const struct {
    const char* text;
    const char* link;
  } lines[] = {{"Ferry times", "Ferry.txt"}, {"No link at all", ""}, {"", ""}, {"The web", "http://www.example.com/"}};
  for (int n = 0; n < 4; ++n) {
    const TScrollerItem* item = items.Items(3 + 2 * n);
    EXPECT_EQ(item->Text1(), lines[n].text) << n;
    EXPECT_EQ(item->Hyperlink(), lines[n].link) << n;
    EXPECT_EQ(item->Hint(), lines[n].link) << n;
    EXPECT_EQ(item->Margin(), 30) << n;
    EXPECT_EQ(item->Font(), b.TickerFont) << n;
    EXPECT_EQ(item->FontColor(), QColor(0, 255, 0)) << n;
  }
}

TEST_F(BarTicker, AMissingTickerFileLeavesTheGapTheCaptionAndOneBullet) {
  std::remove((news + "Ticker.txt").c_str());
  TFmMain& b = start();
  ASSERT_EQ(b.Ticker->Items().Count(), 3);
  EXPECT_TRUE(isBullet(b.Ticker->Items().Items(2), b.BulletImage()));
}

TEST_F(BarTicker, ATxtLinkReplacesTheTickerText) {
  TFmMain& b = start();
  EXPECT_TRUE(b.ExecuteLink("FERRY.TXT"));
  ticker::TScrollerCollection& items = b.Ticker->Items();
  ASSERT_EQ(items.Count(), 3 + 2 * 2);
  EXPECT_EQ(items.Items(1)->Text1(), "Harbour & Town News");  // the caption stays
  EXPECT_EQ(items.Items(3)->Text1(), "First boat 6:40");
  EXPECT_EQ(items.Items(5)->Hyperlink(), "Ticker.txt");
  EXPECT_FALSE(b.ExecuteLink("Timetable.txt"));
  EXPECT_EQ(items.Count(), 7);  // a missing file changes nothing
}

TEST_F(BarTicker, ColoursFontAndBulletsFollowTheViewingOptions) {
  setViewingOption("Ticker Color", 16711680);      // blue
  setViewingOption("Ticker Text Color", 65535);   // yellow
  setViewingOption("Ticker Text Size", "Small");
  TFmMain& b = start();
  EXPECT_EQ(b.Ticker->Color(), QColor(0, 0, 255));
  EXPECT_EQ(b.PnTicker->palette().color(QPalette::Window), QColor(0, 0, 255));
  EXPECT_EQ(b.TickerFont.pointSize(), 9);
  EXPECT_EQ(b.Ticker->y(), 26);
  EXPECT_EQ(b.Ticker->height(), 21);
  const QImage bullet = b.BulletImage().toImage();
  EXPECT_EQ(bullet.size(), QSize(16, 16));
  EXPECT_EQ(bullet.pixelColor(0, 0), QColor(0, 0, 255));
  EXPECT_EQ(bullet.pixelColor(7, 6), QColor(255, 255, 0));
  EXPECT_EQ(bullet.pixelColor(7, 14), QColor(0, 0, 255));  // the ellipse ends at 12
  for (int i = 0; i < b.Ticker->Items().Count(); ++i)
    EXPECT_EQ(b.Ticker->Items().Items(i)->Background(), QColor(0, 0, 255)) << i;
  EXPECT_EQ(b.Ticker->Items().Items(3)->FontColor(), QColor(255, 255, 0));
  EXPECT_EQ(b.LbTicker->palette().color(QPalette::WindowText), QColor(255, 255, 0));

  // New colours: the items change at once, the bullets at the next settings load.
  setViewingOption("Ticker Color", 0);
  b.BarMessageReceived(BarMessage::SettingsChanged);
  EXPECT_EQ(b.Ticker->Items().Items(3)->Background(), QColor(0, 0, 0));
  EXPECT_TRUE(isBullet(b.Ticker->Items().Items(4), b.BulletImage()));
}

TEST_F(BarTicker, TheSpeedComesFromTheSettingsAndGoesBackAtClose) {
  struct Case {
    int stored;
    TScrollSpeed speed;
    int panelInterval;
  } cases[] = {{6, TScrollSpeed::speed7_VeryFast, 5}, {0, TScrollSpeed::speed1_VerySlow, 11},
               {42, TScrollSpeed::speed10_VeryFast, 2}, {-3, TScrollSpeed::speed1_VerySlow, 11}};
  for (const Case& c : cases) {
    setViewingOption("Ticker Data Speed", c.stored);
    TFmMain& b = start();
    EXPECT_EQ(b.Ticker->ScrollSpeed(), c.speed) << c.stored;
    EXPECT_EQ(b.TimerLbTicker->interval(), c.panelInterval) << c.stored;
  }
  // A throw changed the speed: closing stores the speed the ticker has now.
  bar->Ticker->setScrollSpeed(TScrollSpeed::speed2_Slow);
  bar->close();
  const auto v = platform.platform().registry.user.value("Software\\Corvenna\\TavoPlayer\\Viewing Options",
                                                         "Ticker Data Speed");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->number, 1);
}

TEST_F(BarTicker, PauseStartAndNextChannelDriveTheTicker) {
  TFmMain& b = start();
  b.BtnPauseTicker->click();
  EXPECT_FALSE(b.Ticker->Active());
  EXPECT_FALSE(b.BtnPlayTicker->isHidden());
  b.BtnPlayTicker->click();
  EXPECT_TRUE(b.Ticker->Active());
  EXPECT_FALSE(b.BtnPauseTicker->isHidden());

  b.show();
  QApplication::processEvents();  // the first paint starts the band at item 0
  ASSERT_EQ(b.Ticker->band().headIndex(), 0);
  b.BtnNextChannel->click();
  EXPECT_EQ(b.Ticker->band().headIndex(), 1);
}

TEST_F(BarTicker, AClickedHyperlinkOpensOnceThroughTheDispatcher) {
  TFmMain& b = start();
  b.show();
  QApplication::processEvents();
  for (int i = 0; i < 9; ++i) b.BtnNextChannelClick();  // "The web" leads the band
  ASSERT_EQ(b.Ticker->band().headIndex(), 9);
  ASSERT_TRUE(b.Ticker->Active());
  QTest::mousePress(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseRelease(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_EQ(platform.shell.opened, QStringList{"http://www.example.com/"});  // not twice
  EXPECT_TRUE(b.Ticker->Active());

  // A ticker hotlink naming a ".txt" file goes to the dispatcher as well.
  for (int i = 0; i < 5; ++i) b.BtnNextChannelClick();  // 10, then around to 0 .. 3
  ASSERT_EQ(b.Ticker->band().headIndex(), 3);  // "Ferry times|Ferry.txt"
  QTest::mousePress(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseRelease(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_EQ(b.Ticker->Items().Items(3)->Text1(), "First boat 6:40");
}

TEST_F(BarTicker, AnExecLinkStartsItsProgramOnceThroughTheControl) {
  file("Town News/Ticker.txt", "Run the viewer|EXEC:/opt/viewer/run me.sh\r\n");
  TFmMain& b = start();
  b.show();
  QApplication::processEvents();
  for (int i = 0; i < 3; ++i) b.BtnNextChannelClick();  // gap, caption, bullet: the line leads
  QTest::mousePress(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseRelease(b.Ticker, Qt::LeftButton, {}, QPoint(8, 10));
  ASSERT_EQ(platform.shell.started.size(), 1u);
  EXPECT_EQ(platform.shell.started[0].program, "/opt/viewer/run me.sh");
  EXPECT_EQ(platform.shell.started[0].workingFolder, "/opt/viewer/");
  EXPECT_TRUE(platform.shell.opened.isEmpty());
}

TEST_F(BarTicker, TheStreamingAdScrollsItsOwnItemsAndExecutesItsOwnLinks) {
  TFmMain& b = start();
  TQxScroller* s = b.SubTicker;
  EXPECT_EQ(b.StreamingAdLines, (std::vector<std::string>{"Harbour Bank", "Fresh fish"}));
  EXPECT_EQ(b.StreamingAdLine, 0);
  EXPECT_TRUE(s->Active());
  EXPECT_FALSE(s->isHidden());  // no playlist: the Play face shows the streaming ad
  EXPECT_TRUE(s->isEnabled());
  EXPECT_EQ(s->BorderStyle(), ticker::TBorderStyle::bsNone);
  EXPECT_EQ(s->NextItemDelay(), 4000u);
  EXPECT_FALSE(static_cast<bool>(s->OnHyperlinkClick));
  EXPECT_TRUE(s->Options() & ticker::TScrollerOption::opExecuteHyperlinks);
  const QColor bar(0xEE, 0xEE, 0xF4);
  EXPECT_EQ(s->Color(), bar);
  ASSERT_EQ(s->Items().Count(), 3);
  EXPECT_EQ(s->Items().Items(0)->Margin(), s->width());
  const TScrollerItem* first = s->Items().Items(1);
  EXPECT_EQ(first->Text1(), "Harbour Bank");
  EXPECT_EQ(first->Hyperlink(), "http://www.example.com/bank");
  EXPECT_EQ(first->Font().family(), "Arial");
  EXPECT_EQ(first->Font().pointSize(), 8);
  EXPECT_EQ(first->FontColor(), QColor(Qt::black));
  EXPECT_EQ(first->Background(), bar);
  // Between the buttons and the row's end.
  EXPECT_EQ(s->x(), layout::kBevelLeft + 2);
  EXPECT_EQ(s->x() + s->width(), b.Bevel1->x() + b.Bevel1->width() - 2);
  EXPECT_EQ(s->y(), 3);

  b.ShowPlaylistControls();
  EXPECT_TRUE(s->isHidden());
  EXPECT_FALSE(s->isEnabled());

  provider("Town News", "[Sponsor Options]\r\nStreaming Ad Text=gone.txt\r\n");
  b.LoadSubscriberSettings();
  b.LoadStreamingAd();
  EXPECT_TRUE(s->isHidden());
  EXPECT_TRUE(b.StreamingAdLines.empty());
}

// A long ticker text: the first lines are on the band when LoadTicker returns,
// the rest follow in idle batches in their order, and a channel switch in the
// middle drops what the old channel still had waiting.
TEST_F(BarTicker, ALongTickerTextComesInWhileIdleInItsOrder) {
  std::string text;
  for (int n = 0; n < 1000; ++n) text += "Line " + std::to_string(n) + "|http://www.example.com/" + std::to_string(n) + "\r\n";
  file("Town News/Ticker.txt", text);
  provider("Weather", "[Sponsor Options]\r\nCaption Text=Weather\r\n");
  file("Weather/Ticker.txt", "Sunny|\r\n");
  TFmMain& b = start();
  ticker::TScrollerCollection& items = b.Ticker->Items();
  ASSERT_TRUE(b.TickerLoading());
  ASSERT_GE(items.Count(), 3 + 2 * 50);  // more than a screenful is there at once
  ASSERT_LT(items.Count(), 3 + 2 * 1000);
  EXPECT_EQ(items.Items(3)->Text1(), "Line 0");

  for (int spins = 0; b.TickerLoading() && spins < 100; ++spins) QApplication::processEvents();
  ASSERT_FALSE(b.TickerLoading());
  ASSERT_EQ(items.Count(), 3 + 2 * 1000);
  for (int n = 0; n < 1000; n += 111) {
    const TScrollerItem* item = items.Items(3 + 2 * n);
    EXPECT_EQ(item->Text1(), "Line " + QString::number(n));
    EXPECT_EQ(item->Hyperlink(), "http://www.example.com/" + QString::number(n));
    EXPECT_TRUE(isBullet(items.Items(4 + 2 * n), b.BulletImage()));
  }

  // Again, and switch channels before the rest came in.
  b.LoadTicker(news + "Ticker.txt");
  ASSERT_TRUE(b.TickerLoading());
  QAction* weather = nullptr;
  for (QAction* entry : b.ChannelEntries())
    if (entry->text() == "Weather") weather = entry;
  ASSERT_NE(weather, nullptr);
  weather->trigger();
  EXPECT_FALSE(b.TickerLoading());
  for (int spins = 0; spins < 10; ++spins) QApplication::processEvents();
  ASSERT_EQ(items.Count(), 5);
  EXPECT_EQ(items.Items(3)->Text1(), "Sunny");
}

}  // namespace
}  // namespace tavo::player::test
