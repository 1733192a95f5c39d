#include "player/slideshow/SetSound.h"

#include "common/PresentationPath.h"
#include "platform/QtText.h"
#include "player/slideshow/SoundPlayer.h"

namespace tavo::player::pictures {

void SetSound::start(const QString& path) {
  stop();
  if (path.isEmpty() || !isFile(platform::toPath(path))) return;
  active_ = true;
  player_.onEnded = [this] { ended(); };
  player_.open(path);
  repetition_.started();
  player_.play();
}

void SetSound::pause() {
  if (!active_) return;
  repetition_.paused();
  player_.pause();
}

void SetSound::resume() {
  if (!active_) return;
  repetition_.resumed();
  player_.resume();
}

void SetSound::stop() {
  repetition_.closed();
  if (!active_) return;
  active_ = false;
  player_.close();
}

void SetSound::ended() {
  if (active_ && repetition_.ended()) player_.play();
}

}  // namespace tavo::player::pictures
