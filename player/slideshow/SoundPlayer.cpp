#include "player/slideshow/SoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace tavo::player::pictures {

MultimediaSoundPlayer::MultimediaSoundPlayer() = default;

MultimediaSoundPlayer::~MultimediaSoundPlayer() {
  if (player_) player_->stop();
}

void MultimediaSoundPlayer::open(const QString& path) {
  if (!player_) {
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    QObject::connect(player_.get(), &QMediaPlayer::mediaStatusChanged, [this](QMediaPlayer::MediaStatus s) {
      if (s == QMediaPlayer::EndOfMedia && onEnded) onEnded();
    });
  }
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(path));
}

void MultimediaSoundPlayer::play() {
  if (!player_) return;
  player_->setPosition(0);
  player_->play();
}

void MultimediaSoundPlayer::pause() {
  if (player_ && player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
}

void MultimediaSoundPlayer::resume() {
  if (player_ && player_->playbackState() == QMediaPlayer::PausedState) player_->play();
}

void MultimediaSoundPlayer::close() {
  if (!player_) return;
  player_->stop();
  player_->setSource(QUrl());
}

}  // namespace tavo::player::pictures
