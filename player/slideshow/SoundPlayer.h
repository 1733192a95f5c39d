#pragma once
// The background sound of a picture window. The Qt Multimedia player behind
// it is created when the first sound is opened, never before: a presentation
// that plays no sound never loads the multimedia back end.

#include <QString>
#include <functional>
#include <memory>

class QMediaPlayer;
class QAudioOutput;

namespace tavo::player::pictures {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Prepares `path` for playing; a file that cannot be played stays silent.
  virtual void open(const QString& path) = 0;
  virtual void play() = 0;    // from the start
  virtual void pause() = 0;
  virtual void resume() = 0;  // goes on where it was paused
  virtual void close() = 0;
  // Called when the sound has played to its end.
  std::function<void()> onEnded;
};

class MultimediaSoundPlayer : public SoundPlayer {
 public:
  MultimediaSoundPlayer();
  ~MultimediaSoundPlayer() override;
  void open(const QString& path) override;
  void play() override;
  void pause() override;
  void resume() override;
  void close() override;
  // Whether the multimedia player exists yet (it is made by the first open).
  bool created() const { return player_ != nullptr; }

 private:
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;
};

}  // namespace tavo::player::pictures
