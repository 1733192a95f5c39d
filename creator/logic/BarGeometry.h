#pragma once
// Where the creator's bar and its pop-up menus go.

#include <vector>

namespace tavo::creator {

inline constexpr int kBarHeight = 75;
inline constexpr int kBarStripHeight = 24;
// The bar at the bottom stays this far above the screen's lower edge.
inline constexpr int kBarBottomGap = 27;

// Top edge of the bar docked at the top or the bottom.
int barTop(bool atTop, int screenHeight);

struct StripButton {
  int left = 0;
  int width = 0;
};

// The top strip's eight buttons: four of (strip - 380) div 5, three of 95
// pixels, and the last one reaching the right edge.
std::vector<StripButton> topStripLayout(int stripWidth);

struct MenuPoint {
  int x = 0;
  int y = 0;
};

// The control menu pops up at the bar's edge facing the screen.
MenuPoint controlMenuPoint(bool atTop, int screenHeight, int buttonHeight);
// The content-provider menu under ("Change C.P." at the top) or over the button.
MenuPoint providerMenuPoint(bool atTop, int screenHeight, int buttonLeft, int buttonTop, int buttonHeight);

}  // namespace tavo::creator
