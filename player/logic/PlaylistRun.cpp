#include "player/logic/PlaylistRun.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/QxMisc.h"
#include "format/TimeText.h"

namespace tavo::player::playlist {

bool playsInVideoWindow(std::string_view file) {
  if (isMediaFile(file)) return true;
  static constexpr std::array<std::string_view, 10> kMore{".mp4", ".m4v", ".m4a", ".webm", ".ogg",
                                                          ".ogv", ".oga", ".mkv", ".flac", ".opus"};
  const std::string lower = toLowerAnsi(file);
  return std::any_of(kMore.begin(), kMore.end(),
                     [&](std::string_view ext) { return lower.size() > ext.size() && lower.ends_with(ext); });
}

ItemTiming itemTiming(const PlaylistItem& item) {
  ItemTiming t;
  t.link = item.item;
  if (const std::optional<int> seconds = item.playSeconds(); seconds && *seconds > 0) {
    t.intervalMs = *seconds * 1000;
    t.hasPlayTime = true;
  }
  return t;
}

void PlaylistRun::load(const std::string& subscriberFolder, std::vector<PlaylistItem> items, bool fileExists) {
  folder_ = subscriberFolder;
  items_ = std::move(items);
  fileExists_ = fileExists;
  index_ = 0;
}

void PlaylistRun::start() {
  if (!fileExists_) {
    windows_.hideStartButton();
    return;
  }
  const unsigned run = ++generation_;
  windows_.showMediaControls();
  endItem();
  index_ = 0;
  if (items_.empty()) {  // a playlist file without items: nothing to run
    state_ = State::Finished;
    return;
  }
  state_ = State::Running;
  startItem();
  if (run != generation_) return;
  timer_.enable();
}

void PlaylistRun::startItem() {
  if (index_ < 0 || index_ > lastIndex()) return;
  const ItemTiming t = itemTiming(items_[static_cast<std::size_t>(index_)]);
  timer_.setInterval(t.intervalMs);
  const unsigned run = generation_;
  const bool done = windows_.executeLink(t.link, !t.hasPlayTime);
  if (run != generation_) return;  // the link started or stopped the run itself
  if (!done) timer_.setInterval(kNoPlayTimeIntervalMs);
}

void PlaylistRun::endItem() {
  switch (windows_.openWindow()) {
    case OpenWindow::Slideshow:
      windows_.closeSlideshow();
      break;
    case OpenWindow::Thumbnails:
      windows_.closeThumbnails();
      break;
    case OpenWindow::None:
      break;
  }
  windows_.clearOpenWindow();
}

void PlaylistRun::timerTick() {
  timer_.disable();
  if (state_ != State::Running) return;  // a tick that was due when the run stopped
  endItem();
  if (index_ < lastIndex()) {
    ++index_;
    const unsigned run = generation_;
    startItem();
    if (run != generation_) return;
    timer_.enable();
  } else {
    state_ = State::Finished;
  }
}

void PlaylistRun::haltAtLast() {
  timer_.disable();
  index_ = std::max(0, lastIndex());
}

void PlaylistRun::stop() {
  if (!active()) return;
  ++generation_;
  if (windows_.slideshowVisible()) {
    haltAtLast();
    windows_.hideMediaControls();
    windows_.closeSlideshow();
    windows_.clearOpenWindow();
  } else if (videoMode_) {
    windows_.hideMediaControls();
    windows_.redockBar();
    videoMode_ = false;
    haltAtLast();
    windows_.closeVideo();
    windows_.setBarVisible(true);
  } else {
    haltAtLast();
    endItem();
    windows_.hideMediaControls();
  }
  state_ = State::Idle;
}

void PlaylistRun::play() {
  if (windows_.slideshowVisible()) {
    windows_.resumeSlideshow();
    return;
  }
  if (index_ < 0 || index_ > lastIndex()) return;
  const PlaylistItem item = items_[static_cast<std::size_t>(index_)];
  if (!playsInVideoWindow(item.item)) {
    // Not something the video window plays: the item's link runs again.
    const ItemTiming t = itemTiming(item);
    windows_.executeLink(t.link, !t.hasPlayTime);
    return;
  }
  videoMode_ = true;
  const PlaylistOptions options = item.options.value_or(PlaylistOptions{});
  windows_.setBarVisible(!options.tickerHidden);
  fastForwardRefused_ = options.mediaControls == MediaControls::FastForwardRefused;
  if (options.mediaControls == MediaControls::Off) {
    windows_.hideMediaControls();
  } else {
    windows_.showMediaControls();
    windows_.setFastForwardHint(fastForwardRefused_ ? kFastForwardRefusedHint : kFastForwardHint);
  }
  syncFileName_ = options.syncFileName;
  if (windows_.videoVisible())
    windows_.restartVideo();
  else
    windows_.startVideo({item.item, syncFileName_, folder_, windows_.soundOn()});
}

void PlaylistRun::pause() {
  if (windows_.slideshowVisible())
    windows_.pauseSlideshow();
  else if (videoMode_)
    windows_.pauseVideo();
}

void PlaylistRun::fastForward() {
  if (!videoMode_) {
    ++generation_;
    timer_.disable();
    endItem();
    if (state_ == State::Running) state_ = State::Finished;
    return;
  }
  if (!fastForwardRefused_) windows_.doubleVideoRate();
}

void PlaylistRun::rewind() {
  if (videoMode_) windows_.videoBackTenSeconds();
}

void PlaylistRun::videoClosed() {
  videoMode_ = false;
  windows_.setBarVisible(true);
}

// ---- synchronized lines -----------------------------------------------------

void SyncCursor::load(std::vector<SyncLine> lines) {
  lines_ = std::move(lines);
  next_ = 0;
  current_.reset();
}

std::optional<SyncLine> SyncCursor::advance(double seconds) {
  if (next_ >= lines_.size() || !(seconds > lines_[next_].seconds)) return std::nullopt;
  current_ = lines_[next_++];
  return current_;
}

void SyncCursor::rewind() {
  next_ = 0;
  current_.reset();
}

BackTenSeconds backTenSeconds(long long positionMs, long long selectionStartMs) {
  if (positionMs - 10000 >= 0) return {positionMs - 10000, false};
  return {selectionStartMs, true};
}

}  // namespace tavo::player::playlist
