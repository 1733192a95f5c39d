// The bar's viewing options (speed, sizes, colours and font of the ticker) and
// where the bar and its rows are placed.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "player/bar/BarWidgets.h"
#include "player/bar/Glyphs.h"
#include "player/bar/TFmMain.h"
#include "player/logic/BarLayout.h"
#include "ticker/TQxScroller.h"

namespace tavo::player {

using barwidgets::setLeft;
using barwidgets::setTop;
using barwidgets::toQColor;

// ---------------------------------------------------------------------------
// Viewing options
// ---------------------------------------------------------------------------

void TFmMain::ApplyViewingOptions() {
  SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(CurrentSubscriber)];

  const bool sound = settings_.sound();
  BtnMute->setVisible(sound);
  BtnSpeaker->setVisible(!sound);

  const int speed = ticker::speedPosition(ticker::speedAtPosition(settings_.tickerDataSpeed()));
  setTickerSpeed(speed);
  TimerLbTicker->setInterval(layout::panelScrollInterval(speed));

  buttonTextBold_ = settings_.buttonBarTextBold();
  for (QToolButton* b : Buttons) {
    QFont f = b->font();
    f.setBold(buttonTextBold_);
    b->setFont(f);
  }

  const std::string textSize = settings_.tickerTextSize();
  const layout::TextSizeLayout size = layout::textSizeLayout(textSize);
  TickerFont.setPointSize(size.fontSize);
  resize(width(), size.barHeight);
  setTop(ImgSponsorLogo, layout::logoTop(size.barHeight));
  setTickerRow(size.tickerTop, size.tickerHeight);

  TickerPosition = settings_.tickerPosition();
  PlaceBar();

  TickerFont.setBold(settings_.tickerTextBold());
  TickerFontColor = toQColor(settings_.tickerTextColor());
  SetTickerColors(toQColor(settings_.tickerColor()), TickerFontColor);
  ApplyTickerFont();

  ApplyButtonBarPosition(settings_.buttonBarLocation(), textSize);
}

void TFmMain::SaveViewingOptions() {
  settings_.setTickerDataSpeed(currentTickerSpeed());
  settings_.setTickerPosition(TickerPosition);
  settings_.setSound(!BtnMute->isHidden());
}

// ---------------------------------------------------------------------------
// Layout and placement
// ---------------------------------------------------------------------------

void TFmMain::ArrangeBar() {
  const layout::ArrangedBar a = layout::arrangeBar(width());
  ImgAdSponsor->show();
  setLeft(BtnDrag, a.dragLeft);
  setLeft(BtnClose, a.closeLeft);
  setLeft(BtnMinimize, a.minimizeLeft);
  setLeft(BtnSpeaker, a.speakerLeft);
  setLeft(BtnMute, a.speakerLeft);
  setLeft(BtnDown, a.upDownLeft);
  setLeft(BtnUp, a.upDownLeft);
  setLeft(BtnStartPlayList, a.startPlaylistLeft);
  setLeft(ImgAdSponsor, a.adSponsorLeft);
  setLeft(ImgMenu, a.menuImageLeft);
  setLeft(BtnSearch, a.searchLeft);
  setLeft(EdSearch, a.searchEditLeft);
  setLeft(BtnGo, a.goLeft);
}

void TFmMain::ApplyButtonBarPosition(const std::string& location, const std::string& textSize) {
  const layout::RowTops t = layout::buttonBarPosition(location, textSize);
  setTop(Bevel1, t.bevel);
  for (QToolButton* b : Buttons) setTop(b, t.buttons);
  setTop(BtnMenu, t.menuButton);
  moveSubTickerTop(t.subTicker);
  for (QWidget* w : {BtnUp, BtnDown}) setTop(w, t.upDown);
  for (QWidget* w : {BtnSpeaker, BtnMute}) setTop(w, t.sound);
  for (QWidget* w : {BtnMinimize, BtnClose}) setTop(w, t.windowButtons);
  setTop(BtnDrag, t.drag);
  for (QWidget* w : std::initializer_list<QWidget*>{BtnStartPlayList, BtnPausePlaylist, BtnPlayPlaylist,
                                                    BtnStopPlaylist, BtnRewindPlaylist, BtnFFPlaylist})
    setTop(w, t.playlistButtons);
  for (QWidget* w : {BtnPauseTicker, BtnPlayTicker, BtnNextChannel}) setTop(w, t.tickerButtons);
  setTop(BtnSearch, t.search);
  setTop(EdSearch, t.searchEdit);
  setTop(BtnGo, t.go);
  setTop(ImgAdSponsor, t.adSponsor);
  setTop(ImgMenu, t.menuImage);
  if (t.ticker) moveTickerRowTop(*t.ticker);
}

void TFmMain::PlaceBar() {
  const std::optional<QRect> work = platform_.screen.workArea();
  const std::optional<int> workBottom = work ? std::optional<int>(work->y() + work->height()) : std::nullopt;
  const layout::BarPlacement p = layout::placeBar(TickerPosition, height(), workBottom);
  TickerPosition = p.tickerPosition;
  if (p.align == layout::BarPlacement::Align::Top) {
    alignBar(Align::Top);
    // "Random" keeps the place the alignment gave it, without staying aligned.
    if (TickerPosition == "Random") align_ = Align::None;
  } else {
    align_ = Align::None;
    move(p.left.value_or(x()), p.top.value_or(y()));
  }
  if (p.showUp || p.showDown) {
    BtnUp->setVisible(p.showUp);
    BtnDown->setVisible(p.showDown);
  }
  if (p.childWindowTop) {
    if (peers_.thumbnails) peers_.thumbnails->setTop(*p.childWindowTop);
    if (peers_.slideshow) peers_.slideshow->setTop(*p.childWindowTop);
  }
}

// The window docked at the top or bottom of the work area, as wide as the screen.
void TFmMain::alignBar(Align align) {
  align_ = align;
  const QRect screen = platform_.screen.screenGeometry();
  const QRect area = platform_.screen.workArea().value_or(screen);
  if (align == Align::Top) setGeometry(area.x(), area.y(), area.width(), height());
  if (align == Align::Bottom) setGeometry(area.x(), area.y() + area.height() - height(), area.width(), height());
}

// The bar at the bottom makes room for a set window above it: it leaves its
// docking and sits on the screen's bottom edge.
void TFmMain::moveToScreenBottom() {
  align_ = Align::None;
  update();
  move(x(), screenHeight() - height());
}

void TFmMain::setTickerRow(int top, int height) {
  Ticker->setGeometry(Ticker->x(), top, Ticker->width(), height);
  PnTicker->setGeometry(PnTicker->x(), top, PnTicker->width(), height);
}

void TFmMain::moveTickerRowTop(int top) {
  setTop(Ticker, top);
  setTop(PnTicker, top);
}

void TFmMain::alignPanelWithTicker() {
  PnTicker->setGeometry(Ticker->x(), PnTicker->y(), Ticker->width(), PnTicker->height());
}

void TFmMain::moveSubTickerTop(int top) { setTop(SubTicker, top); }

void TFmMain::setSubTickerSpan(int left, int width) {
  SubTicker->setGeometry(left, SubTicker->y(), std::max(width, 0), layout::kSubTickerHeight);
}

// ---------------------------------------------------------------------------
// Colours and font
// ---------------------------------------------------------------------------

void TFmMain::SetTickerColors(const QColor& background, const QColor& text) {
  QPalette p = PnTicker->palette();
  p.setColor(QPalette::Window, background);
  PnTicker->setPalette(p);
  Ticker->setColor(background);
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 0; i < items.Count(); ++i) items.Items(i)->setBackground(background);
  // Items that hold a copy of the old bullet keep it until the settings load
  // puts the new one in.
  bullet_ = glyphs::bulletImage(background, text);
  Image1->setPixmap(bullet_);
}

void TFmMain::ApplyTickerFont() {
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 0; i < items.Count(); ++i) {
    items.Items(i)->setFont(TickerFont);
    items.Items(i)->setFontColor(TickerFontColor);
  }
  if (ticker::TScrollerItem* caption = items.Items(1)) caption->setFontColor(Qt::white);
  PnTicker->setFont(TickerFont);
  QPalette p = PnTicker->palette();
  p.setColor(QPalette::WindowText, TickerFontColor);
  PnTicker->setPalette(p);
  LbTicker->setFont(TickerFont);
  LbTicker->setPalette(p);
}

// The bullets between the ticker's items (2, 4, 6, ...) take the current bullet.
void TFmMain::refreshBullets() {
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 2; i < items.Count(); i += 2) items.Items(i)->setBitmap(bullet_);
}

}  // namespace tavo::player
