#pragma once
// A progress window that is updated at most once per interval: a copy of
// thousands of small files would otherwise spend a good part of its time
// redrawing the window and running the event loop for every entry. Cancel is
// still seen within one interval (plus the entry being copied), and the
// questions (replace, delete) always reach the real window.

#include <chrono>
#include <functional>

#include "platform/TFileOperation.h"

namespace tavo::player {

class ThrottledFileOperationUi : public platform::FileOperationUi {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kDefaultInterval{40};

  explicit ThrottledFileOperationUi(platform::FileOperationUi& real,
                                    std::chrono::milliseconds interval = kDefaultInterval,
                                    std::function<Clock::time_point()> now = &Clock::now)
      : real_(real), interval_(interval), now_(std::move(now)) {}

  void begin(const QString& title) override;
  // Passes the entry on when the interval has passed since the last one
  // passed on (the first always is); false once the user cancelled.
  bool progress(const QString& entryName) override;
  void end() override { real_.end(); }
  Answer confirmReplace(const QString& target) override { return real_.confirmReplace(target); }
  Answer confirmDelete(const QString& path) override { return real_.confirmDelete(path); }

 private:
  platform::FileOperationUi& real_;
  std::chrono::milliseconds interval_;
  std::function<Clock::time_point()> now_;
  bool any_ = false;
  Clock::time_point last_{};
};

}  // namespace tavo::player
