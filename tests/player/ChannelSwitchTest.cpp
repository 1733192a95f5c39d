// Switching channels: from the channel menu, from a link, from the thumbnail
// viewer, and what a switch reloads.

#include <QPixmap>

#include "player/bar/Glyphs.h"
#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

// Two pictures are the same when their pixels are.
bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

QPixmap solid(QSize size, Qt::GlobalColor c) {
  QPixmap p(size);
  p.fill(c);
  return p;
}

class ChannelSwitch : public BarFixture {
 protected:
  ChannelSwitch() {
    news = provider("Town News",
                    "[Sponsor Options]\r\n"
                    "Sponsor Logo Image=pics\\logo.png\r\nSponsor Logo Link=http://www.example.com/bank\r\n"
                    "Sponsor Box Image=box.png\r\nSponsor Box Link=Sponsor.html\r\n"
                    "[Buttons]\r\nButton1=Ferries\r\nAction1=ferry.txt\r\n");
    t.mkdir("Harbour Town/Town News/pics");
    solid({40, 40}, Qt::red).save(QString::fromStdString(news + "pics/logo.png"), "PNG");
    solid({120, 24}, Qt::blue).save(QString::fromStdString(news + "box.png"), "PNG");
    sports = provider("Sports Club",
                      "[Sponsor Options]\r\nSponsor Box Image=missing.png\r\nSponsor Box Link=http://www.example.com/club\r\n"
                      "[Buttons]\r\nButton1=Results\r\nAction1=results.txt\r\nButton2=News\r\nAction2=Subscriber Town News\r\n");
    file("Sports Club/PlayList.ini", "[Playlist]\r\n1=Slideshow Match|00:30\r\n");
    setActiveSubscriber("Town News");
  }
  QAction* entry(const QString& name) {
    for (QAction* e : bar->ChannelEntries())
      if (e->toolTip() == name) return e;
    return nullptr;
  }
  std::string news, sports;
};

TEST_F(ChannelSwitch, FromTheMenuReloadsEverythingButDoesNotStartThePlaylist) {
  TFmMain& b = start();
  peers.slideshow.visible = peers.thumbnails.visible = true;
  peers.playlist.calls.clear();

  entry("Sports Club")->trigger();

  EXPECT_EQ(b.SubscriberFolder, sports);
  EXPECT_EQ(tickedChannel(), "Sports Club");
  EXPECT_EQ(activeSubscriber(), "Sports Club");
  EXPECT_FALSE(peers.slideshow.visible);
  EXPECT_FALSE(peers.thumbnails.visible);
  EXPECT_EQ(b.Buttons[0]->text(), "Results");
  EXPECT_EQ(b.Buttons[1]->toolTip(), "Subscriber Town News");
  EXPECT_FALSE(b.Buttons[1]->isHidden());
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());  // this channel has a playlist
  // A running playlist of the old channel is stopped, the new one loaded.
  EXPECT_EQ(peers.playlist.calls, (QStringList{"stop", "load"}));
  EXPECT_EQ(peers.playlist.loadedFrom.back(), sports);
  EXPECT_EQ(b.SearchTag(), 0);
}

TEST_F(ChannelSwitch, FromTheThumbnailViewerStartsTheNewChannelsPlaylist) {
  TFmMain& b = start();
  peers.playlist.calls.clear();
  // A thumbnail caption's link: the set folder's name and the playlist mark.
  EXPECT_TRUE(b.ExecuteLink("Subscriber Sports Club", "Shop", PlaylistMark));
  EXPECT_EQ(b.SubscriberFolder, sports);
  EXPECT_EQ(tickedChannel(), "Sports Club");
  EXPECT_EQ(peers.playlist.calls, (QStringList{"load", "start"}));
}

TEST_F(ChannelSwitch, AMenuEntryWhoseFolderLostItsSettingsKeepsThePreviousChannel) {
  TFmMain& b = start();
  std::remove((sports + "!Tavo.ini").c_str());
  peers.playlist.calls.clear();

  entry("Sports Club")->trigger();

  EXPECT_EQ(platform.messages.texts(), QStringList{"Subscriber Sports Club does not exist"});
  EXPECT_EQ(b.SubscriberFolder, news);
  EXPECT_EQ(b.SubscriberNames[static_cast<std::size_t>(b.CurrentSubscriber)], "Town News");
  EXPECT_EQ(tickedChannel(), "Town News");
  EXPECT_EQ(activeSubscriber(), "Town News");
  EXPECT_TRUE(peers.playlist.calls.isEmpty());
  EXPECT_EQ(b.Buttons[0]->text(), "Ferries");
}

TEST_F(ChannelSwitch, AChannelWithoutSponsorPicturesShowsTheBuiltInBoxAndNoLogo) {
  TFmMain& b = start();
  EXPECT_TRUE(samePicture(b.ImgSponsorLogo->pixmap(), solid({40, 40}, Qt::red)));
  EXPECT_TRUE(samePicture(b.ImgAdSponsor->pixmap(), solid({120, 24}, Qt::blue)));
  EXPECT_EQ(b.ImgSponsorLogo->toolTip(), "http://www.example.com/bank");
  EXPECT_EQ(b.ImgAdSponsor->toolTip(), "Sponsor.html");

  entry("Sports Club")->trigger();  // names a missing box picture and no logo

  EXPECT_TRUE(b.ImgSponsorLogo->pixmap().isNull());
  EXPECT_TRUE(samePicture(b.ImgAdSponsor->pixmap(), glyphs::builtInSponsorBox()));
  EXPECT_EQ(b.ImgAdSponsor->toolTip(), "http://www.example.com/club");
  EXPECT_EQ(b.ImgSponsorLogo->toolTip(), "");

  // And back: the first channel's pictures return.
  ASSERT_TRUE(b.ExecuteLink(b.Buttons[1]->toolTip()));
  EXPECT_TRUE(samePicture(b.ImgSponsorLogo->pixmap(), solid({40, 40}, Qt::red)));
}

TEST_F(ChannelSwitch, APictureThatCannotBeReadCountsAsMissing) {
  file("Sports Club/missing.png", "not a picture");
  TFmMain& b = start();
  entry("Sports Club")->trigger();
  EXPECT_TRUE(samePicture(b.ImgAdSponsor->pixmap(), glyphs::builtInSponsorBox()));
}

TEST_F(ChannelSwitch, SponsorClicksOpenTheLinkOrTheDocumentInTheChannelFolder) {
  file("Town News/sponsor.HTML");
  TFmMain& b = start();
  b.ImgAdSponsorClick();
  b.ImgSponsorLogoClick();
  EXPECT_EQ(platform.shell.opened,
            (QStringList{QString::fromStdString(news + "sponsor.HTML"), "http://www.example.com/bank"}));

  provider("Town News", "[Sponsor Options]\r\nSponsor Box Link=http://www.example.com/\r\n"
                        "[Browser Options]\r\nBrowser=default\r\n");  // only exactly "Default" is the system's
  b.LoadSubscriberSettings();
  b.ImgAdSponsorClick();
  EXPECT_EQ(peers.browser.calls, QStringList{"show http://www.example.com/"});
  ASSERT_TRUE(peers.browser.geometry);
  EXPECT_EQ(*peers.browser.geometry, (layout::Rect{0, 50, 1920, 1030}));
}

}  // namespace
}  // namespace tavo::player::test
