#include "ticker/band/TickerBand.h"

#include <algorithm>
#include <limits>

namespace tavo::ticker {

namespace {

int clampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int TickerBand::width(int index) const { return inRange(index) ? widths_[index] : 0; }

void TickerBand::setWidths(std::vector<int> widths) {
  widths_ = std::move(widths);
  total_ = 0;
  for (int& w : widths_) {
    w = std::max(w, 0);
    total_ += w;
  }
}

void TickerBand::setWidth(int index, int width) {
  if (!inRange(index)) return;
  width = std::max(width, 0);
  total_ += width - widths_[index];
  widths_[index] = width;
}

void TickerBand::appendItem(int width) {
  width = std::max(width, 0);
  widths_.push_back(width);
  total_ += width;
}

void TickerBand::clearItems() {
  widths_.clear();
  total_ = 0;
}

void TickerBand::reset() {
  head_ = -1;
  tail_ = -1;
  offset_ = 0;
  rightEnd_ = viewWidth_;
}

bool TickerBand::beginPaint() {
  if (count() == 0) return false;
  bool started = false;
  if (!inRange(head_)) {
    head_ = 0;
    started = true;
  }
  if (!inRange(tail_)) tail_ = count() - 1;
  return started;
}

void TickerBand::place(std::vector<Placement>& frame, int index, std::int64_t x) const {
  const int w = widths_[index];
  if (w > 0 && x < viewWidth_ && x + w > 0) frame.push_back({index, static_cast<int>(x)});
}

TickerBand::PassResult TickerBand::pass(TScrollDirection direction, bool active, int step,
                                        std::vector<Placement>& frame) {
  frame.clear();
  PassResult result;
  const int n = count();
  if (n == 0 || !inRange(head_)) return result;

  if (direction == TScrollDirection::sdRightLeft) {
    // The head item has left the view completely: the next one leads.
    const int w = widths_[head_];
    if (offset_ + w < 0) {
      offset_ += w;
      if (++head_ > n - 1) {
        head_ = 0;
        result.startScroll = true;
      }
    }
    result.drawn = composeRightLeft(frame);
    if (active) offset_ -= step;
  } else {
    if (!inRange(tail_)) tail_ = n - 1;  // items were removed since the last paint
    const int w = widths_[tail_];
    if (rightEnd_ < viewWidth_) rightEnd_ = viewWidth_;
    // The tail item has left the view on the right: the one before it ends the band.
    if (rightEnd_ - w > viewWidth_) {
      tail_ = previous(tail_);
      rightEnd_ -= w;
    }
    result.drawn = composeLeftRight(frame);
    if (active) rightEnd_ += step;
  }
  return result;
}

bool TickerBand::composeRightLeft(std::vector<Placement>& frame) {
  // A band without width would never fill the view.
  if (total_ <= 0) return false;
  int i = head_;
  std::int64_t x = offset_;
  // Whole cycles left of the view draw nothing; the same item starts the next one.
  if (x + total_ <= 0) x += (-x / total_) * total_;
  for (;;) {
    place(frame, i, x);
    x += widths_[i];
    if (x > viewWidth_) break;
    i = next(i);
  }
  tail_ = i;
  rightEnd_ = clampToInt(x);
  return true;
}

bool TickerBand::composeLeftRight(std::vector<Placement>& frame) {
  if (total_ <= 0) return false;
  int i = tail_;
  std::int64_t x = rightEnd_;
  if (x - total_ >= viewWidth_) x -= ((x - viewWidth_) / total_) * total_;
  for (;;) {
    x -= widths_[i];
    place(frame, i, x);
    if (x < 0) break;
    i = previous(i);
  }
  head_ = i;
  offset_ = clampToInt(x);
  return true;
}

bool TickerBand::skipItem(TScrollDirection direction) {
  const int n = count();
  if (n == 0 || !inRange(head_)) return false;
  if (direction == TScrollDirection::sdRightLeft) {
    if (++head_ > n - 1) {
      head_ = 0;
      return true;
    }
    return false;
  }
  tail_ = inRange(tail_) ? previous(tail_) : n - 1;
  return false;
}

std::optional<Hit> TickerBand::hitTest(int x) const {
  if (count() == 0 || !inRange(head_) || total_ <= 0) return std::nullopt;
  int i = head_;
  std::int64_t right = std::int64_t(offset_) + widths_[i];
  if (x - right >= total_) right += ((x - right) / total_) * total_;  // the same item, whole cycles on
  while (right <= x) {
    i = next(i);
    right += widths_[i];
  }
  return Hit{i, clampToInt(right - widths_[i])};
}

void TickerBand::press(int x) {
  pressed_ = true;
  downX_ = x;
}

void TickerBand::startGrab(int x) {
  dragging_ = true;
  downX_ = x;
  pressed_ = true;
  if (const auto hit = hitTest(x)) {
    grabbed_ = hit->index;
    grabOffset_ = x - hit->left;
  } else {
    grabbed_ = -1;
    grabOffset_ = 0;
  }
}

void TickerBand::dragTo(int x, std::vector<Placement>& frame) {
  frame.clear();
  if (!dragging_ || !inRange(grabbed_) || total_ <= 0) return;
  const std::int64_t start = std::int64_t(x) - grabOffset_;

  // Leftwards: the items before the grabbed one, until one reaches the left edge.
  int i = grabbed_;
  std::int64_t p = start;
  if (p - total_ >= viewWidth_) p -= ((p - viewWidth_) / total_) * total_;
  if (p + total_ <= 0) p += (-p / total_) * total_;
  while (p > 0) {
    i = previous(i);
    p -= widths_[i];
    place(frame, i, p);
  }
  head_ = i;
  offset_ = clampToInt(p);

  // Rightwards: the grabbed item and those after it, until one reaches the right edge.
  i = grabbed_;
  p = start;
  if (p + total_ <= 0) p += (-p / total_) * total_;
  if (p - total_ >= viewWidth_) p -= ((p - viewWidth_) / total_) * total_;
  for (;;) {
    place(frame, i, p);
    p += widths_[i];
    if (p >= viewWidth_) break;
    i = next(i);
  }
  tail_ = i;
  rightEnd_ = clampToInt(p);
}

Motion TickerBand::endGrab(int upX, Motion before) {
  dragging_ = false;
  return throwMotion(before, downX_, upX);
}

}  // namespace tavo::ticker
