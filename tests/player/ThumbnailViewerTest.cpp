// The thumbnail viewer on sets made here, with a recording bar and sound.

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "player/bar/BarMessageEvent.h"
#include "player/slideshow/PictureView.h"
#include "player/thumbnails/TFmThumbViewer.h"
#include "tests/player/PictureWindowFixture.h"

namespace tavo::player::pictures::test {
namespace {

// Stands for the bar: keeps the notices it receives.
class NoticeReceiver : public QWidget {
 public:
  bool event(QEvent* e) override {
    if (e->type() == BarMessageEvent::eventType()) {
      notices.push_back(static_cast<BarMessageEvent*>(e)->message);
      return true;
    }
    return QWidget::event(e);
  }
  std::vector<BarMessage> notices;
};

class ThumbViewer : public PictureWindowTest {
 protected:
  // A set of `n` pictures with captions "Caption i" and links "link i".
  std::string makeSet(const std::string& name, int n, const std::string& options = "Cycle Interval=00:07\r\n") {
    std::string ini = "[Thumbnail Options]\r\nTitle Caption=Harbour in Pictures\r\n" + options + "[Images]\r\n";
    for (int i = 1; i <= n; ++i) {
      const std::string pic = "t" + std::to_string(i) + ".jpg";
      file(name + "/" + pic, pictureBytes(800, 600, QColor::fromHsv(i * 25 % 360, 200, 200)));
      ini += "Image" + std::to_string(i) + "=" + pic + "|Caption " + std::to_string(i) + "|link " +
             std::to_string(i) + "\r\n";
    }
    file(name + "/Thumbnail.ini", ini);
    return setFolder(name);
  }
  void openSet(const std::string& folder) {
    w.port().setMainWindow(&bar);
    w.port().setGeometry({0, 50, 1920, 990});
    w.port().setFolder(folder);
    w.port().show();
    w.loader().waitForDone();
  }
  QString number() const { return w.top.LbImageNum->text(); }
  // The captions on view.
  QStringList captions() const {
    QStringList out;
    for (QLabel* c : w.LbThumbCaption)
      if (!c->isHidden()) out << c->text();
    return out;
  }
  void click(QWidget* target) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
  }

  NoticeReceiver bar;
  TFmThumbViewer w{platform.platform(), host, sound};
};

TEST_F(ThumbViewer, EightPicturesMakeTwoScreensAndTwoMenuEntries) {
  openSet(makeSet("Eight", 8));
  EXPECT_EQ(w.LbTitle->text(), "Harbour in Pictures");
  EXPECT_EQ(number(), "Images 1-6 of 8");
  EXPECT_EQ(captions(), (QStringList{"Caption 1", "Caption 2", "Caption 3", "Caption 4", "Caption 5", "Caption 6"}));
  EXPECT_EQ(w.LbThumbCaption[0]->toolTip(), "link 1");
  ASSERT_EQ(w.PMnImages->actions().size(), 2);
  EXPECT_EQ(w.PMnImages->actions()[0]->text(), "Images 1 - 6");
  EXPECT_EQ(w.PMnImages->actions()[1]->text(), "Images 7 - 8");
  EXPECT_EQ(w.CycleTimer->interval(), 7000);

  w.CycleTimerTimer();
  EXPECT_EQ(number(), "Images 7-8 of 8");
  EXPECT_EQ(captions(), (QStringList{"Caption 7", "Caption 8"}));
  for (int i = 2; i < kThumbsPerScreen; ++i) EXPECT_TRUE(w.PnThumb[i]->isHidden()) << i;
  w.BtnNextClick();  // from the last screen to the first
  EXPECT_EQ(number(), "Images 1-6 of 8");
  w.BtnPrevClick();
  EXPECT_EQ(number(), "Images 7-8 of 8");
  w.PMnImages->actions()[0]->trigger();
  EXPECT_EQ(number(), "Images 1-6 of 8");
}

TEST_F(ThumbViewer, ThumbnailsAreDecodedAtTheirShownSizeInTheGrid) {
  openSet(makeSet("Four", 4));
  const ThumbGrid g = thumbGrid(1920, 990);
  for (int i = 0; i < 4; ++i) {
    const Rect& p = g.panels[i];
    EXPECT_EQ(w.PnThumb[i]->geometry(), QRect(p.left, p.top, p.width, p.height)) << i;
    const DecodedPicture& d = w.ImgThumb[i]->picture();
    ASSERT_TRUE(d.readable()) << i;
    // 800 x 600 shrunk into the picture area with its proportions.
    EXPECT_EQ(d.image.height(), g.pictureHeight) << i;
    EXPECT_EQ(d.image.width(), (800 * g.pictureHeight + 300) / 600) << i;
  }
  EXPECT_EQ(w.PMnImages->actions().size(), 1);
  w.BtnNextClick();
  EXPECT_EQ(number(), "Images 1-4 of 4");
  w.BtnPrevClick();
  EXPECT_EQ(number(), "Images 1-4 of 4");
}

TEST_F(ThumbViewer, TheBigViewStepsThroughAllPicturesAndReturnsToTheirScreen) {
  settings().setThumbDisplayMethod(2);
  openSet(makeSet("Twelve", 12));
  w.BtnPrevClick();  // previous from the first screen: pictures 7 to 12
  ASSERT_EQ(number(), "Images 7-12 of 12");

  click(w.ImgThumb[0]);  // the 7th picture
  w.loader().waitForDone();
  EXPECT_TRUE(w.bigView());
  EXPECT_EQ(number(), "Image 7 of 12");
  EXPECT_EQ(w.top.BtnPrev->toolTip(), "Previous Image");
  EXPECT_EQ(w.top.BtnNext->toolTip(), "Next Image");
  for (QFrame* p : w.PnThumb) EXPECT_TRUE(p->isHidden());
  EXPECT_TRUE(host.panelShown);
  EXPECT_EQ(host.panelText, "Caption 7");
  EXPECT_EQ(host.panelHotlink, "link 7");
  // Proportional: 800 x 600 into 1920 x 970.
  EXPECT_EQ(w.ImageBig->picture().image.size(), QSize(1293, 970));

  for (int i = 0; i < 5; ++i) w.CycleTimerTimer();
  EXPECT_EQ(number(), "Image 12 of 12");
  w.BtnNextClick();
  EXPECT_EQ(number(), "Image 1 of 12");
  w.BtnPrevClick();
  w.BtnPrevClick();
  EXPECT_EQ(number(), "Image 11 of 12");
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();  // the 6th: back on the first screen
  click(w.ImageBig);
  EXPECT_FALSE(w.bigView());
  EXPECT_EQ(number(), "Images 1-6 of 12");
  EXPECT_EQ(w.top.BtnNext->toolTip(), "Next Screen");
  EXPECT_FALSE(host.panelShown);

  click(w.ImgThumb[0]);
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();
  w.BtnNextClick();  // the 7th
  click(w.ImageBig);
  EXPECT_EQ(number(), "Images 7-12 of 12");
}

TEST_F(ThumbViewer, ACaptionClickPausesBeforeTheLinkIsExecuted) {
  openSet(makeSet("Eight", 8));
  bool timerWhenExecuted = true, pausedWhenExecuted = false;
  host.onLink = [&] {
    timerWhenExecuted = w.CycleTimer->isActive();
    pausedWhenExecuted = !w.top.LbPaused->isHidden();
  };
  click(w.LbThumbCaption[2]);
  EXPECT_EQ(host.calls.last(), "link link 3 in Eight");
  EXPECT_FALSE(timerWhenExecuted);
  EXPECT_TRUE(pausedWhenExecuted);
  EXPECT_FALSE(w.top.BtnPlay->isHidden());
  EXPECT_EQ(w.LbThumbCaption[2]->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ThumbViewer, MinimizingStopsTheViewerUntilPauseAndPlay) {
  openSet(makeSet("Eight", 8));
  w.top.BtnMinimize->click();
  EXPECT_FALSE(w.CycleTimer->isActive());
  w.showNormal();
  EXPECT_FALSE(w.CycleTimer->isActive());
  w.top.BtnPause->click();
  w.top.BtnPlay->click();
  EXPECT_TRUE(w.CycleTimer->isActive());
}

TEST_F(ThumbViewer, TheSoundRepeatsWhileOpenAndNotPaused) {
  file("Tunes/loop.wav", "RIFF");
  openSet(makeSet("Tunes", 3, "Audio File=loop.wav\r\n"));
  EXPECT_EQ(w.CycleTimer->interval(), 15000);  // no cycle interval in the file
  sound.end();
  sound.end();
  w.BtnPauseClick();
  sound.end();
  w.BtnPlayClick();
  sound.end();
  EXPECT_EQ(sound.calls, (QStringList{"open loop.wav", "play", "play", "play", "pause", "resume", "play"}));
}

TEST_F(ThumbViewer, ClosingClearsThePanelBringsTheTickerBackAndTellsTheBar) {
  file("Tunes/loop.wav", "RIFF");
  openSet(makeSet("Tunes", 3, "Audio File=loop.wav\r\n"));
  click(w.ImgThumb[1]);
  ASSERT_EQ(host.panelText, "Caption 2");
  w.top.BtnClose->click();
  EXPECT_FALSE(w.open());
  EXPECT_FALSE(w.CycleTimer->isActive());
  EXPECT_EQ(host.panelText, "");
  EXPECT_EQ(host.panelHotlink, "");
  EXPECT_FALSE(host.panelShown);
  EXPECT_EQ(sound.calls.last(), "close");
  EXPECT_EQ(bar.notices, std::vector<BarMessage>{BarMessage::ThumbnailViewerClosed});

  // Shown again: the first screen, thumbnails, not the big view.
  openSet(setFolder("Tunes"));
  EXPECT_FALSE(w.bigView());
  EXPECT_EQ(number(), "Images 1-3 of 3");
  EXPECT_EQ(captions().size(), 3);
}

TEST_F(ThumbViewer, ASetWithoutPicturesShowsItsNameAndNothingHarmful) {
  file("Empty/Thumbnail.ini", "[Thumbnail Options]\r\nCycle Interval=xx\r\n");
  openSet(setFolder("Empty"));
  EXPECT_EQ(w.LbTitle->text(), "Empty");
  EXPECT_EQ(number(), "Image 0 of 0");
  EXPECT_TRUE(captions().isEmpty());
  EXPECT_TRUE(w.PMnImages->actions().isEmpty());
  w.BtnNextClick();
  w.BtnPrevClick();
  w.CycleTimerTimer();
  w.ImgThumb1Click(0);
  w.LbThumbCaption1Click(0);
  w.MChPickThumbnailClick(0);
  EXPECT_EQ(number(), "Image 0 of 0");
  EXPECT_FALSE(w.bigView());
  EXPECT_EQ(host.calls.filter("link").size(), 0);
}

}  // namespace
}  // namespace tavo::player::pictures::test
