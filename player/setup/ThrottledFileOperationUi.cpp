#include "player/setup/ThrottledFileOperationUi.h"

namespace tavo::player {

void ThrottledFileOperationUi::begin(const QString& title) {
  any_ = false;
  real_.begin(title);
}

bool ThrottledFileOperationUi::progress(const QString& entryName) {
  const Clock::time_point now = now_();
  if (any_ && now - last_ < interval_) return true;
  any_ = true;
  last_ = now;
  return real_.progress(entryName);
}

}  // namespace tavo::player
