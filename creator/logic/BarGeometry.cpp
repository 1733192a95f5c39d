#include "creator/logic/BarGeometry.h"

namespace tavo::creator {

int barTop(bool atTop, int screenHeight) { return atTop ? 0 : screenHeight - kBarHeight - kBarBottomGap; }

std::vector<StripButton> topStripLayout(int stripWidth) {
  const int w = (stripWidth - 380) / 5;
  std::vector<StripButton> buttons;
  int x = 0;
  for (int i = 0; i < 4; ++i, x += w) buttons.push_back({x, w});
  for (int i = 0; i < 3; ++i, x += 95) buttons.push_back({x, 95});
  buttons.push_back({x, stripWidth - x});
  return buttons;
}

MenuPoint controlMenuPoint(bool atTop, int screenHeight, int buttonHeight) {
  return atTop ? MenuPoint{0, buttonHeight} : MenuPoint{0, screenHeight - kBarHeight};
}

MenuPoint providerMenuPoint(bool atTop, int screenHeight, int buttonLeft, int buttonTop, int buttonHeight) {
  if (atTop) return {buttonLeft, buttonTop + buttonHeight + 23};
  return {buttonLeft, screenHeight + buttonHeight - kBarHeight + 4};
}

}  // namespace tavo::creator
