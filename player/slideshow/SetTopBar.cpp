#include "player/slideshow/SetTopBar.h"

#include <QLabel>
#include <QToolButton>

#include "player/bar/Glyphs.h"
#include "player/logic/PictureLayout.h"
#include "player/slideshow/SetWindowHost.h"

namespace tavo::player::pictures {

namespace {

QToolButton* flatButton(QWidget* parent, const char* name, QSize size, glyphs::Glyph glyph, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->resize(size);
  b->setIcon(QIcon(glyphs::glyph(glyph, size)));
  b->setIconSize(size);
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  b->setToolTip(hint);
  return b;
}

}  // namespace

SetTopBar::SetTopBar(QWidget* window) {
  using glyphs::Glyph;
  PnTop = new QLabel(window);
  PnTop->setObjectName("PnTop");
  PnTop->setAutoFillBackground(true);
  PnTop->setAlignment(Qt::AlignCenter);
  PnTop->setTextFormat(Qt::PlainText);  // captions come from the presentation: shown as written
  QPalette p = PnTop->palette();
  p.setColor(QPalette::Window, QColor(236, 236, 242));
  p.setColor(QPalette::WindowText, Qt::black);
  PnTop->setPalette(p);
  QFont bold = PnTop->font();
  bold.setBold(true);
  PnTop->setFont(bold);
  PnTop->setGeometry(0, 0, window->width(), kTopBarHeight);

  LbImageNum = new QLabel(PnTop);
  LbImageNum->setObjectName("LbImageNum");
  LbImageNum->setTextFormat(Qt::PlainText);
  LbImageNum->move(kImageNumLeft, 3);

  const QSize step(kStepButtonWidth, kStepButtonHeight), small(kSmallButtonWidth, kSmallButtonHeight);
  BtnPrev = flatButton(PnTop, "BtnPrev", step, Glyph::RewindPlaylist, {});
  BtnNext = flatButton(PnTop, "BtnNext", step, Glyph::FastForwardPlaylist, {});
  BtnPause = flatButton(PnTop, "BtnPause", step, Glyph::PausePlaylist, "Pause");
  BtnPlay = flatButton(PnTop, "BtnPlay", step, Glyph::PlayPlaylist, "Play");
  BtnMinimize = flatButton(PnTop, "BtnMinimize", small, Glyph::Minimize, {});
  BtnClose = flatButton(PnTop, "BtnClose", small, Glyph::Close, {});

  LbPaused = new QLabel("(Paused)", PnTop);
  LbPaused->setObjectName("LbPaused");
  QPalette maroon = LbPaused->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  LbPaused->setPalette(maroon);
  LbPaused->setFont(bold);
  LbPaused->adjustSize();
  LbPaused->hide();
}

void SetTopBar::setWidth(int width) { PnTop->setGeometry(0, 0, width, kTopBarHeight); }

void SetTopBar::layOut(int screenWidth, const SetWindowHost& host) {
  const TopBar t = topBar(screenWidth, host.menuImageLeft(), host.menuImageWidth());
  const int stepTop = (kTopBarHeight - kStepButtonHeight) / 2;
  const int smallTop = (kTopBarHeight - kSmallButtonHeight) / 2;
  BtnClose->move(t.closeLeft, smallTop);
  BtnMinimize->move(t.minimizeLeft, smallTop);
  BtnNext->move(t.nextLeft, stepTop);
  BtnPrev->move(t.prevLeft, stepTop);
  BtnPause->move(t.pauseLeft, stepTop);
  BtnPlay->move(t.playLeft, stepTop);
}

void SetTopBar::showRunning() {
  BtnPlay->hide();
  BtnPause->show();
  LbPaused->hide();
}

void SetTopBar::showPaused() {
  BtnPause->hide();
  BtnPlay->show();
  LbPaused->move(pausedLabelLeft(BtnPause->x(), LbPaused->width()), (kTopBarHeight - LbPaused->height()) / 2);
  LbPaused->show();
}

}  // namespace tavo::player::pictures
