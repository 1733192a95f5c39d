// A hostile presentation: names in its files that lead out of the presentation
// folder ("..", absolute names, symbolic links) open, start and read nothing,
// exactly like names of missing files; names of a sibling channel still work.

#include <QPixmap>
#include <filesystem>

#include "player/bar/Glyphs.h"
#include "tests/player/BarFixture.h"
#include "ticker/TQxScroller.h"

namespace tavo::player::test {
namespace {

bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

class NamesInside : public BarFixture {
 protected:
  NamesInside() {
    news = provider("Town News", "[Sponsor Options]\r\nCaption Text=News\r\n");
    sports = provider("Sports Club", "");
    setActiveSubscriber("Town News");
    // Beside the presentation, where no name of it may reach.
    for (const char* f : {"outside/tool.exe", "outside/Set/Slideshow.ini", "outside/Set/Thumbnail.ini",
                          "outside/page.htm", "outside/secret.pdf"})
      t.write(f, "x");
    t.write("outside/news.txt", "Outside one|\r\nOutside two|\r\n");
    QPixmap red(30, 20);
    red.fill(Qt::red);
    red.save(QString::fromStdString(t / "outside/box.png"), "PNG");
    // A folder link inside the channel that points outside.
    std::filesystem::create_directory_symlink(t / "outside", news + "escape");
  }
  int tickerItems() const { return bar->Ticker->Items().Count(); }
  std::string news, sports;
};

TEST_F(NamesInside, LinksThatLeaveThePresentationFailAsMissingFilesDo) {
  TFmMain& b = start();
  const int itemsBefore = tickerItems();
  const std::string outside = t / "outside/";
  // Each link class, reached by "..", by an absolute name and through the link.
  const char* leaving[] = {
      "..\\..\\outside\\tool.exe", "../../outside/tool.exe", "escape\\tool.exe",
      "..\\..\\outside\\news.txt", "escape/news.txt",
      "Slideshow ..\\..\\outside\\Set", "Slideshow escape\\Set",
      "Thumbnail ../../outside/Set", "Thumbnail escape/Set",
      "..\\..\\outside\\secret.pdf", "escape\\secret.pdf", "../../outside/page.htm",
  };
  for (const char* link : leaving) EXPECT_FALSE(b.ExecuteLink(link)) << link;
  for (const std::string& link : {outside + "tool.exe", outside + "news.txt", outside + "secret.pdf"})
    EXPECT_FALSE(b.ExecuteLink(QString::fromStdString(link))) << link;
  // A thumbnail caption's link with a set folder name that leaves.
  EXPECT_FALSE(b.ExecuteLink("secret.pdf", "..\\..\\outside", PlaylistMark));
  EXPECT_FALSE(b.ExecuteLink("secret.pdf", "escape", PlaylistMark));

  EXPECT_TRUE(platform.shell.started.empty());
  EXPECT_TRUE(platform.shell.opened.isEmpty());
  EXPECT_FALSE(peers.slideshow.visible);
  EXPECT_FALSE(peers.thumbnails.visible);
  EXPECT_EQ(tickerItems(), itemsBefore);
  EXPECT_TRUE(platform.messages.shown.empty());

  // A bar button runs the same dispatcher; a sponsor picture's link opens nothing either.
  provider("Town News",
           "[Buttons]\r\nButton1=Tool\r\nAction1=..\\..\\outside\\tool.exe\r\n"
           "[Sponsor Options]\r\nSponsor Box Link=..\\..\\outside\\secret.pdf\r\nSponsor Logo Link=escape/page.htm\r\n");
  b.LoadSubscriberSettings();
  b.Buttons[0]->click();
  b.ImgAdSponsorClick();
  b.ImgSponsorLogoClick();
  EXPECT_TRUE(platform.shell.started.empty());
  EXPECT_TRUE(platform.shell.opened.isEmpty());
}

TEST_F(NamesInside, NamesOfASiblingChannelStillWork) {
  file("Sports Club/tools/Score.exe");
  file("Sports Club/Results.txt", "Win|\r\n");
  file("Sports Club/Match/Slideshow.ini");
  TFmMain& b = start();

  EXPECT_TRUE(b.ExecuteLink("..\\Sports Club\\tools\\score.exe"));
  ASSERT_EQ(platform.shell.started.size(), 1u);
  EXPECT_EQ(platform.shell.started[0].program, QString::fromStdString(news + "../Sports Club/tools/Score.exe"));
  EXPECT_TRUE(b.ExecuteLink("../sports club/results.txt"));
  EXPECT_EQ(b.Ticker->Items().Items(3)->Text1(), "Win");
  EXPECT_TRUE(b.ExecuteLink("Slideshow ..\\Sports Club\\Match"));
  EXPECT_TRUE(peers.slideshow.visible);
}

TEST_F(NamesInside, PicturesAdsTickersAndPagesThatLeaveAreNotRead) {
  provider("Town News",
           "[Sponsor Options]\r\nSponsor Box Image=..\\..\\outside\\box.png\r\n"
           "Sponsor Logo Image=escape\\box.png\r\nStreaming Ad Text=../../outside/news.txt\r\n");
  // The channel's own ticker file is a link to a file outside.
  std::filesystem::create_symlink(t / "outside/news.txt", news + "Ticker.txt");
  TFmMain& b = start();

  EXPECT_TRUE(samePicture(b.ImgAdSponsor->pixmap(), glyphs::builtInSponsorBox()));
  EXPECT_TRUE(b.ImgSponsorLogo->pixmap().isNull());
  EXPECT_TRUE(b.StreamingAdLines.empty());
  EXPECT_TRUE(b.SubTicker->isHidden());
  EXPECT_EQ(tickerItems(), 3);  // gap, caption, bullet: none of the outside lines

  peers.video.link = "..\\..\\outside\\page.htm";
  b.QuestionPrompt();
  EXPECT_FALSE(b.TimerQuestionPrompt->isActive());
  EXPECT_TRUE(peers.video.calls.isEmpty());
}

}  // namespace
}  // namespace tavo::player::test
