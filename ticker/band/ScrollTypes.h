#pragma once
// Direction and speed of a ticker band, and the speed table that turns a speed
// into the scroll timer's tick and the pixels moved per tick.

#include <array>

namespace tavo::ticker {

enum class TScrollDirection { sdRightLeft, sdLeftRight };

// Ten speeds; the last six are all "very fast" and differ only in their step.
enum class TScrollSpeed {
  speed1_VerySlow,
  speed2_Slow,
  speed3_Normal,
  speed4_Fast,
  speed5_VeryFast,
  speed6_VeryFast,
  speed7_VeryFast,
  speed8_VeryFast,
  speed9_VeryFast,
  speed10_VeryFast,
};

constexpr int kSpeedCount = 10;

// Interval of the scroll timer of a new control, before the first paint or
// speed change sets it from the table.
constexpr int kCreationTickMs = 100;

struct SpeedEntry {
  int tickMs;  // interval of the scroll timer
  int step;    // pixels the band moves per tick
};

// By position 0..9: only the slowest speed ticks more slowly; the step is the
// position from 2 on and 1 below that.
constexpr std::array<SpeedEntry, kSpeedCount> kSpeedTable{{
    {110, 1},
    {50, 1},
    {50, 2},
    {50, 3},
    {50, 4},
    {50, 5},
    {50, 6},
    {50, 7},
    {50, 8},
    {50, 9},
}};

constexpr int speedPosition(TScrollSpeed speed) { return static_cast<int>(speed); }

// The speed at a position; positions outside 0..9 are clamped to the nearest end.
constexpr TScrollSpeed speedAtPosition(int position) {
  if (position < 0) position = 0;
  if (position > kSpeedCount - 1) position = kSpeedCount - 1;
  return static_cast<TScrollSpeed>(position);
}

constexpr SpeedEntry speedEntry(TScrollSpeed speed) { return kSpeedTable[speedPosition(speed)]; }

}  // namespace tavo::ticker
