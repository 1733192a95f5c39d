// The playlist runner's transitions, with a fake timer and fake windows that
// record what they were asked, in order, and a fake dispatcher that opens the
// sets it knows.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "player/logic/PlaylistRun.h"

namespace tavo::player::playlist {
namespace {

using Calls = std::vector<std::string>;

class FakeTimer : public Timer {
 public:
  void setInterval(int ms) override { interval = ms; }
  void enable() override { enabled = true; }
  void disable() override { enabled = false; }
  int interval = 0;
  bool enabled = false;
};

class FakeWindows : public Windows {
 public:
  // What the dispatcher does with a link: its result and the window it opens;
  // `then` runs inside the dispatch (a channel link restarting the run).
  struct Link {
    bool result = true;
    OpenWindow opens = OpenWindow::None;
    std::function<void()> then;
  };
  std::map<std::string, Link> links;

  bool executeLink(const std::string& link, bool keepOpen) override {
    log.push_back("execute " + link + (keepOpen ? " (keep open)" : ""));
    open = OpenWindow::None;
    const auto it = links.find(link);
    if (it == links.end()) return false;
    if (it->second.opens == OpenWindow::Slideshow) {
      slideshow = true;
      if (!keepOpen) open = OpenWindow::Slideshow;
    } else if (it->second.opens == OpenWindow::Thumbnails) {
      thumbnails = true;
      if (!keepOpen) open = OpenWindow::Thumbnails;
    }
    if (it->second.then) it->second.then();
    return it->second.result;
  }
  OpenWindow openWindow() const override { return open; }
  void clearOpenWindow() override { open = OpenWindow::None; }
  void showMediaControls() override {
    controls = true;
    log.push_back("show controls");
  }
  void hideMediaControls() override {
    controls = false;
    log.push_back("hide controls");
  }
  void hideStartButton() override { log.push_back("hide start button"); }
  void setFastForwardHint(const std::string& h) override { hint = h; }
  void setBarVisible(bool v) override { barVisible = v; }
  void redockBar() override { log.push_back("redock"); }
  bool soundOn() const override { return sound; }
  bool slideshowVisible() const override { return slideshow; }
  void closeSlideshow() override {
    slideshow = false;
    log.push_back("close slideshow");
  }
  void pauseSlideshow() override { log.push_back("pause slideshow"); }
  void resumeSlideshow() override { log.push_back("resume slideshow"); }
  void closeThumbnails() override {
    thumbnails = false;
    log.push_back("close thumbnails");
  }
  bool videoVisible() const override { return video; }
  void startVideo(const VideoRequest& r) override {
    video = true;
    request = r;
    log.push_back("start video " + r.itemFile);
  }
  void restartVideo() override { log.push_back("restart video"); }
  void pauseVideo() override { log.push_back("pause video"); }
  void doubleVideoRate() override { log.push_back("double rate"); }
  void videoBackTenSeconds() override { log.push_back("back 10 s"); }
  void closeVideo() override {
    video = false;
    log.push_back("close video");
  }

  Calls log;
  OpenWindow open = OpenWindow::None;
  bool controls = false, barVisible = true, sound = true;
  bool slideshow = false, thumbnails = false, video = false;
  std::string hint = kFastForwardHint;
  VideoRequest request;
};

PlaylistItem item(const std::string& link, const std::string& time = {},
                  PlaylistOptions options = PlaylistOptions{}) {
  return PlaylistItem{"", link, time, options};
}

class Runner : public ::testing::Test {
 protected:
  void load(std::vector<PlaylistItem> items, bool exists = true) { run.load("/p/News/", std::move(items), exists); }
  // The log since the last look.
  Calls taken() {
    Calls c = std::move(w.log);
    w.log.clear();
    return c;
  }
  FakeTimer timer;
  FakeWindows w;
  PlaylistRun run{timer, w};
};

TEST(ItemTimingTest, PlayTimesAndItemsWithoutOne) {
  struct Case {
    const char* time;
    int intervalMs;
    bool hasPlayTime;
  } cases[] = {
      {"00:30", 30000, true}, {"01:00", 60000, true}, {"00:02", 2000, true}, {"", 100, false},
      {"00:00", 100, false},  {"1:5", 100, false},    {"ab:cd", 100, false},
  };
  for (const Case& c : cases) {
    const ItemTiming t = itemTiming(item("Slideshow Beach", c.time));
    EXPECT_EQ(t.intervalMs, c.intervalMs) << c.time;
    EXPECT_EQ(t.hasPlayTime, c.hasPlayTime) << c.time;
    EXPECT_EQ(t.link, "Slideshow Beach");
  }
}

TEST(VideoFilesTest, MediaFilesAndTheBackEndsFormatsPlayOthersDoNot) {
  for (const char* f : {"intro.avi", "CLIP.MPG", "song.mp3", "x.wav", "clip.mp4", "clip.webm", "tune.ogg"})
    EXPECT_TRUE(playsInVideoWindow(f)) << f;
  for (const char* f : {"Slideshow Beach", "price.htm", "notes.txt", "http://example.org/a.mp4?x", ".mp4", "mp4"})
    EXPECT_FALSE(playsInVideoWindow(f)) << f;
}

TEST_F(Runner, ASlideshowWithPlayTimeShowsForItsTimeThenClosesAndTheControlsStayUntilStop) {
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  load({item("Slideshow Beach", "00:30")});
  run.start();
  EXPECT_EQ(taken(), (Calls{"show controls", "execute Slideshow Beach"}));
  EXPECT_EQ(timer.interval, 30000);
  EXPECT_TRUE(timer.enabled);
  EXPECT_TRUE(w.slideshow);

  run.timerTick();
  EXPECT_EQ(taken(), (Calls{"close slideshow"}));
  EXPECT_FALSE(timer.enabled);
  EXPECT_TRUE(w.controls);
  EXPECT_EQ(run.state(), PlaylistRun::State::Finished);

  run.stop();
  EXPECT_EQ(taken(), (Calls{"hide controls"}));
  EXPECT_EQ(run.state(), PlaylistRun::State::Idle);
}

TEST_F(Runner, AVideoGoesToTheDispatcherAndTheThumbnailSetFollows100msLaterForItsMinute) {
  w.links["intro.avi"] = {true, OpenWindow::None, {}};
  w.links["Thumbnail Shop"] = {true, OpenWindow::Thumbnails, {}};
  load({item("intro.avi"), item("Thumbnail Shop", "01:00")});
  run.start();
  EXPECT_EQ(taken(), (Calls{"show controls", "execute intro.avi (keep open)"}));
  EXPECT_EQ(timer.interval, 100);

  run.timerTick();
  EXPECT_EQ(taken(), (Calls{"execute Thumbnail Shop"}));
  EXPECT_EQ(timer.interval, 60000);
  EXPECT_TRUE(timer.enabled);
  EXPECT_TRUE(w.thumbnails);

  run.timerTick();
  EXPECT_EQ(taken(), (Calls{"close thumbnails"}));
  EXPECT_EQ(run.state(), PlaylistRun::State::Finished);
}

TEST_F(Runner, AnItemTheDispatcherCannotExecuteIsSkipped100msLater) {
  w.links["Slideshow Lost"] = {false, OpenWindow::None, {}};
  load({item("Slideshow Lost", "00:30"), item("notes.txt|")});
  run.start();
  EXPECT_EQ(timer.interval, 100);
  EXPECT_TRUE(timer.enabled);
  run.timerTick();
  EXPECT_EQ(run.currentIndex(), 1);
}

TEST_F(Runner, WithoutPlaylistFileStartOnlyHidesTheStartButton) {
  load({}, false);
  run.start();
  EXPECT_EQ(taken(), (Calls{"hide start button"}));
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(run.state(), PlaylistRun::State::Idle);
}

TEST_F(Runner, APlaylistFileWithoutItemsShowsTheControlsAndRunsNothing) {
  load({});
  run.start();
  EXPECT_EQ(taken(), (Calls{"show controls"}));
  EXPECT_FALSE(timer.enabled);
  run.play();
  run.timerTick();
  EXPECT_EQ(taken(), (Calls{}));
}

// The item's options when Play is pressed: the bar, the controls, the Fast
// Forward hint and the sync file; and whether Fast Forward then doubles the rate.
TEST_F(Runner, PlayAppliesTheCurrentItemsOptions) {
  struct Case {
    PlaylistOptions options;
    bool barVisible, controls;
    const char* hint;
    bool fastForwards;
  } cases[] = {
      {{}, true, true, kFastForwardHint, true},
      {{true, MediaControls::FastForwardRefused, "intro.txt"}, false, true, kFastForwardRefusedHint, false},
      {{false, MediaControls::Off, ""}, true, false, kFastForwardHint, true},
  };
  for (const Case& c : cases) {
    FakeTimer t;
    FakeWindows win;
    PlaylistRun r(t, win);
    r.load("/p/News/", {item("intro.avi", "", c.options)}, true);
    r.start();
    r.play();
    EXPECT_TRUE(r.videoMode());
    EXPECT_EQ(win.barVisible, c.barVisible);
    EXPECT_EQ(win.controls, c.controls);
    EXPECT_EQ(win.hint, c.hint);
    EXPECT_EQ(win.request.itemFile, "intro.avi");
    EXPECT_EQ(win.request.syncFileName, c.options.syncFileName);
    EXPECT_EQ(win.request.subscriberFolder, "/p/News/");
    win.log.clear();
    r.fastForward();
    EXPECT_EQ(win.log, c.fastForwards ? Calls{"double rate"} : Calls{}) << c.options.syncFileName;
  }
}

TEST_F(Runner, TickerOffAndFastForwardRefusedHoldOnlyForTheirItem) {
  w.links["intro.avi"] = {true, OpenWindow::None, {}};
  w.links["promo.mpg"] = {true, OpenWindow::None, {}};
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  load({item("intro.avi", "", {true, MediaControls::FastForwardRefused, ""}), item("promo.mpg")});
  run.start();
  run.play();
  EXPECT_FALSE(w.barVisible);
  taken();
  run.fastForward();
  EXPECT_EQ(taken(), (Calls{}));  // refused

  run.timerTick();  // the next item
  run.play();       // the window is still open: it restarts, with the new item's options
  EXPECT_TRUE(w.barVisible);
  EXPECT_EQ(w.hint, kFastForwardHint);
  taken();
  run.fastForward();
  EXPECT_EQ(taken(), (Calls{"double rate"}));
}

TEST_F(Runner, FastForwardWithoutVideoStopsTheRunnerAndStartBeginsAgain) {
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  w.links["Thumbnail Shop"] = {true, OpenWindow::Thumbnails, {}};
  load({item("Slideshow Beach", "00:30"), item("Thumbnail Shop", "01:00")});
  run.start();
  run.timerTick();
  ASSERT_EQ(run.currentIndex(), 1);
  taken();
  run.fastForward();
  EXPECT_EQ(taken(), (Calls{"close thumbnails"}));
  EXPECT_FALSE(timer.enabled);
  EXPECT_TRUE(w.controls);

  run.start();
  EXPECT_EQ(run.currentIndex(), 0);
  EXPECT_EQ(taken(), (Calls{"show controls", "execute Slideshow Beach"}));
  EXPECT_TRUE(timer.enabled);
}

TEST_F(Runner, StopInEachSituation) {
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  w.links["Thumbnail Shop"] = {true, OpenWindow::Thumbnails, {}};
  w.links["intro.avi"] = {true, OpenWindow::None, {}};

  // During a slideshow item: the slideshow closes and the start button with
  // the streaming ad come back.
  load({item("Slideshow Beach", "00:30"), item("Thumbnail Shop", "01:00")});
  run.start();
  taken();
  run.stop();
  EXPECT_EQ(taken(), (Calls{"hide controls", "close slideshow"}));
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(run.currentIndex(), 1);  // nothing continues
  run.timerTick();                   // a tick already queued runs nothing new
  EXPECT_EQ(taken(), (Calls{}));

  // In video mode: the video window closes and the bar comes back.
  load({item("intro.avi", "", {true, MediaControls::On, ""})});
  run.start();
  run.play();
  ASSERT_FALSE(w.barVisible);
  taken();
  run.stop();
  EXPECT_EQ(taken(), (Calls{"hide controls", "redock", "close video"}));
  EXPECT_TRUE(w.barVisible);
  EXPECT_FALSE(run.videoMode());

  // Otherwise: the item's window closes.
  load({item("Thumbnail Shop", "01:00")});
  run.start();
  taken();
  run.stop();
  EXPECT_EQ(taken(), (Calls{"close thumbnails", "hide controls"}));

  // Idle: nothing to stop.
  run.stop();
  EXPECT_EQ(taken(), (Calls{}));
}

TEST_F(Runner, PauseAndPlayReachTheSlideshowWhileItIsShown) {
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  load({item("Slideshow Beach", "00:30")});
  run.start();
  taken();
  run.pause();
  run.play();
  run.rewind();  // outside video mode: nothing
  EXPECT_EQ(taken(), (Calls{"pause slideshow", "resume slideshow"}));
  EXPECT_FALSE(run.videoMode());
}

TEST_F(Runner, PauseAndRewindReachTheVideoOnlyInVideoMode) {
  w.links["intro.avi"] = {true, OpenWindow::None, {}};
  load({item("intro.avi")});
  run.start();
  taken();
  run.pause();
  run.rewind();
  EXPECT_EQ(taken(), (Calls{}));
  run.play();
  run.play();
  run.pause();
  run.rewind();
  EXPECT_EQ(taken(), (Calls{"show controls", "start video intro.avi", "show controls", "restart video", "pause video",
                            "back 10 s"}));
}

TEST_F(Runner, PlayHandsTheSoundSettingToTheVideoWindow) {
  w.sound = false;
  load({item("clip.mp4")});
  run.start();
  run.play();
  EXPECT_FALSE(w.request.soundOn);
}

TEST_F(Runner, ClosingTheVideoWindowItselfBringsTheBarBackAndLeavesVideoMode) {
  load({item("intro.avi", "", {true, MediaControls::FastForwardRefused, ""})});
  run.start();
  run.play();
  ASSERT_FALSE(w.barVisible);
  run.videoClosed();
  EXPECT_TRUE(w.barVisible);
  EXPECT_FALSE(run.videoMode());
  taken();
  run.fastForward();  // outside video mode now: ends the run, nothing doubles
  EXPECT_EQ(taken(), (Calls{}));
  EXPECT_FALSE(timer.enabled);
}

TEST_F(Runner, PlayOnAnItemThatIsNoMediaFileRunsItsLinkAgainOutsideVideoMode) {
  w.links["Thumbnail Shop"] = {true, OpenWindow::Thumbnails, {}};
  load({item("Thumbnail Shop", "01:00", {true, MediaControls::Off, ""})});
  run.start();
  w.thumbnails = false;
  taken();
  run.play();
  EXPECT_EQ(taken(), (Calls{"execute Thumbnail Shop"}));
  EXPECT_FALSE(run.videoMode());
  EXPECT_TRUE(w.barVisible);  // its options are for the video window only
  EXPECT_FALSE(w.video);
  EXPECT_EQ(w.open, OpenWindow::Thumbnails);  // the item's time still closes it
}

// A channel link in the playlist switches the channel, and the bar then starts
// the new channel's playlist from its first item, inside the dispatch.
TEST_F(Runner, AChannelLinkItemRestartsTheNewChannelsListFromItsFirstItem) {
  w.links["Slideshow Beach"] = {true, OpenWindow::Slideshow, {}};
  w.links["Thumbnail Shop"] = {true, OpenWindow::Thumbnails, {}};
  w.links["Subscriber Sports"] = {true, OpenWindow::None, [this] {
                                    load({item("Slideshow Beach", "00:30"), item("Thumbnail Shop", "01:00")});
                                    run.start();
                                  }};
  load({item("intro.avi"), item("Subscriber Sports")});
  w.links["intro.avi"] = {true, OpenWindow::None, {}};
  run.start();
  run.timerTick();  // the channel link
  EXPECT_EQ(run.currentIndex(), 0);
  EXPECT_EQ(timer.interval, 30000);  // the new first item's time, not the link's 100 ms
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(w.open, OpenWindow::Slideshow);
  run.timerTick();
  EXPECT_EQ(run.currentIndex(), 1);
  EXPECT_TRUE(w.thumbnails);
}

TEST_F(Runner, ALinkThatStopsTheRunLeavesTheTimerOff) {
  w.links["TavoSetup"] = {true, OpenWindow::None, [this] { run.stop(); }};
  load({item("TavoSetup"), item("intro.avi")});
  run.start();
  EXPECT_FALSE(timer.enabled);
  EXPECT_EQ(run.state(), PlaylistRun::State::Idle);
}

TEST(SyncCursorTest, LinesComeDueOneAfterAnotherAsThePositionPassesTheirTimes) {
  SyncCursor c;
  c.load({{0, "Welcome", "|"}, {4, "http://example.org", "Visit us?|"}, {8, "price.htm", "Prices?|"}});
  struct Step {
    double at;
    const char* due;  // nullptr: nothing comes due
  } steps[] = {{0.0, nullptr},   {0.2, "Welcome"}, {0.4, nullptr}, {4.0, nullptr},
               {4.1, "http://example.org"}, {9.0, "price.htm"}, {12.0, nullptr}};
  for (const Step& s : steps) {
    const std::optional<SyncLine> due = c.advance(s.at);
    if (s.due) {
      ASSERT_TRUE(due) << s.at;
      EXPECT_EQ(due->text, s.due);
      EXPECT_EQ(c.current()->text, s.due);
    } else {
      EXPECT_FALSE(due) << s.at;
    }
  }
  EXPECT_EQ(c.current()->text, "price.htm");  // the last line stays current

  c.rewind();
  EXPECT_FALSE(c.current());
  EXPECT_EQ(c.advance(1.0)->text, "Welcome");
}

TEST(SyncCursorTest, WithoutLinesNothingComesDue) {
  SyncCursor c;
  c.load({});
  EXPECT_FALSE(c.advance(100.0));
}

TEST(BackTenSecondsTest, BelowTenSecondsGoesToTheSelectionStart) {
  struct Case {
    long long at, to;
    bool toStart;
  } cases[] = {{6000, 0, true}, {10000, 0, false}, {25500, 15500, false}, {0, 0, true}};
  for (const Case& c : cases) {
    const BackTenSeconds b = backTenSeconds(c.at);
    EXPECT_EQ(b.positionMs, c.to) << c.at;
    EXPECT_EQ(b.toSelectionStart, c.toStart) << c.at;
  }
}

}  // namespace
}  // namespace tavo::player::playlist
