#include "ticker/band/ThrowRule.h"

#include <algorithm>
#include <cstdint>

namespace tavo::ticker {

Motion throwMotion(Motion before, int downX, int upX) {
  const std::int64_t d = std::int64_t(upX) - downX;
  if (d == 0) return before;
  const std::int64_t distance = d < 0 ? -d : d;
  const TScrollDirection along = d < 0 ? TScrollDirection::sdRightLeft : TScrollDirection::sdLeftRight;
  if (before.direction != along) {
    // Reversed: a short throw turns the band round gently.
    const int position = distance <= 25 ? 0 : distance <= 50 ? 1 : 2;
    return {along, speedAtPosition(position)};
  }
  const std::int64_t position = std::min<std::int64_t>((distance - 1) / 25, kSpeedCount - 1);
  return {along, speedAtPosition(static_cast<int>(position))};
}

}  // namespace tavo::ticker
