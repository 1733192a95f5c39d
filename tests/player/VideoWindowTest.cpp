// The video window on media the project makes itself (scripts/make-test-media.sh):
// sizing to the picture, MP3 without the picture area, sound off, back 10
// seconds, double rate, a file that cannot be played, and a due "http" line
// reaching the bar's question prompt and its link. Playback is asynchronous:
// the tests wait for the player's own events, with a time limit.

#include <gtest/gtest.h>

#include <QAudioOutput>
#include <QGuiApplication>
#include <QMediaPlayer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVideoWidget>
#include <functional>

#include "player/bar/PlaylistRunner.h"
#include "player/video/TFmVideoPlayerSmall.h"
#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

constexpr int kWaitMs = 15000;

bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kWaitMs); }

// The generated media, made once in the build folder and kept there.
class Media {
 public:
  static const std::string& folder() {
    static Media media;
    return media.folder_;
  }
  static bool available() { return !folder().empty(); }

 private:
  Media() {
    const std::string out = std::string(QT_TESTCASE_BUILDDIR) + "/test-media/";
    QProcess make;
    make.start("bash", {QString(QT_TESTCASE_SOURCEDIR) + "/../../scripts/make-test-media.sh",
                        QString::fromStdString(out), "8", "320x240"});
    if (make.waitForFinished(120000) && make.exitStatus() == QProcess::NormalExit && make.exitCode() == 0)
      folder_ = out;
  }
  std::string folder_;
};

class VideoWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!Media::available()) GTEST_SKIP() << "no test media (ffmpeg missing?)";
    window.setMainWindow([this](BarMessage m) {
      notices.push_back(m);
      return 0;
    });
  }
  // Starts a file of the media folder and waits until it has opened.
  void play(const std::string& file, bool sound = true, const std::string& sync = {}) {
    window.startItem({file, sync, Media::folder(), sound});
    ASSERT_TRUE(waitFor([&] { return window.Opened; })) << file;
  }

  TFmVideoPlayerSmall window;
  std::vector<BarMessage> notices;
};

TEST_F(VideoWindow, SizesItselfToTheVideoAndCentresOnTheScreen) {
  EXPECT_FALSE(window.player());  // nothing of the media back end before the first start
  play("clip.webm");
  EXPECT_EQ(window.windowTitle(), "Tavo Player");
  EXPECT_TRUE(window.FurtherDisplay);
  ASSERT_TRUE(window.videoArea());
  EXPECT_EQ(window.videoArea()->size(), QSize(320, 240));
  const QRect screen = window.screen()->availableGeometry();
  const QPoint centre = window.frameGeometry().center();
  EXPECT_LE(std::abs(centre.x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(centre.y() - screen.center().y()), 1);
  EXPECT_TRUE(waitFor([&] { return window.player()->playbackState() == QMediaPlayer::PlayingState; }));
  EXPECT_GE(window.firstFrameMs(), 0);
}

TEST_F(VideoWindow, AnMp3PlaysWithoutThePictureAreaInAWindowShrunkToItsControls) {
  play("tone.mp3");
  EXPECT_FALSE(window.FurtherDisplay);
  EXPECT_TRUE(window.videoArea()->isHidden());
  EXPECT_LT(window.height(), TFmVideoPlayerSmall::kDesignSize.height());
  EXPECT_TRUE(waitFor([&] { return window.player()->position() > 0; }));
}

TEST_F(VideoWindow, WithTheBarsSoundOffItPlaysSilently) {
  play("clip.mp4", false);
  EXPECT_TRUE(window.audioOutput()->isMuted());
  EXPECT_EQ(window.audioOutput()->volume(), 0.0f);
  play("clip.mp4", true);
  EXPECT_FALSE(window.audioOutput()->isMuted());
  EXPECT_EQ(window.audioOutput()->volume(), 1.0f);
}

TEST_F(VideoWindow, BackTenSecondsAtSixSecondsGoesToTheStartAndFastForwardSetsRateTwo) {
  play("clip.webm");
  window.doubleRate();
  window.doubleRate();
  EXPECT_EQ(window.player()->playbackRate(), 2.0);
  window.restart();
  QMediaPlayer* p = window.player();
  EXPECT_EQ(p->playbackRate(), 1.0);
  p->setPosition(6000);
  ASSERT_TRUE(waitFor([&] { return p->position() >= 5900; })) << p->position();
  ASSERT_LT(p->position(), 7000);
  window.backTenSeconds();
  EXPECT_TRUE(waitFor([&] { return p->position() < 1000; })) << p->position();
}

TEST_F(VideoWindow, AFileThatCannotBePlayedLeavesTheDesignSizeAndPlaysNothing) {
  tavo::test::TempFolder t;
  t.write("broken.mp4", std::string(4096, '\x5a'));
  bool failed = false;
  QObject::connect(&window, &TFmVideoPlayerSmall::failed, [&] { failed = true; });
  window.startItem({"broken.mp4", "", t.path(), true});
  EXPECT_TRUE(waitFor([&] { return failed; }));
  EXPECT_FALSE(window.Opened);
  EXPECT_EQ(window.size(), TFmVideoPlayerSmall::kDesignSize);
  EXPECT_NE(window.player()->playbackState(), QMediaPlayer::PlayingState);

  failed = false;
  window.startItem({"missing.avi", "", t.path(), true});
  EXPECT_TRUE(failed);  // at once: there is nothing to open
  EXPECT_EQ(window.size(), TFmVideoPlayerSmall::kDesignSize);
}

TEST_F(VideoWindow, ClosingByItsCloseBoxTellsTheBarOnlyWhenItWasActivated) {
  play("tone.wav");
  bool closed = false;
  QObject::connect(&window, &TFmVideoPlayerSmall::closed, [&] { closed = true; });
  window.Activated = true;
  window.close();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(window.Playing);
  EXPECT_EQ(notices, std::vector<BarMessage>{BarMessage::VideoNotice102});
  EXPECT_NE(window.player()->playbackState(), QMediaPlayer::PlayingState);

  notices.clear();
  play("tone.wav");
  window.Activated = true;
  window.closeVideo();  // the runner's close sends nothing
  EXPECT_TRUE(notices.empty());
}

// The bar with the real runner and video window, on a channel whose playlist
// holds the generated clip with a synchronized text file.
class VideoOnTheBar : public BarFixture {
 protected:
  void SetUp() override {
    if (!Media::available()) GTEST_SKIP() << "no test media (ffmpeg missing?)";
    news = provider("Town News", "[Sponsor Options]\r\nCaption Text=News\r\n");
    for (const char* f : {"clip.webm", "tone.mp3"})
      QFile::copy(QString::fromStdString(Media::folder() + f), QString::fromStdString(news + f));
    file("Town News/Playlist.ini",
         "[Playlist]\r\n1=clip.webm\r\n[Playlist Options]\r\n1=Ticker Off,Media Controls On,clip.txt\r\n");
    file("Town News/clip.txt", "00:00|Welcome aboard||\r\n00:01|http://example.org/offer|See the offer?|\r\n");
    bar = std::make_unique<TFmMain>(platform.platform(), QStringList{QString::fromStdString("Path=" + presentation)});
    window.setMainWindow([this](BarMessage m) { return bar->BarMessageReceived(m); });
    runner = std::make_unique<PlaylistRunner>(*bar, &window);
    QObject::connect(&window, &TFmVideoPlayerSmall::closed, runner.get(), &PlaylistRunner::videoClosed);
    BarPeers ports = peers.ports();
    ports.playlist = runner.get();
    ports.video = &window;
    bar->setPeers(ports);
    ASSERT_TRUE(bar->FormCreate());
    bar->show();
  }
  void TearDown() override {
    runner.reset();
  }

  std::string news;
  TFmVideoPlayerSmall window;
  std::unique_ptr<PlaylistRunner> runner;
};

TEST_F(VideoOnTheBar, ADueHttpLineShowsTheQuestionAndYesOpensItThroughTheBar) {
  bar->BtnStartPlayList->click();
  bar->BtnPlayPlaylist->click();
  ASSERT_TRUE(waitFor([&] { return window.Opened; }));
  EXPECT_FALSE(bar->isVisible());  // Ticker Off
  ASSERT_TRUE(waitFor([&] { return window.Panel1->isVisible(); }));
  EXPECT_EQ(window.LbQuestion->text(), "See the offer?");
  EXPECT_TRUE(bar->TimerQuestionPrompt->isActive());
  const QPoint at = window.mapFromGlobal(window.Panel1->pos());
  EXPECT_NEAR(at.x(), (window.width() - window.Panel1->width()) / 2, 1);
  EXPECT_NEAR(at.y(), (window.height() - window.Panel1->height()) / 2 - 20, 1);

  window.BtnYes->click();
  EXPECT_FALSE(window.Panel1->isVisible());
  ASSERT_FALSE(platform.shell.opened.isEmpty());
  EXPECT_EQ(platform.shell.opened.back(), "http://example.org/offer");
}

TEST_F(VideoOnTheBar, ClosingTheVideoWindowByItsCloseBoxBringsTheHiddenBarBack) {
  bar->BtnStartPlayList->click();
  bar->BtnPlayPlaylist->click();
  ASSERT_FALSE(bar->isVisible());
  window.close();  // the close box
  EXPECT_TRUE(bar->isVisible());
  EXPECT_FALSE(runner->run().videoMode());
  bar->BtnFFPlaylist->click();  // outside video mode: ends the run, nothing else
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tavo::player::test
