// The runner on the real bar: its dispatcher, TimerPlayList, media controls
// and streaming ad, with the recording slideshow, thumbnail and video windows.
// Timer ticks are given by calling the runner's handler.

#include <QTimer>

#include "player/bar/PlaylistRunner.h"
#include "ticker/TQxScroller.h"
#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

class RunnerOnTheBar : public BarFixture {
 protected:
  RunnerOnTheBar() {
    news = provider("Town News",
                    "[Sponsor Options]\r\nCaption Text=News\r\nStreaming Ad Text=Adstream.txt\r\n");
    file("Town News/Adstream.txt", "Fresh fish at the harbour|\r\n");
    file("Town News/Beach/Slideshow.ini", "[Slideshow]\r\n");
    file("Town News/Shop/Thumbnail.ini", "[Thumbnails]\r\n");
    file("Town News/intro.avi");
    sports = provider("Sports Club", "[Sponsor Options]\r\nCaption Text=Sports\r\n");
    file("Sports Club/Cup/Slideshow.ini", "[Slideshow]\r\n");
    file("Sports Club/Playlist.ini", "[Playlist]\r\n1=Slideshow Cup|00:20\r\n2=intro.avi\r\n");
    setActiveSubscriber("Town News");
  }
  void playlist(const std::string& ini) { file("Town News/Playlist.ini", ini); }

  TFmMain& startBar() {
    bar = std::make_unique<TFmMain>(platform.platform(), QStringList{QString::fromStdString("Path=" + presentation)});
    runner = std::make_unique<PlaylistRunner>(*bar, &peers.video);
    BarPeers ports = peers.ports();
    ports.playlist = runner.get();
    bar->setPeers(ports);
    EXPECT_TRUE(bar->FormCreate());
    bar->show();
    return *bar;
  }
  bool controlsShown() const {
    return !bar->BtnStopPlaylist->isHidden() && !bar->BtnFFPlaylist->isHidden() && bar->BtnStartPlayList->isHidden();
  }
  bool streamingAdShown() const { return !bar->SubTicker->isHidden() && bar->TimerStreamingAd->isActive(); }
  // The channel entry of the subscriber menu with this name.
  QAction* entry(const QString& name) {
    for (QAction* e : bar->ChannelEntries())
      if (e->toolTip() == name) return e;
    return nullptr;
  }

  std::unique_ptr<PlaylistRunner> runner;
  std::string news, sports;
};

TEST_F(RunnerOnTheBar, ThePlayButtonRunsTheSlideshowForItsTimeAndStopBringsBackTheStreamingAd) {
  playlist("[Playlist]\r\n1=Slideshow Beach|00:30\r\n2=Thumbnail Shop|01:00\r\n");
  TFmMain& b = startBar();
  ASSERT_TRUE(streamingAdShown());
  b.BtnStartPlayList->click();
  EXPECT_TRUE(controlsShown());
  EXPECT_TRUE(b.SubTicker->isHidden());
  EXPECT_FALSE(b.TimerStreamingAd->isActive());
  EXPECT_TRUE(peers.slideshow.visible);
  EXPECT_EQ(b.TimerPlayList->interval(), 30000);
  EXPECT_TRUE(b.TimerPlayList->isActive());

  b.BtnStopPlaylist->click();
  EXPECT_FALSE(peers.slideshow.visible);
  EXPECT_FALSE(b.TimerPlayList->isActive());
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());
  EXPECT_TRUE(b.BtnStopPlaylist->isHidden());
  EXPECT_TRUE(streamingAdShown());
}

TEST_F(RunnerOnTheBar, TheTimedWindowClosesAndTheNextItemOpensAtTheTick) {
  playlist("[Playlist]\r\n1=Slideshow Beach|00:30\r\n2=Thumbnail Shop|01:00\r\n");
  TFmMain& b = startBar();
  b.BtnStartPlayList->click();
  runner->TimerPlayListTimer();
  EXPECT_FALSE(peers.slideshow.visible);
  EXPECT_TRUE(peers.thumbnails.visible);
  EXPECT_EQ(b.TimerPlayList->interval(), 60000);
  runner->TimerPlayListTimer();
  EXPECT_FALSE(peers.thumbnails.visible);
  EXPECT_FALSE(b.TimerPlayList->isActive());
  EXPECT_TRUE(controlsShown());  // until Stop
}

TEST_F(RunnerOnTheBar, ASwitchFromTheMenuStopsTheRunningPlaylist) {
  playlist("[Playlist]\r\n1=Slideshow Beach|00:30\r\n2=Thumbnail Shop|01:00\r\n");
  TFmMain& b = startBar();
  b.BtnStartPlayList->click();
  ASSERT_TRUE(b.TimerPlayList->isActive());

  b.MChChangeSubscriberClick(SwitchSender::ChannelEntry, entry("Sports Club"));
  EXPECT_EQ(b.SubscriberFolder, sports);
  EXPECT_FALSE(b.TimerPlayList->isActive());
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());  // Sports Club has a playlist of its own
  EXPECT_TRUE(b.BtnStopPlaylist->isHidden());
  // A stray tick starts nothing of the new channel's list.
  peers.slideshow.calls.clear();
  runner->TimerPlayListTimer();
  EXPECT_TRUE(peers.slideshow.calls.isEmpty());
  EXPECT_EQ(runner->run().currentIndex(), 0);
}

TEST_F(RunnerOnTheBar, AChannelLinkInThePlaylistStartsTheNewChannelsListFromItsFirstItem) {
  playlist("[Playlist]\r\n1=intro.avi\r\n2=Subscriber Sports Club\r\n");
  TFmMain& b = startBar();
  b.BtnStartPlayList->click();
  runner->TimerPlayListTimer();  // the channel link
  EXPECT_EQ(b.SubscriberFolder, sports);
  EXPECT_EQ(runner->run().currentIndex(), 0);
  EXPECT_TRUE(peers.slideshow.visible);  // Slideshow Cup
  EXPECT_EQ(peers.slideshow.folder, sports + "Cup");
  EXPECT_EQ(b.TimerPlayList->interval(), 20000);
  EXPECT_TRUE(b.TimerPlayList->isActive());
  EXPECT_TRUE(controlsShown());
}

TEST_F(RunnerOnTheBar, PlayAppliesTheItemsOptionsToTheBarAndHandsTheMediaFileToTheVideoWindow) {
  playlist(
      "[Playlist]\r\n1=intro.avi\r\n2=clip.mp4\r\n"
      "[Playlist Options]\r\n1=Ticker Off,Media Controls FF Disabled,intro.txt\r\n");
  TFmMain& b = startBar();
  b.BtnMuteClick();  // sound off
  b.BtnStartPlayList->click();
  b.BtnPlayPlaylist->click();
  EXPECT_FALSE(b.isVisible());
  EXPECT_EQ(b.BtnFFPlaylist->toolTip(), "Fast Forward Disabled During Sponsor Segment");
  EXPECT_EQ(peers.video.calls, QStringList{"start intro.avi"});
  EXPECT_EQ(peers.video.request.syncFileName, "intro.txt");
  EXPECT_EQ(peers.video.request.subscriberFolder, news);
  EXPECT_FALSE(peers.video.request.soundOn);
  b.BtnFFPlaylist->click();  // refused
  EXPECT_EQ(peers.video.calls, QStringList{"start intro.avi"});

  runner->TimerPlayListTimer();  // clip.mp4, without options
  b.BtnPlayPlaylist->click();
  EXPECT_TRUE(b.isVisible());
  EXPECT_EQ(b.BtnFFPlaylist->toolTip(), "Fast Forward");
  b.BtnFFPlaylist->click();
  b.BtnRewindPlaylist->click();
  b.BtnPausePlaylist->click();
  EXPECT_EQ(peers.video.calls, (QStringList{"start intro.avi", "restart", "double rate", "back 10 s", "pause"}));

  b.BtnStopPlaylist->click();
  EXPECT_FALSE(peers.video.visible);
  EXPECT_TRUE(b.isVisible());
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());
}

TEST_F(RunnerOnTheBar, PlayOnASetItemOpensItAgainInsteadOfTheVideoWindow) {
  playlist("[Playlist]\r\n1=Thumbnail Shop|01:00\r\n[Playlist Options]\r\n1=Ticker Off,Media Controls On,\r\n");
  TFmMain& b = startBar();
  b.BtnStartPlayList->click();
  peers.thumbnails.close();
  peers.thumbnails.calls.clear();
  b.BtnPlayPlaylist->click();
  EXPECT_TRUE(peers.thumbnails.visible);
  EXPECT_TRUE(peers.video.calls.isEmpty());
  EXPECT_TRUE(b.isVisible());
  EXPECT_EQ(b.PlaylistOpenWindow(), PlaylistWindow::Thumbnails);
}

TEST_F(RunnerOnTheBar, WhileTheSlideshowShowsPauseAndPlayGoToIt) {
  playlist("[Playlist]\r\n1=Slideshow Beach|00:30\r\n");
  TFmMain& b = startBar();
  b.BtnStartPlayList->click();
  peers.slideshow.calls.clear();
  b.BtnPausePlaylist->click();
  b.BtnPlayPlaylist->click();
  EXPECT_EQ(peers.slideshow.calls, (QStringList{"pause", "resume cycle"}));
  EXPECT_TRUE(peers.video.calls.isEmpty());
}

TEST_F(RunnerOnTheBar, WithoutPlaylistTheStartButtonStaysHidden) {
  TFmMain& b = startBar();
  EXPECT_TRUE(b.BtnStartPlayList->isHidden());
  runner->start();
  EXPECT_TRUE(b.BtnStartPlayList->isHidden());
  EXPECT_TRUE(b.BtnStopPlaylist->isHidden());
}

}  // namespace
}  // namespace tavo::player::test
