#pragma once
// The video window made on first use: the runner and the bar hold this port
// from the start, and the window (its controls, and later its media player) is
// built when an item is first played in it. Until then it is not visible and
// has no question panel, so every other request has nothing to act on.

#include <functional>

#include "player/bar/BarPeers.h"

namespace tavo::player {

class LazyVideoWindow final : public VideoWindowPort {
 public:
  explicit LazyVideoWindow(std::function<VideoWindowPort&()> make) : make_(std::move(make)) {}

  bool made() const { return made_ != nullptr; }

  bool isVisible() const override { return made_ && made_->isVisible(); }
  void startItem(const playlist::VideoRequest& request) override { window().startItem(request); }
  void restart() override {
    if (made_) made_->restart();
  }
  void pause() override {
    if (made_) made_->pause();
  }
  void doubleRate() override {
    if (made_) made_->doubleRate();
  }
  void backTenSeconds() override {
    if (made_) made_->backTenSeconds();
  }
  void closeVideo() override {
    if (made_) made_->closeVideo();
  }
  QString promptLink() const override { return made_ ? made_->promptLink() : QString(); }
  QString promptText() const override { return made_ ? made_->promptText() : QString(); }
  QSize windowSize() const override { return made_ ? made_->windowSize() : QSize(); }
  QSize promptPanelSize() const override { return made_ ? made_->promptPanelSize() : QSize(); }
  void showPromptPanel(QPoint topLeft, const QString& question) override {
    if (made_) made_->showPromptPanel(topLeft, question);
  }
  void hidePromptPanel() override {
    if (made_) made_->hidePromptPanel();
  }
  void giveFocus() override {
    if (made_) made_->giveFocus();
  }
  void bringToFront() override {
    if (made_) made_->bringToFront();
  }

 private:
  VideoWindowPort& window() {
    if (!made_) made_ = &make_();
    return *made_;
  }
  std::function<VideoWindowPort&()> make_;
  VideoWindowPort* made_ = nullptr;
};

}  // namespace tavo::player
