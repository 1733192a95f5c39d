// The picture windows' geometry: top bar, thumbnail grid, picture fitting.

#include <gtest/gtest.h>

#include "player/logic/PictureLayout.h"

namespace tavo::player::pictures {
namespace {

TEST(PictureTopBar, StepButtonsMeetUnderTheMenuImageAndWindowButtonsEndTheBar) {
  struct Case {
    int screenWidth, menuLeft, menuWidth;
    TopBar expected;  // close, minimize, next, prev, pause, play
  } cases[] = {
      // ImgMenu 24 wide at 1124 (a 1280 bar): centre 1136.
      {1280, 1124, 24, {1260, 1244, 1140, 1113, 1078, 1078}},
      // 27 wide: half of 27 is 13.5, which goes to 14.
      {1280, 1124, 27, {1260, 1244, 1142, 1115, 1080, 1080}},
      // 25 wide: 12.5 goes to the even 12.
      {1920, 1764, 25, {1900, 1884, 1780, 1753, 1718, 1718}},
  };
  for (const Case& c : cases) {
    const TopBar t = topBar(c.screenWidth, c.menuLeft, c.menuWidth);
    SCOPED_TRACE(testing::Message() << c.screenWidth << " " << c.menuWidth);
    EXPECT_EQ(t.closeLeft, c.expected.closeLeft);
    EXPECT_EQ(t.minimizeLeft, c.expected.minimizeLeft);
    EXPECT_EQ(t.nextLeft, c.expected.nextLeft);
    EXPECT_EQ(t.prevLeft, c.expected.prevLeft);
    EXPECT_EQ(t.pauseLeft, c.expected.pauseLeft);
    EXPECT_EQ(t.playLeft, c.expected.playLeft);
    // The previous button's right edge is the centre, the next button starts 4 later,
    // the pause button ends 12 before the previous button.
    EXPECT_EQ(t.prevLeft + kStepButtonWidth + 4, t.nextLeft);
    EXPECT_EQ(t.pauseLeft + kStepButtonWidth + 12, t.prevLeft);
    EXPECT_EQ(t.minimizeLeft + kSmallButtonWidth, t.closeLeft);
  }
  EXPECT_EQ(pausedLabelLeft(1078, 60), 1014);  // right edge 4 pixels left of the pause button
}

TEST(PictureThumbGrid, SixPanelsInTwoRowsWithCaptionsBelow) {
  struct Case {
    int ww, wh;
    int w, h, lefts[3], rowTops[2], captionTops[2];
  } cases[] = {
      {1280, 974, 384, 341, {32, 448, 864}, {89, 535}, {446, 884}},
      {1024, 718, 307, 251, {25, 357, 689}, {64, 395}, {331, 654}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ww << "x" << c.wh);
    const ThumbGrid g = thumbGrid(c.ww, c.wh);
    EXPECT_EQ(g.panelWidth, c.w);
    EXPECT_EQ(g.panelHeight, c.h);
    EXPECT_EQ(g.pictureWidth, c.w - 8);
    EXPECT_EQ(g.pictureHeight, c.h - 8);
    for (int i = 0; i < kThumbsPerScreen; ++i) {
      const int row = i / 3, col = i % 3;
      EXPECT_EQ(g.panels[i], (Rect{c.lefts[col], c.rowTops[row], c.w, c.h})) << i;
      EXPECT_EQ(g.captions[i], (Rect{c.lefts[col], c.captionTops[row], c.w, kCaptionHeight})) << i;
    }
  }
}

TEST(PictureFitting, DisplayMethodsChooseTheFit) {
  EXPECT_EQ(fitForDisplayMethod(1), PictureFit::ActualSize);
  EXPECT_EQ(fitForDisplayMethod(2), PictureFit::Proportional);
  EXPECT_EQ(fitForDisplayMethod(3), PictureFit::Stretch);
  for (int other : {0, 4, -1, 99}) EXPECT_EQ(fitForDisplayMethod(other), PictureFit::ActualSize) << other;
}

TEST(PictureFitting, PlansNeverDecodeMorePixelsThanTheAreaShows) {
  const Size area{1280, 954};
  struct Case {
    const char* what;
    Size picture, area;
    PictureFit fit;
    PicturePlan expected;  // clip, decoded, target
  } cases[] = {
      {"big picture at actual size: its centre", {4000, 3000}, area, PictureFit::ActualSize,
       {{1360, 1023, 1280, 954}, {1280, 954}, {0, 0, 1280, 954}}},
      {"small picture at actual size: centred", {640, 480}, area, PictureFit::ActualSize,
       {{0, 0, 640, 480}, {640, 480}, {320, 237, 640, 480}}},
      {"wide picture taller than the area, actual size", {800, 2000}, area, PictureFit::ActualSize,
       {{0, 523, 800, 954}, {800, 954}, {240, 0, 800, 954}}},
      {"proportional scales down", {4000, 3000}, area, PictureFit::Proportional,
       {{0, 0, 4000, 3000}, {1272, 954}, {4, 0, 1272, 954}}},
      {"proportional also enlarges", {640, 480}, area, PictureFit::Proportional,
       {{0, 0, 640, 480}, {1272, 954}, {4, 0, 1272, 954}}},
      {"stretch fills the area", {640, 480}, area, PictureFit::Stretch,
       {{0, 0, 640, 480}, {1280, 954}, {0, 0, 1280, 954}}},
      {"thumbnail scales down", {640, 480}, {376, 333}, PictureFit::ShrinkToFit,
       {{0, 0, 640, 480}, {376, 282}, {0, 25, 376, 282}}},
      {"thumbnail is never enlarged", {100, 50}, {376, 333}, PictureFit::ShrinkToFit,
       {{0, 0, 100, 50}, {100, 50}, {138, 141, 100, 50}}},
      {"an empty picture decodes nothing", {0, 0}, area, PictureFit::Stretch,
       {{0, 0, 0, 0}, {0, 0}, {640, 477, 0, 0}}},
  };
  for (const Case& c : cases) EXPECT_EQ(planPicture(c.picture, c.area, c.fit), c.expected) << c.what;
}

}  // namespace
}  // namespace tavo::player::pictures
