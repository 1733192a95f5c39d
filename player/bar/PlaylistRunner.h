#pragma once
// The playlist runner on the bar: the rules of player/logic/PlaylistRun.h
// wired to the bar's TimerPlayList, its link dispatcher and media controls,
// the slideshow and thumbnail windows, and the video window.
//
// It is a class of its own beside TFmMain rather than members of it, so that
// the bar keeps only the calls into PlaylistRunnerPort.
//
// With TAVO_PLAYLIST_TRACE naming a file, every item start and end appends
// "<start|end> <index> <nanoseconds since the epoch>" to it (read by the
// item-timing benchmark).

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "player/bar/BarPeers.h"
#include "player/logic/PlaylistRun.h"

namespace tavo::player {

class TFmMain;

class PlaylistRunner : public QObject,
                       public PlaylistRunnerPort,
                       private playlist::Timer,
                       private playlist::Windows {
  Q_OBJECT

 public:
  // `video` may be null (no video window: Play then does nothing visible).
  PlaylistRunner(TFmMain& bar, VideoWindowPort* video, QObject* parent = nullptr);
  ~PlaylistRunner() override;

  // ---- PlaylistRunnerPort ----
  void loadPlaylist(const std::string& subscriberFolder) override;
  void start() override { run_.start(); }
  void stop() override { run_.stop(); }
  void play() override { run_.play(); }
  void pause() override { run_.pause(); }
  void fastForward() override { run_.fastForward(); }
  void rewind() override { run_.rewind(); }
  void setVideoMode(bool on) override { run_.setVideoMode(on); }

  // The video window closed (by any route).
  void videoClosed() { run_.videoClosed(); }
  // TimerPlayListTimer.
  void TimerPlayListTimer();

  const playlist::PlaylistRun& run() const { return run_; }

 private:
  // playlist::Timer
  void setInterval(int ms) override;
  void enable() override;
  void disable() override;
  // playlist::Windows
  bool executeLink(const std::string& link, bool keepOpen) override;
  playlist::OpenWindow openWindow() const override;
  void clearOpenWindow() override;
  void showMediaControls() override;
  void hideMediaControls() override;
  void hideStartButton() override;
  void setFastForwardHint(const std::string& hint) override;
  void setBarVisible(bool visible) override;
  void redockBar() override;
  bool soundOn() const override;
  bool slideshowVisible() const override;
  void closeSlideshow() override;
  void pauseSlideshow() override;
  void resumeSlideshow() override;
  void closeThumbnails() override;
  bool videoVisible() const override;
  void startVideo(const playlist::VideoRequest& request) override;
  void restartVideo() override;
  void pauseVideo() override;
  void doubleVideoRate() override;
  void videoBackTenSeconds() override;
  void closeVideo() override;

  void trace(const char* event);

  TFmMain& bar_;
  VideoWindowPort* video_;
  playlist::PlaylistRun run_;
  QString traceFile_;
};

}  // namespace tavo::player
