// The band model: advance and wrap in both directions, the start event,
// composition, skip, hit test, drag and throw, the speed table.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ticker/band/TickerBand.h"

namespace tavo::ticker {
namespace {

using enum TScrollDirection;
using enum TScrollSpeed;

std::vector<Placement> sorted(std::vector<Placement> frame) {
  std::sort(frame.begin(), frame.end(), [](const Placement& a, const Placement& b) { return a.x < b.x; });
  return frame;
}

// The items that reach into a view of width `view`, laid out endlessly with
// item 0's left edge at `item0Left` (any cycle): worked out from the widths
// alone, as a reference for the band's own bookkeeping.
std::vector<Placement> layoutWithItem0At(const std::vector<int>& widths, long long item0Left, int view) {
  long long total = 0;
  for (int w : widths) total += w;
  long long x = item0Left % total;
  if (x > 0) x -= total;
  std::vector<Placement> out;
  for (int i = 0; x < view; i = (i + 1) % int(widths.size())) {
    if (widths[i] > 0 && x + widths[i] > 0) out.push_back({i, int(x)});
    x += widths[i];
  }
  return out;
}

TickerBand paintedBand(std::vector<int> widths, int view) {
  TickerBand band;
  band.setViewWidth(view);
  band.setWidths(std::move(widths));
  band.reset();
  band.beginPaint();
  return band;
}

TEST(SpeedTable, GivesTickAndStepForEveryPosition) {
  const struct {
    TScrollSpeed speed;
    int tickMs, step;
  } cases[] = {
      {speed1_VerySlow, 110, 1}, {speed2_Slow, 50, 1},      {speed3_Normal, 50, 2},    {speed4_Fast, 50, 3},
      {speed5_VeryFast, 50, 4},  {speed6_VeryFast, 50, 5},  {speed7_VeryFast, 50, 6},  {speed8_VeryFast, 50, 7},
      {speed9_VeryFast, 50, 8},  {speed10_VeryFast, 50, 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(speedEntry(c.speed).tickMs, c.tickMs) << speedPosition(c.speed);
    EXPECT_EQ(speedEntry(c.speed).step, c.step) << speedPosition(c.speed);
    EXPECT_EQ(speedAtPosition(speedPosition(c.speed)), c.speed);
  }
  EXPECT_EQ(speedAtPosition(-3), speed1_VerySlow);
  EXPECT_EQ(speedAtPosition(12), speed10_VeryFast);
}

// Pass after pass the band shows exactly the layout that has moved by
// step × passes, whichever item currently leads; it wraps endlessly.
TEST(TickerBandAdvance, EveryPassShowsTheBandMovedByStepInBothDirections) {
  const struct {
    const char* name;
    std::vector<int> widths;
    int view, step;
  } cases[] = {
      {"wider than the view", {50, 30, 20, 90}, 120, 2},
      {"narrower than the view, repeated", {7, 3, 5}, 40, 2},
      {"fast over short items", {9, 12, 10}, 100, 9},
      {"step larger than a 1-pixel gap", {1, 40, 30}, 60, 9},
      {"one item", {25}, 60, 3},
      {"zero-width picture among others", {0, 30, 20}, 70, 4},
  };
  for (const auto& c : cases) {
    long long total = 0;
    for (int w : c.widths) total += w;
    const int passes = int(3 * total / c.step) + 5;  // three times round
    for (const auto direction : {sdRightLeft, sdLeftRight}) {
      TickerBand band = paintedBand(c.widths, c.view);
      // Right to left starts with item 0 at the left edge; left to right with
      // the last item ending at the right edge.
      const long long item0Start = direction == sdRightLeft ? 0 : c.view - total;
      std::vector<Placement> frame;
      for (int k = 0; k < passes; ++k) {
        const auto result = band.pass(direction, true, c.step, frame);
        ASSERT_TRUE(result.drawn);
        const long long moved = (long long)k * c.step;
        const long long item0 = direction == sdRightLeft ? item0Start - moved : item0Start + moved;
        ASSERT_EQ(sorted(frame), layoutWithItem0At(c.widths, item0, c.view))
            << c.name << (direction == sdRightLeft ? " right-to-left" : " left-to-right") << " pass " << k;
        ASSERT_LE(band.offset(), 0);
      }
    }
  }
}

TEST(TickerBandAdvance, AStoppedBandRedrawsInPlace) {
  TickerBand band = paintedBand({50, 30, 20}, 120);
  std::vector<Placement> first, again;
  band.pass(sdRightLeft, false, 5, first);
  for (int k = 0; k < 3; ++k) band.pass(sdRightLeft, false, 5, again);
  EXPECT_EQ(again, first);
  EXPECT_EQ(band.offset(), 0);
}

TEST(TickerBandAdvance, ChangingDirectionKeepsThePicture) {
  for (const auto first : {sdRightLeft, sdLeftRight}) {
    TickerBand band = paintedBand({50, 30, 20, 45}, 130);
    std::vector<Placement> frame, turned;
    for (int k = 0; k < 37; ++k) band.pass(first, true, 3, frame);
    band.pass(first, false, 3, frame);
    const auto other = first == sdRightLeft ? sdLeftRight : sdRightLeft;
    band.pass(other, false, 3, turned);
    EXPECT_EQ(sorted(turned), sorted(frame));
  }
}

TEST(TickerBandAdvance, NothingHappensBeforeTheFirstPaintOrWithoutItems) {
  TickerBand band;
  band.setViewWidth(100);
  band.setWidths({40, 40});
  band.reset();
  std::vector<Placement> frame{{1, 1}};
  EXPECT_FALSE(band.pass(sdRightLeft, true, 2, frame).drawn);
  EXPECT_TRUE(frame.empty());
  EXPECT_EQ(band.headIndex(), -1);
  EXPECT_EQ(band.offset(), 0);

  TickerBand empty;
  empty.setViewWidth(100);
  empty.reset();
  EXPECT_FALSE(empty.beginPaint());
  EXPECT_FALSE(empty.pass(sdLeftRight, true, 2, frame).drawn);
}

TEST(TickerBandCompose, RepeatsNarrowItemsToFillTheViewAndSetsTheOtherEnd) {
  TickerBand band = paintedBand({10, 20}, 100);
  std::vector<Placement> frame;
  ASSERT_TRUE(band.pass(sdRightLeft, false, 1, frame).drawn);
  const std::vector<Placement> expected{{0, 0}, {1, 10}, {0, 30}, {1, 40}, {0, 60}, {1, 70}, {0, 90}};
  EXPECT_EQ(frame, expected);
  // The item that ends exactly at the right edge does not pass beyond it: the
  // next one (at x 100, not visible) is the tail.
  EXPECT_EQ(band.tailIndex(), 1);
  EXPECT_EQ(band.rightEnd(), 120);

  TickerBand leftToRight = paintedBand({30, 50}, 100);
  ASSERT_TRUE(leftToRight.pass(sdLeftRight, false, 1, frame).drawn);
  const std::vector<Placement> fromTheRight{{1, 50}, {0, 20}, {1, -30}};
  EXPECT_EQ(frame, fromTheRight);
  EXPECT_EQ(leftToRight.headIndex(), 1);
  EXPECT_EQ(leftToRight.offset(), -30);
}

TEST(TickerBandCompose, ABandWithoutWidthDrawsNothingAndEnds) {
  for (const auto direction : {sdRightLeft, sdLeftRight}) {
    TickerBand band = paintedBand({0, 0, 0}, 100);
    std::vector<Placement> frame;
    for (int k = 0; k < 5; ++k) EXPECT_FALSE(band.pass(direction, true, 4, frame).drawn);
    EXPECT_TRUE(frame.empty());
    EXPECT_FALSE(band.hitTest(10).has_value());
  }
}

// OnStartScroll: once at the first paint after a reset, then each time item 0
// becomes the head again (every cycle of 90 pixels here), never on a left-to-right band.
TEST(TickerBandStartScroll, RaisedAtFirstPaintAndEachTimeItem0LeadsAgain) {
  for (const int step : {1, 3, 9}) {
    TickerBand band;
    band.setViewWidth(50);
    band.setWidths({30, 30, 30});
    band.reset();
    EXPECT_TRUE(band.beginPaint());
    EXPECT_FALSE(band.beginPaint()) << "a second paint does not start over";
    std::vector<int> startedAt;
    std::vector<Placement> frame;
    for (int k = 1; k <= 4 * 90 / step; ++k)
      if (band.pass(sdRightLeft, true, step, frame).startScroll) startedAt.push_back(k);
    // Item 2's right edge passes 0 once the band has moved more than 90 px
    // before the pass: pass floor(90 m / step) + 2 of cycle m.
    std::vector<int> expected;
    for (int m = 1; m <= 3; ++m) expected.push_back(90 * m / step + 2);
    EXPECT_EQ(startedAt, expected) << "step " << step;
    band.reset();
    EXPECT_TRUE(band.beginPaint()) << "again after a reset";

    int leftToRight = 0;
    for (int k = 0; k < 400; ++k) leftToRight += band.pass(sdLeftRight, true, step, frame).startScroll;
    EXPECT_EQ(leftToRight, 0);
  }
}

TEST(TickerBandSkip, JumpsOneItemAndWrapsAtTheLast) {
  const struct {
    TScrollDirection direction;
    int skips;
    int head, tail;
    bool lastStarted;
  } cases[] = {
      {sdRightLeft, 1, 1, 2, false},
      {sdRightLeft, 2, 2, 2, false},
      {sdRightLeft, 3, 0, 2, true},  // past the last item: item 0 and the start event
      {sdLeftRight, 1, 0, 1, false},
      {sdLeftRight, 3, 0, 2, false},  // below item 0: the last item, no event
  };
  for (const auto& c : cases) {
    TickerBand band = paintedBand({40, 50, 60}, 100);
    bool started = false;
    for (int k = 0; k < c.skips; ++k) started = band.skipItem(c.direction);
    EXPECT_EQ(band.headIndex(), c.head);
    EXPECT_EQ(band.tailIndex(), c.tail);
    EXPECT_EQ(started, c.lastStarted);
    EXPECT_EQ(band.offset(), 0);
    EXPECT_EQ(band.rightEnd(), 100);
  }
  TickerBand unpainted;
  unpainted.setWidths({10});
  EXPECT_FALSE(unpainted.skipItem(sdRightLeft));
  EXPECT_EQ(unpainted.headIndex(), -1);
}

TEST(TickerBandHitTest, FindsTheItemUnderXAcrossTheWrap) {
  // Head item 1 at -10: 1 [-10,20), 2 [20,40), 0 [40,90), 1 [90,120), ... period 100.
  TickerBand band = paintedBand({50, 30, 20}, 120);
  band.skipItem(sdRightLeft);
  std::vector<Placement> frame;
  for (int k = 0; k < 5; ++k) band.pass(sdRightLeft, true, 2, frame);
  ASSERT_EQ(band.headIndex(), 1);
  ASSERT_EQ(band.offset(), -10);
  const struct {
    int x;
    Hit hit;
  } cases[] = {
      {-25, {1, -10}}, {-10, {1, -10}}, {19, {1, -10}}, {20, {2, 20}},   {39, {2, 20}},      {40, {0, 40}},
      {89, {0, 40}},   {90, {1, 90}},   {119, {1, 90}}, {1000, {1, 990}}, {100005, {1, 99990}},
  };
  for (const auto& c : cases) EXPECT_EQ(band.hitTest(c.x), c.hit) << "x " << c.x;
}

TEST(TickerBandDrag, RedrawsAroundTheGrabbedItemAndMovesOnFromThere) {
  TickerBand band = paintedBand({50, 30, 20}, 120);
  band.press(60);
  band.startGrab(60);  // item 1 at [50, 80), 10 px from its left edge
  EXPECT_TRUE(band.dragging());
  EXPECT_EQ(band.grabbedIndex(), 1);
  EXPECT_EQ(band.grabOffset(), 10);

  const struct {
    int x;
    std::vector<Placement> frame;  // sorted by x
    int head, offset, tail, rightEnd;
  } cases[] = {
      {75, {{2, -5}, {0, 15}, {1, 65}, {2, 95}, {0, 115}}, 2, -5, 0, 165},
      {10, {{1, 0}, {2, 30}, {0, 50}, {1, 100}}, 1, 0, 1, 130},  // grabbed item at the left edge: it leads
      {-25, {{2, -5}, {0, 15}, {1, 65}, {2, 95}, {0, 115}}, 1, -35, 0, 165},  // grabbed item out of view
      {100010, {{1, 0}, {2, 30}, {0, 50}, {1, 100}}, 1, 0, 1, 230},  // far off: whole cycles skipped
  };
  for (const auto& c : cases) {
    std::vector<Placement> frame;
    band.dragTo(c.x, frame);
    EXPECT_EQ(sorted(frame), c.frame) << "x " << c.x;
    EXPECT_EQ(band.headIndex(), c.head) << "x " << c.x;
    EXPECT_EQ(band.offset(), c.offset) << "x " << c.x;
    EXPECT_EQ(band.tailIndex(), c.tail) << "x " << c.x;
    EXPECT_EQ(band.rightEnd(), c.rightEnd) << "x " << c.x;
    // Either direction carries on from the dragged picture without a jump.
    for (const auto direction : {sdRightLeft, sdLeftRight}) {
      TickerBand copy = band;
      std::vector<Placement> next;
      copy.pass(direction, false, 2, next);
      EXPECT_EQ(sorted(next), c.frame) << "x " << c.x;
    }
  }
}

TEST(TickerBandDrag, ADragWithoutAGrabDrawsNothing) {
  TickerBand band = paintedBand({50, 30}, 120);
  std::vector<Placement> frame;
  band.press(20);
  band.dragTo(40, frame);
  EXPECT_TRUE(frame.empty());
  EXPECT_EQ(band.offset(), 0);
  EXPECT_TRUE(band.isClickAt(20));
  EXPECT_FALSE(band.isClickAt(21));
  band.releasePress();
  EXPECT_FALSE(band.isClickAt(20));
}

TEST(ThrowRule, SetsDirectionAndSpeedFromTheThrow) {
  const struct {
    Motion before;
    int downX, upX;
    Motion after;
  } cases[] = {
      // the cases users meet
      {{sdRightLeft, speed3_Normal}, 200, 140, {sdRightLeft, speed3_Normal}},      // 60 px left
      {{sdRightLeft, speed3_Normal}, 100, 120, {sdLeftRight, speed1_VerySlow}},    // 20 px right reverses
      {{sdLeftRight, speed1_VerySlow}, 100, 400, {sdLeftRight, speed10_VeryFast}}, // 300 px right
      {{sdRightLeft, speed7_VeryFast}, 80, 80, {sdRightLeft, speed7_VeryFast}},    // released in place
      {{sdLeftRight, speed2_Slow}, 80, 80, {sdLeftRight, speed2_Slow}},
      // along the motion: 25 px per step
      {{sdRightLeft, speed5_VeryFast}, 300, 299, {sdRightLeft, speed1_VerySlow}},
      {{sdRightLeft, speed5_VeryFast}, 300, 275, {sdRightLeft, speed1_VerySlow}},
      {{sdRightLeft, speed5_VeryFast}, 300, 274, {sdRightLeft, speed2_Slow}},
      {{sdRightLeft, speed5_VeryFast}, 300, 250, {sdRightLeft, speed2_Slow}},
      {{sdRightLeft, speed5_VeryFast}, 300, 249, {sdRightLeft, speed3_Normal}},
      {{sdRightLeft, speed1_VerySlow}, 300, 75, {sdRightLeft, speed9_VeryFast}},   // 225
      {{sdRightLeft, speed1_VerySlow}, 300, 74, {sdRightLeft, speed10_VeryFast}},  // 226
      {{sdLeftRight, speed9_VeryFast}, 0, 51, {sdLeftRight, speed3_Normal}},
      {{sdLeftRight, speed9_VeryFast}, 0, 2000000000, {sdLeftRight, speed10_VeryFast}},
      // against the motion: three gentle speeds
      {{sdLeftRight, speed10_VeryFast}, 300, 275, {sdRightLeft, speed1_VerySlow}},
      {{sdLeftRight, speed10_VeryFast}, 300, 274, {sdRightLeft, speed2_Slow}},
      {{sdLeftRight, speed10_VeryFast}, 300, 250, {sdRightLeft, speed2_Slow}},
      {{sdLeftRight, speed10_VeryFast}, 300, 249, {sdRightLeft, speed3_Normal}},
      {{sdLeftRight, speed10_VeryFast}, 1000, -2000, {sdRightLeft, speed3_Normal}},
      {{sdRightLeft, speed1_VerySlow}, 0, 26, {sdLeftRight, speed2_Slow}},
      {{sdRightLeft, speed1_VerySlow}, 0, 51, {sdLeftRight, speed3_Normal}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(throwMotion(c.before, c.downX, c.upX), c.after) << c.downX << " -> " << c.upX;
    TickerBand band = paintedBand({40, 40}, 100);
    band.press(c.downX);
    band.startGrab(c.downX);
    EXPECT_EQ(band.endGrab(c.upX, c.before), c.after);
    EXPECT_FALSE(band.dragging());
  }
}

}  // namespace
}  // namespace tavo::ticker
