// The picture windows with the real bar: links open them, their texts reach the
// bar's ticker panel, closing gives the bar its ticker back, the bar closes them.

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "player/slideshow/BarHost.h"
#include "player/slideshow/TFmSlideshow.h"
#include "player/thumbnails/TFmThumbViewer.h"
#include "tests/player/BarFixture.h"
#include "tests/player/PictureWindowFixture.h"
#include "ticker/TQxScroller.h"

namespace tavo::player::test {
namespace {

using pictures::test::pictureBytes;
using pictures::test::RecordingSound;

class PictureWindowsOnBar : public BarFixture {
 protected:
  PictureWindowsOnBar() {
    gallery = provider("Art Gallery", "[Buttons]\r\nButton1=Harbour\r\nAction1=Slideshow Harbour\r\n");
    provider("Town News", "");
    setActiveSubscriber("Art Gallery");
    file("Art Gallery/Harbour/one.jpg", pictureBytes(40, 30, Qt::blue));
    file("Art Gallery/Harbour/two.jpg", pictureBytes(40, 30, Qt::green));
    file("Art Gallery/Harbour/Slideshow.ini", "[Slideshow Options]\r\nFilename=SyncEzy.txt\r\n[Images]\r\nImage1=one.jpg|One\r\nImage2=two.jpg|Two\r\n");
    file("Art Gallery/Harbour/SyncEzy.txt", "Boats & nets at dawn|Subscriber Town News\r\nThe pier|\r\n");
    file("Art Gallery/Shop/a.jpg", pictureBytes(40, 30, Qt::red));
    file("Art Gallery/Shop/Thumbnail.ini", "[Images]\r\nImage1=a.jpg|Prints|Harbour Prints.html\r\n");
    file("Art Gallery/Shop/Harbour Prints.html", "<html></html>");
  }

  TFmMain& startWithWindows() {
    bar = std::make_unique<TFmMain>(platform.platform(), QStringList{QString::fromStdString("Path=" + presentation)});
    host = std::make_unique<pictures::BarHost>(*bar);
    slideshow = std::make_unique<pictures::TFmSlideshow>(platform.platform(), *host, sound);
    viewer = std::make_unique<pictures::TFmThumbViewer>(platform.platform(), *host, sound);
    BarPeers p = peers.ports();
    p.slideshow = &slideshow->port();
    p.thumbnails = &viewer->port();
    bar->setPeers(p);
    EXPECT_TRUE(bar->FormCreate());
    return *bar;
  }
  ~PictureWindowsOnBar() override {
    viewer.reset();
    slideshow.reset();
  }

  std::string gallery;
  RecordingSound sound;
  std::unique_ptr<pictures::BarHost> host;
  std::unique_ptr<pictures::TFmSlideshow> slideshow;
  std::unique_ptr<pictures::TFmThumbViewer> viewer;
};

TEST_F(PictureWindowsOnBar, ASlideshowLinkShowsItsTextInTheTickerPanelUntilClosed) {
  TFmMain& b = startWithWindows();
  b.Buttons[0]->click();
  ASSERT_TRUE(slideshow->open());
  EXPECT_EQ(slideshow->geometry(), QRect(0, b.height(), 1920, 1080 - b.height()));
  EXPECT_TRUE(b.Ticker->isHidden());
  EXPECT_FALSE(b.PnTicker->isHidden());
  EXPECT_EQ(b.LbTicker->text(), "Boats & nets at dawn");
  EXPECT_EQ(b.LbTicker->toolTip(), "Subscriber Town News");
  // The step buttons line up under the bar's menu picture.
  const int centre = b.ImgMenu->x() + b.ImgMenu->width() / 2;
  EXPECT_EQ(slideshow->top.BtnNext->x(), centre + 4);
  EXPECT_EQ(slideshow->top.BtnClose->x(), 1900);

  slideshow->TimerSlideShowTimer();
  EXPECT_EQ(b.LbTicker->text(), "The pier");

  slideshow->top.BtnClose->click();
  EXPECT_FALSE(b.Ticker->isHidden());
  EXPECT_TRUE(b.PnTicker->isHidden());
}

TEST_F(PictureWindowsOnBar, TheViewerOpensBelowTheBarExecutesLinksAndTellsTheBarWhenItCloses) {
  TFmMain& b = startWithWindows();
  EXPECT_TRUE(b.ExecuteLink("Thumbnail Shop"));
  ASSERT_TRUE(viewer->open());
  EXPECT_EQ(viewer->geometry(), QRect(0, b.height(), 1920, 1040 - b.height()));
  viewer->LbThumbCaption1Click(0);
  // A document of the set is looked up in the set folder first.
  ASSERT_EQ(platform.shell.opened.size(), 1);
  EXPECT_EQ(platform.shell.opened[0].toStdString(), gallery + "Shop/Harbour Prints.html");
  EXPECT_FALSE(viewer->top.LbPaused->isHidden());

  b.hide();
  viewer->close();
  EXPECT_TRUE(b.isVisible());  // told by the viewer's closing notice
  EXPECT_FALSE(b.Ticker->isHidden());
}

TEST_F(PictureWindowsOnBar, ChannelSwitchesAndClosingTheBarCloseTheWindows) {
  TFmMain& b = startWithWindows();
  b.show();
  b.ExecuteLink("Slideshow Harbour");
  b.ExecuteLink("Thumbnail Shop");
  ASSERT_TRUE(slideshow->isVisible() && viewer->isVisible());
  b.ExecuteLink("Subscriber Town News");
  EXPECT_FALSE(slideshow->open());
  EXPECT_FALSE(viewer->open());
  EXPECT_FALSE(b.Ticker->isHidden());

  b.ExecuteLink("Subscriber Art Gallery");
  b.ExecuteLink("Slideshow Harbour");
  ASSERT_TRUE(slideshow->isVisible());
  b.BtnClose->click();
  EXPECT_FALSE(slideshow->open());
}

}  // namespace
}  // namespace tavo::player::test
