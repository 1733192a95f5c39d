// The set windows that the player makes on first use: nothing is made for the
// calls that need no window, and the first call that does makes it once and
// hands it what was said before (the bar to notify).

#include <gtest/gtest.h>

#include <QWidget>

#include "player/bar/LazySetWindows.h"
#include "player/bar/LazyVideoWindow.h"
#include "tests/player/RecordingPeers.h"

namespace tavo::player::test {
namespace {

TEST(LazySetWindows, TheSlideshowIsMadeOnceWhenALinkOpensIt) {
  int made = 0;
  RecordingSlideshow window;
  LazySlideshowWindow lazy([&]() -> SlideshowWindowPort& {
    ++made;
    return window;
  });
  // What the bar and the runner do to a slideshow that was never opened.
  EXPECT_FALSE(lazy.isVisible());
  lazy.close();
  lazy.setTop(50);
  lazy.pause();
  lazy.resumeCycle();
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(window.calls.isEmpty());

  lazy.setGeometry({0, 50, 1920, 900});
  lazy.setFolder("/show/Town News/Beach");
  lazy.show();
  EXPECT_EQ(made, 1);
  EXPECT_TRUE(lazy.isVisible());
  lazy.setTop(0);
  lazy.pause();
  lazy.close();
  EXPECT_EQ(window.calls, QStringList({"geometry", "folder", "show", "top 0", "pause", "close"}));
  lazy.show();
  EXPECT_EQ(made, 1);
}

TEST(LazySetWindows, TheViewerGetsTheBarItWasGivenBeforeItWasMade) {
  QWidget bar;
  RecordingThumbnails window;
  LazyThumbnailViewer lazy([&]() -> ThumbnailViewerPort& { return window; });
  lazy.setMainWindow(&bar);
  EXPECT_FALSE(lazy.made());
  lazy.setFolder("/show/Town News/Shop");
  ASSERT_TRUE(lazy.made());
  EXPECT_EQ(window.mainWindow, &bar);
  EXPECT_EQ(window.calls, QStringList({"main window", "folder"}));
}

// The video window: Stop, Pause, the prompt's questions and the like reach
// nothing until an item is first played; the first Play makes it once.
TEST(LazySetWindows, TheVideoWindowIsMadeByTheFirstPlay) {
  int made = 0;
  RecordingVideo window;
  LazyVideoWindow lazy([&]() -> VideoWindowPort& {
    ++made;
    return window;
  });
  EXPECT_FALSE(lazy.isVisible());
  lazy.closeVideo();
  lazy.pause();
  lazy.doubleRate();
  lazy.backTenSeconds();
  lazy.restart();
  lazy.hidePromptPanel();
  lazy.giveFocus();
  lazy.bringToFront();
  EXPECT_TRUE(lazy.promptLink().isEmpty());
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(window.calls.isEmpty());

  playlist::VideoRequest request;
  request.itemFile = "intro.avi";
  lazy.startItem(request);
  lazy.pause();
  lazy.closeVideo();
  lazy.startItem(request);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(window.calls, QStringList({"start intro.avi", "pause", "close", "start intro.avi"}));
}

}  // namespace
}  // namespace tavo::player::test
