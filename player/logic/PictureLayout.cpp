#include "player/logic/PictureLayout.h"

#include <algorithm>
#include <cmath>

namespace tavo::player::pictures {

namespace {
int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }
}  // namespace

TopBar topBar(int screenWidth, int menuImageLeft, int menuImageWidth) {
  TopBar t{};
  t.closeLeft = screenWidth - 20;
  t.minimizeLeft = t.closeLeft - kSmallButtonWidth;
  const int centre = menuImageLeft + roundHalfEven(menuImageWidth / 2.0);
  t.nextLeft = centre + 4;
  t.prevLeft = centre - kStepButtonWidth;
  t.pauseLeft = t.prevLeft - 12 - kStepButtonWidth;
  t.playLeft = t.pauseLeft;
  return t;
}

ThumbGrid thumbGrid(int ww, int wh) {
  ThumbGrid g{};
  const int w = roundHalfEven(0.3 * ww);
  const int h = roundHalfEven(0.35 * wh);
  const int gap = (ww - 3 * w) / 4;
  const int step = (wh - 2 * h) / 3;
  g.panelWidth = w;
  g.panelHeight = h;
  const int lefts[3] = {gap, w + 2 * gap, 2 * w + 3 * gap};
  const int tops[2] = {step - 8, 2 * step + h};
  // Row 1's captions hang 8 pixels below v + H (16 below their panels), row 2's 8 below theirs.
  const int captionTops[2] = {step + h + 8, tops[1] + h + 8};
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col) {
      const int i = row * 3 + col;
      g.panels[i] = {lefts[col], tops[row], w, h};
      g.captions[i] = {lefts[col], captionTops[row], w, kCaptionHeight};
    }
  g.pictureWidth = w - 8;
  g.pictureHeight = h - 8;
  return g;
}

PictureFit fitForDisplayMethod(int method) {
  switch (method) {
    case 2:
      return PictureFit::Proportional;
    case 3:
      return PictureFit::Stretch;
    default:
      return PictureFit::ActualSize;
  }
}

PicturePlan planPicture(Size picture, Size area, PictureFit fit) {
  PicturePlan p{};
  const int pw = std::max(picture.width, 0), ph = std::max(picture.height, 0);
  const int aw = std::max(area.width, 0), ah = std::max(area.height, 0);
  p.clip = {0, 0, pw, ph};
  if (pw == 0 || ph == 0 || aw == 0 || ah == 0) {
    p.decoded = {0, 0};
    p.target = {aw / 2, ah / 2, 0, 0};
    return p;
  }
  int w = pw, h = ph;
  switch (fit) {
    case PictureFit::ActualSize: {
      const int cw = std::min(pw, aw), ch = std::min(ph, ah);
      p.clip = {(pw - cw) / 2, (ph - ch) / 2, cw, ch};
      w = cw;
      h = ch;
      break;
    }
    case PictureFit::Stretch:
      w = aw;
      h = ah;
      break;
    case PictureFit::Proportional:
    case PictureFit::ShrinkToFit: {
      double s = std::min(static_cast<double>(aw) / pw, static_cast<double>(ah) / ph);
      if (fit == PictureFit::ShrinkToFit) s = std::min(s, 1.0);
      w = std::clamp(static_cast<int>(std::lround(pw * s)), 1, aw);
      h = std::clamp(static_cast<int>(std::lround(ph * s)), 1, ah);
      break;
    }
  }
  p.decoded = {w, h};
  p.target = {(aw - w) / 2, (ah - h) / 2, w, h};
  return p;
}

}  // namespace tavo::player::pictures
