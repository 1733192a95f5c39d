// The slideshow window on sets made here, with a recording bar and sound.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "player/slideshow/PictureView.h"
#include "player/slideshow/TFmSlideshow.h"
#include "tests/player/PictureWindowFixture.h"

namespace tavo::player::pictures::test {
namespace {

class Slideshow : public PictureWindowTest {
 protected:
  // A set of `n` pictures "p1.jpg" .. with captions "Picture 1" ..; `sync` is
  // the synchronized text file's content, `options` extra option lines.
  std::string makeSet(const std::string& name, int n, const std::string& sync = {},
                      const std::string& options = {}) {
    std::string ini = "[Slideshow Options]\r\nFilename=SyncEzy.txt\r\nCycle Interval=00:05\r\n" + options + "[Images]\r\n";
    for (int i = 1; i <= n; ++i) {
      const std::string pic = "p" + std::to_string(i) + ".jpg";
      file(name + "/" + pic, pictureBytes(64, 48, QColor::fromHsv(i * 30 % 360, 200, 200)));
      ini += "Image" + std::to_string(i) + "=" + pic + "|Picture " + std::to_string(i) + "\r\n";
    }
    file(name + "/Slideshow.ini", ini);
    if (!sync.empty()) file(name + "/SyncEzy.txt", sync);
    return setFolder(name);
  }
  TFmSlideshow& openSet(const std::string& folder) {
    w.port().setGeometry({0, 50, 1920, 1030});
    w.port().setFolder(folder);
    w.port().show();
    w.loader().waitForDone();
    return w;
  }
  QString number() const { return w.top.LbImageNum->text(); }

  TFmSlideshow w{platform.platform(), host, sound};
};

TEST_F(Slideshow, StepsWrapAroundAndTheMenuJumpsWithoutRestartingTheCycle) {
  openSet(makeSet("One", 1));
  EXPECT_EQ(number(), "Image 1 of 1");
  w.BtnNextClick();
  EXPECT_EQ(number(), "Image 1 of 1");
  w.BtnPrevClick();
  EXPECT_EQ(number(), "Image 1 of 1");
  EXPECT_EQ(w.top.PnTop->text(), "Picture 1");

  openSet(makeSet("Eight", 8));
  ASSERT_EQ(w.PMnImages->actions().size(), 8);
  EXPECT_EQ(w.PMnImages->actions()[4]->text(), "   5    &Picture 5");
  w.BtnPrevClick();
  EXPECT_EQ(number(), "Image 8 of 8");
  w.BtnNextClick();
  EXPECT_EQ(number(), "Image 1 of 8");

  w.PMnImages->actions()[4]->trigger();
  EXPECT_EQ(number(), "Image 5 of 8");
  EXPECT_EQ(w.top.PnTop->text(), "Picture 5");
  w.PMnImagesPopup();
  for (QAction* e : w.PMnImages->actions()) EXPECT_EQ(e->isChecked(), e == w.PMnImages->actions()[4]) << e->text().toStdString();
  EXPECT_TRUE(w.TimerSlideShow->isActive());
  EXPECT_EQ(w.TimerSlideShow->interval(), 5000);
  w.TimerSlideShowTimer();
  EXPECT_EQ(number(), "Image 6 of 8");
}

TEST_F(Slideshow, EveryShowingRereadsTheSetAndStartsAtTheFirstPicture) {
  const std::string folder = makeSet("Eight", 8);
  openSet(folder);
  w.BtnNextClick();
  w.BtnNextClick();
  w.port().close();
  makeSet("Eight", 3);  // the author changed the set meanwhile
  openSet(folder);
  EXPECT_EQ(number(), "Image 1 of 3");
  EXPECT_EQ(w.PMnImages->actions().size(), 3);
}

TEST_F(Slideshow, SynchronizedLinesGoToTheTickerPanelAndClosingBringsTheTickerBack) {
  // Two lines for four pictures: pictures 3 and 4 have no text.
  openSet(makeSet("Harbour", 4, "Boats at dawn|Slideshow Night\r\nThe old pier|\r\n"));
  EXPECT_EQ(host.calls, QStringList{"panel"});
  EXPECT_TRUE(host.panelShown);
  EXPECT_EQ(host.panelText, "Boats at dawn");
  EXPECT_EQ(host.panelHotlink, "Slideshow Night");
  EXPECT_EQ(w.Image1->toolTip(), "Slideshow Night");
  w.BtnNextClick();
  EXPECT_EQ(host.panelText, "The old pier");
  EXPECT_EQ(host.panelHotlink, "");
  w.BtnNextClick();
  EXPECT_EQ(host.panelText, "");

  w.top.BtnClose->click();
  EXPECT_FALSE(w.open());
  EXPECT_FALSE(w.TimerSlideShow->isActive());
  EXPECT_EQ(host.calls, (QStringList{"panel", "ticker"}));
  EXPECT_FALSE(host.panelShown);
}

TEST_F(Slideshow, PauseStopsPicturesAndSoundAndShowsTheLabelLeftOfTheButton) {
  file("Sounds/tune.wav", "RIFF");
  openSet(makeSet("Sounds", 3, {}, "Audio File=tune.wav\r\n"));
  EXPECT_EQ(sound.calls, (QStringList{"open tune.wav", "play"}));
  const int pauseLeft = w.top.BtnPause->x();

  w.top.BtnPause->click();
  EXPECT_FALSE(w.TimerSlideShow->isActive());
  EXPECT_TRUE(w.top.BtnPause->isHidden());
  EXPECT_FALSE(w.top.BtnPlay->isHidden());
  EXPECT_FALSE(w.top.LbPaused->isHidden());
  EXPECT_EQ(w.top.LbPaused->text(), "(Paused)");
  EXPECT_EQ(w.top.LbPaused->x() + w.top.LbPaused->width(), pauseLeft - 4);
  EXPECT_EQ(w.top.BtnPlay->x(), pauseLeft);
  EXPECT_EQ(sound.calls.last(), "pause");

  w.top.BtnPlay->click();
  EXPECT_TRUE(w.TimerSlideShow->isActive());
  EXPECT_TRUE(w.top.LbPaused->isHidden());
  EXPECT_FALSE(w.top.BtnPause->isHidden());
  EXPECT_EQ(sound.calls.last(), "resume");
}

TEST_F(Slideshow, TheSoundIsHeardTwiceAndASetWithoutSoundIsSilent) {
  file("Sounds/tune.wav", "RIFF");
  openSet(makeSet("Sounds", 3, {}, "Audio File=tune.wav\r\n"));
  sound.end();
  sound.end();
  EXPECT_EQ(sound.calls, (QStringList{"open tune.wav", "play", "play"}));
  w.port().close();
  EXPECT_EQ(sound.calls.last(), "close");

  sound.calls.clear();
  openSet(makeSet("Quiet", 3));
  sound.end();  // a late report of the old sound
  w.port().close();
  EXPECT_TRUE(sound.calls.isEmpty()) << sound.calls.join(", ").toStdString();

  // A sound file that is named but missing, or that leaves the presentation, is silent too.
  openSet(makeSet("Missing", 2, {}, "Audio File=gone.wav\r\n"));
  openSet(makeSet("Outside", 2, {}, "Audio File=..\\..\\..\\tune.wav\r\n"));
  EXPECT_TRUE(sound.calls.isEmpty()) << sound.calls.join(", ").toStdString();
}

TEST_F(Slideshow, PicturesAreDecodedForTheirAreaByTheDisplayMethod) {
  file("Big/wide.png", pictureBytes(3000, 1000, Qt::red, "PNG"));
  file("Big/Slideshow.ini", "[Images]\r\nImage1=wide.png|Wide\r\n");
  const Size area{1920, 1030 - kTopBarHeight};
  struct Case {
    int method;
    Size decoded;
    Rect target;
  } cases[] = {
      {1, {1920, 1000}, {0, 5, 1920, 1000}},     // own size: the middle of the picture
      {2, {1920, 640}, {0, 185, 1920, 640}},     // proportional
      {3, {1920, 1010}, {0, 0, 1920, 1010}},     // stretched (the default)
      {7, {1920, 1000}, {0, 5, 1920, 1000}},     // anything else: own size
  };
  for (const Case& c : cases) {
    settings().setSlideDisplayMethod(c.method);
    openSet(setFolder("Big"));
    const DecodedPicture& d = w.Image1->picture();
    ASSERT_TRUE(d.readable()) << c.method;
    EXPECT_EQ(w.Image1->area(), area);
    EXPECT_EQ((Size{d.image.width(), d.image.height()}), c.decoded) << c.method;
    EXPECT_EQ(d.target, c.target) << c.method;
    w.port().close();
  }
}

TEST_F(Slideshow, TheNextPictureIsDecodedAheadSoATickOnlySwapsIt) {
  openSet(makeSet("Eight", 8));
  const QImage first = w.Image1->picture().image;
  ASSERT_FALSE(first.isNull());
  w.TimerSlideShowTimer();
  // No wait for the decoder: the picture on screen is already the second one.
  const QImage second = w.Image1->picture().image;
  ASSERT_FALSE(second.isNull());
  EXPECT_NE(second.pixel(10, 10), first.pixel(10, 10));
  // A jump through the menu decodes on demand; the old picture stays until it is ready.
  w.MChPickImageClick(5);
  EXPECT_EQ(w.Image1->picture().image.pixel(10, 10), second.pixel(10, 10));
  w.loader().waitForDone();
  EXPECT_NE(w.Image1->picture().image.pixel(10, 10), second.pixel(10, 10));
}

TEST_F(Slideshow, UnreadableAndHostilePicturesShowTheirNameAndTheShowGoesOn) {
  file("Odd/notes.jpg", "this is a text file");
  file("Odd/Slideshow.ini",
       "[Images]\r\nImage1=missing.jpg|Missing\r\nImage2=notes.jpg|Text\r\nImage3=..\\..\\..\\..\\etc\\passwd|Out\r\n");
  openSet(setFolder("Odd"));
  for (const char* name : {"missing.jpg", "notes.jpg", "..\\..\\..\\..\\etc\\passwd"}) {
    EXPECT_FALSE(w.Image1->picture().readable()) << name;
    EXPECT_EQ(w.Image1->picture().unreadableName, name);
    w.TimerSlideShowTimer();
    w.loader().waitForDone();
  }
  EXPECT_EQ(number(), "Image 1 of 3");
  w.Image1->grab();  // paints the name without trouble
}

TEST_F(Slideshow, ASetWithoutPicturesShowsItsNameAndZeroOfZero) {
  file("Empty/Slideshow.ini", "[Slideshow Options]\r\nCycle Interval=  :  \r\n[Images]\r\nImage1=\r\n");
  openSet(setFolder("Empty"));
  EXPECT_EQ(number(), "Image 0 of 0");
  EXPECT_EQ(w.top.PnTop->text(), "Empty");
  EXPECT_EQ(w.TimerSlideShow->interval(), 15000);  // an unusable interval
  w.BtnNextClick();
  w.BtnPrevClick();
  w.TimerSlideShowTimer();
  w.MChPickImageClick(0);
  w.BtnPauseClick();
  w.BtnPlayClick();
  EXPECT_EQ(number(), "Image 0 of 0");
  EXPECT_TRUE(w.PMnImages->actions().isEmpty());
}

TEST_F(Slideshow, ThePlaylistPausesAndResumesTheCycleThroughThePort) {
  openSet(makeSet("Eight", 8));
  w.port().pause();
  EXPECT_FALSE(w.TimerSlideShow->isActive());
  EXPECT_FALSE(w.top.LbPaused->isHidden());
  w.port().resumeCycle();
  EXPECT_TRUE(w.TimerSlideShow->isActive());
  EXPECT_FALSE(w.top.LbPaused->isHidden());  // only the timer: the label stays
  w.port().close();
  w.port().resumeCycle();  // a closed window does not start cycling
  EXPECT_FALSE(w.TimerSlideShow->isActive());
}

}  // namespace
}  // namespace tavo::player::pictures::test
