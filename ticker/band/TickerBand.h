#pragma once
// The band of a ticker: an endless row of items of known widths that moves
// sideways through a view of a given width and wraps from the last item to the
// first. This class decides every position: which item is drawn at which x in
// a pass, how the band advances between passes in either direction, where a
// skip, a hit, a grab and a drag put it. It draws nothing; the widget draws the
// placements it returns.
//
// State (all in view coordinates, x = 0 at the view's left edge):
//   head index, offset      the item that starts the visible band on the left and
//                           the x of its left edge (0 or negative)
//   tail index, right end   the last item drawn on the right and the x just past
//                           its right edge
//   dragging, down x        a grab is in progress; x of the last left press
//   grabbed index, offset   the item under the mouse at the grab and the mouse's
//                           distance from that item's left edge
// A right-to-left band works from the head, a left-to-right band from the tail;
// each pass sets the other end, so the direction can change between any two
// passes without a jump.

#include <cstdint>
#include <optional>
#include <vector>

#include "ticker/band/ScrollTypes.h"
#include "ticker/band/ThrowRule.h"

namespace tavo::ticker {

// One item drawn in a frame: its index and the x of its left edge.
struct Placement {
  int index = 0;
  int x = 0;
  friend bool operator==(const Placement&, const Placement&) = default;
};

// The item under an x, and that item's left edge.
struct Hit {
  int index = 0;
  int left = 0;
  friend bool operator==(const Hit&, const Hit&) = default;
};

class TickerBand {
 public:
  // ---- the items' widths, in band order ------------------------------------
  int count() const { return static_cast<int>(widths_.size()); }
  int width(int index) const;
  std::int64_t totalWidth() const { return total_; }
  void setWidths(std::vector<int> widths);
  void setWidth(int index, int width);
  void appendItem(int width);
  void clearItems();

  // ---- the view ---------------------------------------------------------------
  int viewWidth() const { return viewWidth_; }
  void setViewWidth(int width) { viewWidth_ = width; }

  // ---- state ----------------------------------------------------------------
  int headIndex() const { return head_; }
  int offset() const { return offset_; }
  int tailIndex() const { return tail_; }
  int rightEnd() const { return rightEnd_; }
  bool dragging() const { return dragging_; }
  int downX() const { return downX_; }
  int grabbedIndex() const { return grabbed_; }
  int grabOffset() const { return grabOffset_; }

  // Back to the initial state: head and tail -1, offset 0, right end = the view
  // width. Nothing moves until the next beginPaint().
  void reset();

  // The start of a paint: a head outside the items becomes item 0 and a tail
  // outside them the last item. True when the head was set to item 0, which
  // means the band starts over with the first item (raise the start event).
  bool beginPaint();

  struct PassResult {
    bool drawn = false;        // the frame holds the pass's placements; false: copy nothing
    bool startScroll = false;  // item 0 became the head again (right-to-left wrap)
  };
  // One draw pass: advance the band before drawing (drop the head item that has
  // left on the left, or the tail item that has left on the right), compose the
  // frame, and when `active` move the band by `step` pixels after it. Without
  // items or before the first beginPaint() the pass does nothing. A band whose
  // items add up to no width draws nothing (and never loops). `frame` receives
  // the items that reach into the view, in drawing order; it is cleared first
  // and keeps its capacity, so passes do not allocate.
  PassResult pass(TScrollDirection direction, bool active, int step, std::vector<Placement>& frame);

  // Jumps the band by one item: right-to-left the head moves to the next item
  // (true when that wraps to item 0), left-to-right the tail moves to the
  // previous one. Offset and right end stay. Does nothing before the first paint.
  bool skipItem(TScrollDirection direction);

  // The item under x. Item i covers [left, left + width): the pixel just past
  // an item belongs to the next one. Nothing without items, before the first
  // paint or on a band without width.
  std::optional<Hit> hitTest(int x) const;

  // ---- the mouse --------------------------------------------------------------
  // Every left press records its x, whether or not it starts a grab.
  void press(int x);
  bool pressed() const { return pressed_; }
  // True when a press was recorded and x is its x: a click, not a throw.
  bool isClickAt(int x) const { return pressed_ && x == downX_; }
  // Forgets the press after its release.
  void releasePress() { pressed_ = false; }
  // A grab at x (after press(x)): records the item under x and the mouse's
  // distance from its left edge.
  void startGrab(int x);
  // The band redrawn so that the grabbed item's left edge is at x - grab offset:
  // leftwards from there to the new head, rightwards to the new tail. `frame`
  // receives the placements that reach into the view.
  void dragTo(int x, std::vector<Placement>& frame);
  // Ends the grab released at upX and returns the motion the throw gives.
  Motion endGrab(int upX, Motion before);

 private:
  bool composeRightLeft(std::vector<Placement>& frame);
  bool composeLeftRight(std::vector<Placement>& frame);
  void place(std::vector<Placement>& frame, int index, std::int64_t x) const;
  int next(int index) const { return index + 1 >= count() ? 0 : index + 1; }
  int previous(int index) const { return index <= 0 ? count() - 1 : index - 1; }
  bool inRange(int index) const { return index >= 0 && index < count(); }

  std::vector<int> widths_;
  std::int64_t total_ = 0;
  int viewWidth_ = 0;

  int head_ = -1;
  int offset_ = 0;
  int tail_ = -1;
  int rightEnd_ = 0;
  bool dragging_ = false;
  bool pressed_ = false;
  int downX_ = 0;
  int grabbed_ = -1;
  int grabOffset_ = 0;
};

}  // namespace tavo::ticker
