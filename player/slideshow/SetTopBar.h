#pragma once
// The top bar both picture windows share: 20 pixels high, colour 236/236/242,
// bold black caption centred, the picture number at the left, the step and
// pause buttons under the bar's menu picture and the window buttons at the
// right end of the screen.

#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace tavo::player::pictures {

class SetWindowHost;

class SetTopBar {
 public:
  explicit SetTopBar(QWidget* window);

  // Places the buttons by the screen width and the bar's menu picture.
  void layOut(int screenWidth, const SetWindowHost& host);
  void setWidth(int width);
  // Pause shown: the Pause button visible, Play and "(Paused)" hidden; or the reverse.
  void showRunning();
  void showPaused();

  QLabel* PnTop;
  QLabel* LbImageNum;
  QToolButton* BtnPrev;
  QToolButton* BtnNext;
  QToolButton* BtnPause;
  QToolButton* BtnPlay;
  QLabel* LbPaused;
  QToolButton* BtnMinimize;
  QToolButton* BtnClose;
};

}  // namespace tavo::player::pictures
