#pragma once
// Set windows made on first use: the bar holds these ports from the start, and
// the real window (its controls, pictures and sound) is built only when a link
// first opens a set. Until then nothing is visible, so closing, pausing or
// moving it has nothing to do.

#include <functional>
#include <string>

#include "player/bar/BarPeers.h"

namespace tavo::player {

template <class Port>
class LazySetWindowBase : public Port {
 public:
  explicit LazySetWindowBase(std::function<Port&()> make) : make_(std::move(make)) {}

  bool isVisible() const override { return made_ && made_->isVisible(); }
  void close() override {
    if (made_) made_->close();
  }
  void setGeometry(const layout::Rect& rect) override { window().setGeometry(rect); }
  void setTop(int top) override {
    if (made_) made_->setTop(top);
  }
  void setFolder(const std::string& setFolder) override { window().setFolder(setFolder); }
  void show() override { window().show(); }
  // True once the window exists.
  bool made() const { return made_ != nullptr; }

 protected:
  Port& window() {
    if (!made_) {
      made_ = &make_();
      madeNow(*made_);
    }
    return *made_;
  }
  Port* made_ = nullptr;

 private:
  virtual void madeNow(Port&) {}
  std::function<Port&()> make_;
};

class LazySlideshowWindow final : public LazySetWindowBase<SlideshowWindowPort> {
 public:
  using LazySetWindowBase::LazySetWindowBase;
  void pause() override {
    if (made_) made_->pause();
  }
  void resumeCycle() override {
    if (made_) made_->resumeCycle();
  }
};

class LazyThumbnailViewer final : public LazySetWindowBase<ThumbnailViewerPort> {
 public:
  using LazySetWindowBase::LazySetWindowBase;
  void setMainWindow(QWidget* bar) override {
    bar_ = bar;
    if (made_) made_->setMainWindow(bar);
  }

 private:
  void madeNow(ThumbnailViewerPort& viewer) override {
    if (bar_) viewer.setMainWindow(bar_);
  }
  QWidget* bar_ = nullptr;
};

}  // namespace tavo::player
