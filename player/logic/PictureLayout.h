#pragma once
// Geometry of the two picture windows (slideshow window and thumbnail viewer)
// as plain arithmetic: the top bar's buttons, the thumbnail grid, and where a
// picture goes in its area for each display method. The forms apply these
// numbers; nothing here knows about widgets.

#include <array>

#include "player/logic/BarLayout.h"

namespace tavo::player::pictures {

using layout::Rect;

// ---- the top bar `PnTop` ----
inline constexpr int kTopBarHeight = 20;
inline constexpr int kStepButtonWidth = 23, kStepButtonHeight = 18;   // BtnPrev, BtnNext, BtnPause, BtnPlay
inline constexpr int kSmallButtonWidth = 16, kSmallButtonHeight = 16;  // BtnMinimize, BtnClose
inline constexpr int kImageNumLeft = 8;

struct TopBar {
  int closeLeft, minimizeLeft;
  int nextLeft, prevLeft;
  int pauseLeft, playLeft;
};
// `menuImageLeft` and `menuImageWidth` are those of the bar's `ImgMenu`: the
// previous and next buttons meet under its centre (half its width, halves to
// the even number), the pause button ends 12 pixels left of the previous
// button, and the close button starts 20 pixels before the screen's right edge.
TopBar topBar(int screenWidth, int menuImageLeft, int menuImageWidth);
// "(Paused)" ends 4 pixels left of the pause button.
inline int pausedLabelLeft(int pauseLeft, int labelWidth) { return pauseLeft - 4 - labelWidth; }

// ---- the thumbnail grid, for a window of ww x wh ----
inline constexpr int kThumbsPerScreen = 6;
inline constexpr int kCaptionHeight = 40;
struct ThumbGrid {
  int panelWidth, panelHeight;
  std::array<Rect, kThumbsPerScreen> panels;    // row 1 left to right, then row 2
  std::array<Rect, kThumbsPerScreen> captions;
  int pictureWidth, pictureHeight;              // the picture area inside each panel
};
ThumbGrid thumbGrid(int windowWidth, int windowHeight);

// ---- fitting a picture into its area ----
enum class PictureFit {
  ActualSize,    // own size, centred (what does not fit is cut off around the centre)
  Proportional,  // scaled to fill the area, proportions kept, centred
  Stretch,       // stretched over the whole area
  ShrinkToFit,   // thumbnails: scaled down with proportions kept, never enlarged, centred
};
// The display methods of the settings store: 1 actual size, 2 proportional,
// 3 stretched; any other value is actual size.
PictureFit fitForDisplayMethod(int method);

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};
// How to decode a picture of `picture` pixels for an area of `area` pixels:
// the part of the picture to read (`clip`, in picture pixels), the size to
// decode it at (`decoded`), and where it goes in the area (`target`). The
// decoder never produces more pixels than the area shows.
struct PicturePlan {
  Rect clip;
  Size decoded;
  Rect target;
  bool operator==(const PicturePlan&) const = default;
};
PicturePlan planPicture(Size picture, Size area, PictureFit fit);

}  // namespace tavo::player::pictures
