#include "player/logic/BarLayout.h"

#include <cmath>

namespace tavo::player::layout {

TextSizeLayout textSizeLayout(std::string_view size) {
  if (size == "Small") return {9, 50, 26, 21};
  if (size == "Jumbo") return {27, 74, 24, 47};
  return {14, 50, 20, 29};
}

ArrangedBar arrangeBar(int w) {
  ArrangedBar a{};
  a.dragLeft = 2;
  a.closeLeft = w - 22;
  a.minimizeLeft = a.closeLeft - kWindowButtonSize;
  a.speakerLeft = a.minimizeLeft - 4 - kSoundWidth;
  a.upDownLeft = a.speakerLeft - 2 - kUpDownWidth;
  a.startPlaylistLeft = a.upDownLeft - 4 - kStartPlaylistWidth;
  a.adSponsorLeft = w - kAdSponsorWidth - 8;
  a.menuImageLeft = a.adSponsorLeft - 4 - kMenuImageSize;
  a.searchLeft = a.menuImageLeft - 4 - kSearchButtonWidth;
  a.searchEditLeft = a.searchLeft + kSearchButtonWidth + 4;
  a.goLeft = a.searchEditLeft + kSearchEditWidth + 4;
  return a;
}

RowTops buttonBarPosition(std::string_view location, std::string_view size) {
  RowTops t{};
  if (location == "Top") {
    t.bevel = 1;
    t.buttons = t.menuButton = t.upDown = t.sound = 2;
    t.subTicker = 3;
    t.windowButtons = 4;
    t.drag = 5;
    t.playlistButtons = 1;
    t.tickerButtons = t.search = t.searchEdit = 27;
    t.go = 26;
    t.adSponsor = t.menuImage = 24;
    return t;
  }
  t.ticker = 4;
  t.tickerButtons = t.search = t.searchEdit = 4;
  t.go = 3;
  t.adSponsor = t.menuImage = 2;
  const int r = size == "Jumbo" ? 54 : 30;
  t.bevel = r;
  t.buttons = t.menuButton = t.subTicker = r + 1;
  t.upDown = t.sound = t.windowButtons = t.playlistButtons = r;
  t.drag = 5;  // the drag button stays where it is
  return t;
}

BarPlacement placeBar(std::string_view position, int barHeight, std::optional<int> workAreaBottom) {
  BarPlacement p;
  p.tickerPosition = std::string(position);
  if (position == "Top") {
    p.left = 0;
    p.top = 0;
    p.showDown = true;
    p.childWindowTop = barHeight;
  } else if (position == "Bottom") {
    p.left = 0;
    if (workAreaBottom) p.top = *workAreaBottom - barHeight;
    p.showUp = true;
    p.childWindowTop = 0;
  } else if (position == "Random") {
    p.align = BarPlacement::Align::Top;
  } else {
    p.align = BarPlacement::Align::Top;
    p.tickerPosition = "Top";
  }
  return p;
}

int buttonWidth(int length, bool bold) {
  if (length <= 6) return 76;
  if (length <= 14) return 2 * length + (bold ? 76 : 62);
  return 2 * length + (bold ? 120 : 86);
}

ButtonRow buttonRow(const std::vector<int>& captionLengths, bool bold, bool streamingAd, int startPlaylistLeft) {
  ButtonRow row;
  row.bevelWidth = startPlaylistLeft - kBevelLeft - 2;
  const int bevelRight = row.bevelLeft + row.bevelWidth;
  const int reserve = streamingAd ? kStreamingAdReserve : 0;
  row.runningRight = kBevelLeft;
  row.buttons.reserve(captionLengths.size());
  // The last button that was placed (shown or moved to the menu); a button
  // without caption is skipped, so its stale geometry never counts.
  std::optional<std::size_t> previous;
  const auto nextLeft = [&] {
    if (!previous) return kFirstButtonLeft;
    const ButtonSlot& p = row.buttons[*previous];
    return p.left + p.width + 1;
  };
  for (std::size_t n = 0; n < captionLengths.size(); ++n) {
    ButtonSlot slot;
    if (captionLengths[n] > 0) {
      slot.visible = true;
      slot.left = nextLeft();
      slot.width = buttonWidth(captionLengths[n], bold);
      row.runningRight = slot.left + slot.width;
      if (n > 0 && bevelRight - row.runningRight - 2 < reserve) {
        slot.visible = false;
        slot.inMenu = true;
        if (!row.menuButtonVisible) {
          row.menuButtonVisible = true;
          row.menuButtonLeft = nextLeft();
        }
        row.runningRight = row.menuButtonLeft + kMenuButtonSize;
      }
    }
    row.buttons.push_back(slot);
    if (slot.visible || slot.inMenu) previous = n;
  }
  row.subTickerLeft = row.runningRight + 2;
  row.subTickerWidth = bevelRight - row.subTickerLeft - 2;
  row.ffLeft = startPlaylistLeft + kStartPlaylistWidth - kMediaButtonWidth;
  row.rewindLeft = row.ffLeft - 2 - kMediaButtonWidth;
  row.stopLeft = row.rewindLeft - 2 - kMediaButtonWidth;
  row.playLeft = row.stopLeft - 2 - kMediaButtonWidth;
  row.pauseLeft = row.playLeft - 2 - kMediaButtonWidth;
  return row;
}

PanelLabel panelLabel(int labelWidth, int panelWidth) {
  if (labelWidth < panelWidth - 6) return {(panelWidth - labelWidth) / 2, false};
  return {3, true};
}

std::optional<int> panelLabelTick(int left, int labelWidth, int panelWidth) {
  if (left + labelWidth <= panelWidth) return std::nullopt;
  return left - 4;
}

Rect slideshowGeometry(std::string_view position, int screenWidth, int screenHeight, int barHeight) {
  return {0, position == "Bottom" ? 0 : barHeight, screenWidth, screenHeight - barHeight};
}

Rect thumbnailGeometry(std::string_view position, int screenWidth, int screenHeight,
                       std::optional<int> workAreaBottom, int barHeight) {
  const int height = (workAreaBottom ? *workAreaBottom : screenHeight) - barHeight;
  return {0, position == "Bottom" ? 0 : barHeight, screenWidth, height};
}

Rect browserGeometry(int screenWidth, int screenHeight, int barHeight) {
  return {0, barHeight, screenWidth, screenHeight - barHeight};
}

Point promptPanelPosition(int windowWidth, int windowHeight, int panelWidth, int panelHeight) {
  const auto half = [](int v) { return static_cast<int>(std::nearbyint(v / 2.0)); };  // ties to even
  return {half(windowWidth - panelWidth), half(windowHeight - panelHeight) - 20};
}

}  // namespace tavo::player::layout
