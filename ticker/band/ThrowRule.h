#pragma once
// What a throw does to the band: a grab that goes down at one x and comes up
// at another sets the band's direction and speed from the throw's length.

#include "ticker/band/ScrollTypes.h"

namespace tavo::ticker {

struct Motion {
  TScrollDirection direction = TScrollDirection::sdRightLeft;
  TScrollSpeed speed = TScrollSpeed::speed3_Normal;
  friend bool operator==(const Motion&, const Motion&) = default;
};

// The motion after a grab released at upX that went down at downX.
// - No movement: the motion stays as it was.
// - A throw against the band's direction reverses it at one of three slow
//   speeds: 1..25 px very slow, 26..50 slow, longer normal.
// - A throw along the band's direction sets the speed by its length, 25 px per
//   step: 1..25 px very slow, 26..50 slow, ..., above 225 the fastest.
Motion throwMotion(Motion before, int downX, int upX);

}  // namespace tavo::ticker
