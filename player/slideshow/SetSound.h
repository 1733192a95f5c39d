#pragma once
// The background sound of a set while its window is open: started at the
// opening when the set names an existing sound file, paused and resumed with
// the window's buttons, played again when it ends as the window's repetition
// rule says, and stopped at the closing.

#include <QString>

#include "player/logic/PictureSteps.h"

namespace tavo::player::pictures {

class SoundPlayer;

class SetSound {
 public:
  SetSound(SoundPlayer& player, SoundRepetition::Kind kind) : player_(player), repetition_(kind) {}
  // Starts the sound in `path` when that is an existing file; otherwise the set is silent.
  void start(const QString& path);
  void pause();
  void resume();
  void stop();
  bool playing() const { return active_; }

 private:
  void ended();

  SoundPlayer& player_;
  SoundRepetition repetition_;
  bool active_ = false;
};

}  // namespace tavo::player::pictures
