#include "player/bar/PlaylistRunner.h"

#include <QDateTime>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <chrono>

#include "format/Playlist.h"
#include "format/ReadMode.h"
#include "platform/QtText.h"
#include "player/bar/TFmMain.h"

namespace tavo::player {

PlaylistRunner::PlaylistRunner(TFmMain& bar, VideoWindowPort* video, QObject* parent)
    : QObject(parent), bar_(bar), video_(video), run_(*this, *this) {
  traceFile_ = qEnvironmentVariable("TAVO_PLAYLIST_TRACE");
  // A coarse timer may end a 2-second item up to 100 ms early.
  bar_.TimerPlayList->setTimerType(Qt::PreciseTimer);
  connect(bar_.TimerPlayList, &QTimer::timeout, this, &PlaylistRunner::TimerPlayListTimer);
}

PlaylistRunner::~PlaylistRunner() = default;

void PlaylistRunner::loadPlaylist(const std::string& subscriberFolder) {
  run_.load(subscriberFolder, readPlaylist(subscriberFolder, ReadMode::Player), playlistExists(subscriberFolder));
}

void PlaylistRunner::TimerPlayListTimer() {
  trace("end");
  run_.timerTick();
}

void PlaylistRunner::trace(const char* event) {
  if (traceFile_.isEmpty()) return;
  QFile f(traceFile_);
  if (!f.open(QIODevice::Append | QIODevice::Text)) return;
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  f.write(QString("%1 %2 %3\n").arg(event).arg(run_.currentIndex()).arg(ns).toUtf8());
}

// ---- TimerPlayList ------------------------------------------------------------

void PlaylistRunner::setInterval(int ms) { bar_.TimerPlayList->setInterval(ms); }
void PlaylistRunner::enable() {
  bar_.TimerPlayList->start();
  trace("start");
}
void PlaylistRunner::disable() { bar_.TimerPlayList->stop(); }

// ---- the bar and the windows ----------------------------------------------------

bool PlaylistRunner::executeLink(const std::string& link, bool keepOpen) {
  return bar_.ExecuteLink(platform::fromFileText(link), {}, PlaylistMark | (keepOpen ? KeepOpenMark : NoLinkFlags));
}

playlist::OpenWindow PlaylistRunner::openWindow() const {
  switch (bar_.PlaylistOpenWindow()) {
    case PlaylistWindow::Slideshow:
      return playlist::OpenWindow::Slideshow;
    case PlaylistWindow::Thumbnails:
      return playlist::OpenWindow::Thumbnails;
    case PlaylistWindow::None:
      break;
  }
  return playlist::OpenWindow::None;
}

void PlaylistRunner::clearOpenWindow() { bar_.SetPlaylistOpenWindow(PlaylistWindow::None); }
void PlaylistRunner::showMediaControls() { bar_.ShowPlaylistControls(); }
void PlaylistRunner::hideMediaControls() { bar_.ShowPlayButton(); }
void PlaylistRunner::hideStartButton() { bar_.BtnStartPlayList->hide(); }
void PlaylistRunner::setFastForwardHint(const std::string& hint) {
  bar_.BtnFFPlaylist->setToolTip(QString::fromStdString(hint));
}
void PlaylistRunner::setBarVisible(bool visible) {
  if (visible == bar_.isVisible()) return;
  bar_.setVisible(visible);
}

void PlaylistRunner::redockBar() {
  const QScreen* screen = bar_.screen();
  if (!screen) return;
  if (bar_.y() == screen->geometry().height() - bar_.height()) {
    bar_.PlaceBar();
    bar_.update();
  }
}

// Sound is on while the bar offers "Sound Off".
bool PlaylistRunner::soundOn() const { return !bar_.BtnMute->isHidden(); }

bool PlaylistRunner::slideshowVisible() const {
  return bar_.peers().slideshow && bar_.peers().slideshow->isVisible();
}
void PlaylistRunner::closeSlideshow() {
  if (bar_.peers().slideshow) bar_.peers().slideshow->close();
}
void PlaylistRunner::pauseSlideshow() {
  if (bar_.peers().slideshow) bar_.peers().slideshow->pause();
}
void PlaylistRunner::resumeSlideshow() {
  if (bar_.peers().slideshow) bar_.peers().slideshow->resumeCycle();
}
void PlaylistRunner::closeThumbnails() {
  if (bar_.peers().thumbnails) bar_.peers().thumbnails->close();
}

bool PlaylistRunner::videoVisible() const { return video_ && video_->isVisible(); }
void PlaylistRunner::startVideo(const playlist::VideoRequest& request) {
  if (video_) video_->startItem(request);
}
void PlaylistRunner::restartVideo() {
  if (video_) video_->restart();
}
void PlaylistRunner::pauseVideo() {
  if (video_) video_->pause();
}
void PlaylistRunner::doubleVideoRate() {
  if (video_) video_->doubleRate();
}
void PlaylistRunner::videoBackTenSeconds() {
  if (video_) video_->backTenSeconds();
}
void PlaylistRunner::closeVideo() {
  if (video_) video_->closeVideo();
}

}  // namespace tavo::player
