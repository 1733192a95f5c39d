#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/logic/BarLayout.h"

namespace tavo::player::layout {
namespace {

// Caption lengths as the form measures them, from the captions themselves.
std::vector<int> lengths(std::initializer_list<const char*> captions) {
  std::vector<int> out;
  for (const char* c : captions) out.push_back(static_cast<int>(std::string(c).size()));
  return out;
}

TEST(BarLayout, TextSizeSetsFontBarHeightAndTickerRow) {
  struct Case {
    const char* size;
    TextSizeLayout expected;
  } cases[] = {{"Small", {9, 50, 26, 21}}, {"Large", {14, 50, 20, 29}}, {"Jumbo", {27, 74, 24, 47}},
               {"jumbo", {14, 50, 20, 29}},  // compared with case: anything else is Large
               {"", {14, 50, 20, 29}}};
  for (const auto& c : cases) {
    const TextSizeLayout l = textSizeLayout(c.size);
    EXPECT_EQ(l.fontSize, c.expected.fontSize) << c.size;
    EXPECT_EQ(l.barHeight, c.expected.barHeight) << c.size;
    EXPECT_EQ(l.tickerTop, c.expected.tickerTop) << c.size;
    EXPECT_EQ(l.tickerHeight, c.expected.tickerHeight) << c.size;
  }
}

TEST(BarLayout, ButtonWidthsFollowTheCaptionLength) {
  struct Case {
    int length;
    bool bold;
    int width;
  } cases[] = {{1, false, 76},  {6, false, 76},  {6, true, 76},    {7, false, 76},  {10, false, 82},
               {10, true, 96},  {14, false, 90}, {15, false, 116}, {20, false, 126}, {20, true, 160}};
  for (const auto& c : cases) EXPECT_EQ(buttonWidth(c.length, c.bold), c.width) << c.length << " " << c.bold;
}

TEST(BarLayout, JumboTextWithTheButtonBarAtTheBottom) {
  const RowTops t = buttonBarPosition("Bottom", "Jumbo");
  ASSERT_TRUE(t.ticker.has_value());
  EXPECT_EQ(*t.ticker, 4);
  EXPECT_EQ(t.tickerButtons, 4);
  EXPECT_EQ(t.bevel, 54);
  EXPECT_EQ(t.buttons, 55);
  EXPECT_EQ(t.subTicker, 55);
  EXPECT_EQ(t.windowButtons, 54);
  EXPECT_EQ(t.playlistButtons, 54);
  EXPECT_EQ(textSizeLayout("Jumbo").barHeight, 74);

  const RowTops large = buttonBarPosition("Left", "Large");  // anything but "Top" puts the buttons below
  EXPECT_EQ(large.bevel, 30);
  EXPECT_EQ(large.buttons, 31);

  const RowTops top = buttonBarPosition("Top", "Jumbo");
  EXPECT_FALSE(top.ticker.has_value());  // the ticker keeps the top its text size gives
  EXPECT_EQ(top.buttons, 2);
  EXPECT_EQ(top.tickerButtons, 27);
  EXPECT_EQ(top.adSponsor, 24);
}

TEST(BarLayout, ArrangeBarPlacesTheRightHandControlsFromTheWindowWidth) {
  const ArrangedBar a = arrangeBar(1920);
  EXPECT_EQ(a.dragLeft, 2);
  EXPECT_EQ(a.closeLeft, 1898);
  EXPECT_EQ(a.minimizeLeft + kWindowButtonSize, a.closeLeft);
  EXPECT_EQ(a.speakerLeft + kSoundWidth + 4, a.minimizeLeft);
  EXPECT_EQ(a.upDownLeft + kUpDownWidth + 2, a.speakerLeft);
  EXPECT_EQ(a.startPlaylistLeft + kStartPlaylistWidth + 4, a.upDownLeft);
  EXPECT_EQ(a.adSponsorLeft, 1920 - 120 - 8);
  EXPECT_EQ(a.menuImageLeft + kMenuImageSize + 4, a.adSponsorLeft);
  EXPECT_EQ(a.searchLeft + kSearchButtonWidth + 4, a.menuImageLeft);
  EXPECT_EQ(a.searchEditLeft, a.searchLeft + kSearchButtonWidth + 4);
  EXPECT_EQ(a.goLeft, a.searchEditLeft + kSearchEditWidth + 4);
}

TEST(BarLayout, PlaceBarDocksOrFallsBackToTheTop) {
  const BarPlacement top = placeBar("Top", 50, 1040);
  EXPECT_EQ(top.top, 0);
  EXPECT_TRUE(top.showDown);
  EXPECT_FALSE(top.showUp);
  EXPECT_EQ(top.childWindowTop, 50);

  const BarPlacement bottom = placeBar("Bottom", 74, 1040);
  EXPECT_EQ(bottom.top, 1040 - 74);
  EXPECT_TRUE(bottom.showUp);
  EXPECT_EQ(bottom.childWindowTop, 0);

  const BarPlacement noWorkArea = placeBar("Bottom", 50, std::nullopt);
  EXPECT_FALSE(noWorkArea.top.has_value());  // keeps its top

  const BarPlacement random = placeBar("Random", 50, 1040);
  EXPECT_EQ(random.align, BarPlacement::Align::Top);
  EXPECT_EQ(random.tickerPosition, "Random");

  for (const char* other : {"Left", "top", ""}) {
    const BarPlacement p = placeBar(other, 50, 1040);
    EXPECT_EQ(p.align, BarPlacement::Align::Top) << other;
    EXPECT_EQ(p.tickerPosition, "Top") << other;  // stored back as "Top"
  }
}

TEST(BarLayout, TheTickerStartsWithAGapOfNineTenthsOfItsWidth) {
  EXPECT_EQ(tickerGap(600), 540);
  EXPECT_EQ(tickerGap(601), 540);
  const ArrangedBar a = arrangeBar(1920);
  EXPECT_EQ(tickerWidth(a.searchLeft), a.searchLeft - 106);
}

TEST(BarLayout, ButtonsRunFrom64AndOverflowIntoTheMenu) {
  // A narrow bar: the row ends 2 pixels before the Play button at 500.
  const int startLeft = 500;
  const std::vector<int> captions = lengths({"News", "Sport", "Weather", "Tides", "Events", "Shops", "", "", "", ""});
  const ButtonRow plain = buttonRow(captions, false, false, startLeft);
  EXPECT_EQ(plain.bevelWidth, 500 - 48 - 2);
  EXPECT_EQ(plain.buttons[0].left, 64);
  EXPECT_EQ(plain.buttons[1].left, 64 + 76 + 1);
  EXPECT_EQ(plain.buttons[2].left, 64 + 2 * 77);
  EXPECT_EQ(plain.buttons[2].width, 76);  // 7 characters: 2 * 7 + 62
  // Bevel right 498; button 5 ends at 64 + 5 * 77 - 1 = 448, 498 - 448 - 2 >= 0 fits; button 6 ends 525.
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(plain.buttons[i].visible) << i;
  EXPECT_FALSE(plain.buttons[5].visible);
  EXPECT_TRUE(plain.buttons[5].inMenu);
  EXPECT_TRUE(plain.menuButtonVisible);
  EXPECT_EQ(plain.menuButtonLeft, 64 + 5 * 77);
  EXPECT_EQ(plain.runningRight, plain.menuButtonLeft + 17);
  EXPECT_FALSE(plain.buttons[6].visible || plain.buttons[6].inMenu);  // no caption: hidden, not in the menu
  EXPECT_EQ(plain.subTickerLeft, plain.runningRight + 2);

  // With a streaming ad, 120 pixels stay free: buttons 4 and 5 move to the menu as well.
  const ButtonRow ad = buttonRow(captions, false, true, startLeft);
  EXPECT_TRUE(ad.buttons[2].visible);  // ends at 64 + 3 * 77 - 1 = 294; 498 - 294 - 2 = 202 >= 120
  EXPECT_TRUE(ad.buttons[3].visible);  // ends 371; 498 - 371 - 2 = 125 >= 120
  EXPECT_TRUE(ad.buttons[4].inMenu);   // ends 448; 48 < 120
  EXPECT_TRUE(ad.buttons[5].inMenu);   // later buttons count from the hidden one: all go to the menu
  EXPECT_EQ(ad.menuButtonLeft, 64 + 4 * 77);
  EXPECT_EQ(ad.subTickerLeft, ad.menuButtonLeft + 17 + 2);
  EXPECT_EQ(ad.subTickerWidth, 498 - ad.subTickerLeft - 2);
}

TEST(BarLayout, AButtonWithoutCaptionTakesNoRoom) {
  const ButtonRow row = buttonRow(lengths({"One", "Two", "", "Four"}), false, false, 1500);
  EXPECT_TRUE(row.buttons[0].visible);
  EXPECT_TRUE(row.buttons[1].visible);
  EXPECT_FALSE(row.buttons[2].visible);
  EXPECT_TRUE(row.buttons[3].visible);
  EXPECT_EQ(row.buttons[3].left, row.buttons[1].left + row.buttons[1].width + 1);

  // Many empty buttons between two placed ones, and an empty first button.
  const ButtonRow sparse = buttonRow({3, 0, 0, 0, 0, 0, 0, 0, 0, 12}, false, false, 1500);
  EXPECT_EQ(sparse.buttons[9].left, 64 + 76 + 1);
  EXPECT_EQ(sparse.buttons[9].width, 2 * 12 + 62);
  EXPECT_EQ(sparse.runningRight, sparse.buttons[9].left + sparse.buttons[9].width);
  const ButtonRow noFirst = buttonRow({0, 5}, false, false, 1500);
  EXPECT_FALSE(noFirst.buttons[0].visible);
  EXPECT_EQ(noFirst.buttons[1].left, 64);
}

TEST(BarLayout, TheFirstButtonNeverGoesToTheMenu) {
  const ButtonRow row = buttonRow(lengths({"A very long caption that is wide"}), true, true, 150);
  EXPECT_TRUE(row.buttons[0].visible);
  EXPECT_FALSE(row.menuButtonVisible);
  const ButtonRow none = buttonRow(lengths({"", "", ""}), false, false, 600);
  EXPECT_EQ(none.subTickerLeft, kBevelLeft + 2);
}

TEST(BarLayout, MediaButtonsRunLeftFromThePlayButtonsRightEdge) {
  const ButtonRow row = buttonRow({}, false, false, 1000);
  EXPECT_EQ(row.ffLeft + kMediaButtonWidth, 1000 + kStartPlaylistWidth);
  EXPECT_EQ(row.rewindLeft, row.ffLeft - 25);
  EXPECT_EQ(row.stopLeft, row.rewindLeft - 25);
  EXPECT_EQ(row.playLeft, row.stopLeft - 25);
  EXPECT_EQ(row.pauseLeft, row.playLeft - 25);
}

TEST(BarLayout, PanelLabelCentresOrScrollsUntilItsEndIsInside) {
  EXPECT_EQ(panelLabel(100, 600).left, 250);
  EXPECT_FALSE(panelLabel(100, 600).scrolls);
  EXPECT_TRUE(panelLabel(594, 600).scrolls);
  EXPECT_EQ(panelLabel(594, 600).left, 3);
  EXPECT_EQ(panelLabelTick(3, 610, 600), -1);
  EXPECT_EQ(panelLabelTick(-6, 610, 600), -10);
  EXPECT_EQ(panelLabelTick(-10, 610, 600), std::nullopt);  // right edge at 600: inside
}

TEST(BarLayout, WindowsOpenBelowATopBarOrAtTheTopOfTheScreen) {
  EXPECT_EQ(slideshowGeometry("Top", 1920, 1080, 50), (Rect{0, 50, 1920, 1030}));
  EXPECT_EQ(slideshowGeometry("Bottom", 1920, 1080, 50), (Rect{0, 0, 1920, 1030}));
  EXPECT_EQ(thumbnailGeometry("Top", 1920, 1080, 1040, 74), (Rect{0, 74, 1920, 966}));
  EXPECT_EQ(thumbnailGeometry("Bottom", 1920, 1080, 1040, 50), (Rect{0, 0, 1920, 990}));
  EXPECT_EQ(browserGeometry(1920, 1080, 50), (Rect{0, 50, 1920, 1030}));
}

TEST(BarLayout, ThePromptPanelIsCentredWithHalvesToEven) {
  EXPECT_EQ(promptPanelPosition(400, 300, 200, 100), (Point{100, 80}));
  EXPECT_EQ(promptPanelPosition(401, 300, 200, 100), (Point{100, 80}));  // 100.5 -> 100
  EXPECT_EQ(promptPanelPosition(403, 303, 200, 100), (Point{102, 82}));  // 101.5 -> 102
}

}  // namespace
}  // namespace tavo::player::layout
