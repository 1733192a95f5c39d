#pragma once
// The playlist runner's rules: which item runs, for how long, what closes when
// it ends, and what the five media controls do. Plain C++: the timer and the
// windows are reached through the two small interfaces below, which the bar
// implements with its QTimer and its windows, and tests with fakes.
//
// States: idle (the start button shows) -> running (the timer takes the items
// one by one) -> finished (after the last item the controls stay, the timer is
// off) -> idle again by Stop. From running or finished, Play enters video mode
// (the current item plays in the video window) and Stop leaves it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/Playlist.h"

namespace tavo::player::playlist {

inline constexpr int kNoPlayTimeIntervalMs = 100;
inline constexpr const char* kFastForwardHint = "Fast Forward";
inline constexpr const char* kFastForwardRefusedHint = "Fast Forward Disabled During Sponsor Segment";

// The window the current item opened (the dispatcher records it).
enum class OpenWindow { None = 0, Slideshow = 1, Thumbnails = 2 };

// TimerPlayList.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(int ms) = 0;
  virtual void enable() = 0;   // starts counting the interval from now
  virtual void disable() = 0;
};

// What a Play hands to the video window.
struct VideoRequest {
  std::string itemFile;        // field 1 of the item: a file of the channel folder
  std::string syncFileName;    // from the item's options; may be empty
  std::string subscriberFolder;
  bool soundOn = true;
};

// The bar, its dispatcher and the windows the runner drives.
class Windows {
 public:
  virtual ~Windows() = default;
  // The dispatcher with the playlist mark (and the keep-open mark when asked).
  // True when it could execute the link. The dispatcher clears the open-window
  // mark first and records the slideshow or thumbnail window it opens.
  virtual bool executeLink(const std::string& link, bool keepOpen) = 0;
  virtual OpenWindow openWindow() const = 0;
  virtual void clearOpenWindow() = 0;

  virtual void showMediaControls() = 0;  // the five controls replace the streaming ad
  virtual void hideMediaControls() = 0;  // the start button and streaming ad come back
  virtual void hideStartButton() = 0;    // the channel has no playlist
  virtual void setFastForwardHint(const std::string& hint) = 0;
  virtual void setBarVisible(bool visible) = 0;
  // A bar sitting on the screen's bottom edge docks at the bottom again.
  virtual void redockBar() = 0;
  virtual bool soundOn() const = 0;

  virtual bool slideshowVisible() const = 0;
  virtual void closeSlideshow() = 0;
  virtual void pauseSlideshow() = 0;
  virtual void resumeSlideshow() = 0;
  virtual void closeThumbnails() = 0;

  virtual bool videoVisible() const = 0;
  virtual void startVideo(const VideoRequest& request) = 0;  // shows the window and starts the file
  virtual void restartVideo() = 0;
  virtual void pauseVideo() = 0;
  virtual void doubleVideoRate() = 0;
  virtual void videoBackTenSeconds() = 0;
  virtual void closeVideo() = 0;
};

// Files the video window plays: the playlist's media files and the formats the
// player's media back end plays besides them (".mp4", ".webm", ".ogg", ...).
bool playsInVideoWindow(std::string_view file);

// An item's link and its timer interval: the play time in ms, or 100 ms for
// an item without one (missing, empty, "00:00" or unusable).
struct ItemTiming {
  std::string link;
  int intervalMs = kNoPlayTimeIntervalMs;
  bool hasPlayTime = false;
};
ItemTiming itemTiming(const PlaylistItem& item);

class PlaylistRun {
 public:
  enum class State { Idle, Running, Finished };

  PlaylistRun(Timer& timer, Windows& windows) : timer_(timer), windows_(windows) {}

  // A channel became current: its items, index 0. The state is left as it is
  // (a running timer goes on); the bar stops the run first where it should.
  void load(const std::string& subscriberFolder, std::vector<PlaylistItem> items, bool fileExists);

  void start();         // BtnStartPlayList, also at start-up and after a playlist's channel link
  void stop();          // BtnStopPlaylist
  void play();          // BtnPlayPlaylist
  void pause();         // BtnPausePlaylist
  void fastForward();   // BtnFFPlaylist
  void rewind();        // BtnRewindPlaylist
  void timerTick();     // TimerPlayListTimer
  // The video window closed, by the runner or by its own close box: the bar
  // comes back and video mode ends, so the user is never left without controls.
  void videoClosed();
  void setVideoMode(bool on) { videoMode_ = on; }

  State state() const { return state_; }
  bool videoMode() const { return videoMode_; }
  int currentIndex() const { return index_; }
  const std::vector<PlaylistItem>& items() const { return items_; }
  bool fastForwardRefused() const { return fastForwardRefused_; }
  const std::string& syncFileName() const { return syncFileName_; }
  // Idle with nothing in video mode: a Stop then has nothing to stop.
  bool active() const { return state_ != State::Idle || videoMode_; }

 private:
  void startItem();
  void endItem();
  int lastIndex() const { return static_cast<int>(items_.size()) - 1; }
  void haltAtLast();

  Timer& timer_;
  Windows& windows_;
  std::string folder_;
  std::vector<PlaylistItem> items_;
  bool fileExists_ = false;
  int index_ = 0;
  State state_ = State::Idle;
  bool videoMode_ = false;
  bool fastForwardRefused_ = false;
  std::string syncFileName_;
  // Counts starts and stops. An item's link can start the run anew (a channel
  // link restarts the new channel's list) or stop it (the setup link); the
  // item that was starting must then leave the timer as that left it.
  unsigned generation_ = 0;
};

// ---- synchronized lines during playback -------------------------------------

// Steps through an item's synchronized lines as the playback position moves.
class SyncCursor {
 public:
  void load(std::vector<SyncLine> lines);
  // The position moved to `seconds`: the line that came due (position past its
  // time), if one did. One line per call; the caller calls again as the
  // position keeps moving.
  std::optional<SyncLine> advance(double seconds);
  // Back to the first line (playback went back to the start).
  void rewind();
  const std::optional<SyncLine>& current() const { return current_; }
  bool empty() const { return lines_.empty(); }

 private:
  std::vector<SyncLine> lines_;
  std::size_t next_ = 0;  // index of the line that comes due next
  std::optional<SyncLine> current_;
};

// Back 10 seconds: the new position, and whether playback went back to the
// selection start (the synchronized lines then start again).
struct BackTenSeconds {
  long long positionMs = 0;
  bool toSelectionStart = false;
};
BackTenSeconds backTenSeconds(long long positionMs, long long selectionStartMs = 0);

}  // namespace tavo::player::playlist
