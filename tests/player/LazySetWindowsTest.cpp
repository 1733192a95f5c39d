// The set windows that the player makes on first use: nothing is made for the
// calls that need no window, and the first call that does makes it once and
// hands it what was said before (the bar to notify).

#include <gtest/gtest.h>

#include <QWidget>

#include "player/bar/LazySetWindows.h"
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

}  // namespace
}  // namespace tavo::player::test
