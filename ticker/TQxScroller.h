#pragma once
// TQxScroller: the scrolling marquee of the player's bar. An endless, seamless
// band of items (texts, pictures, blank gaps) moves sideways through the
// control and wraps from the last item to the first; it can be grabbed,
// dragged and thrown with the mouse (which sets direction and speed), and a
// click on an item executes the item's hyperlink.
//
// Where the band stands is decided by the plain band model (TickerBand); this
// control keeps the items' images, runs the timers, draws the band's frames and
// handles the mouse and the links.
//
// Drawing. Each scroll-timer tick runs one draw pass: the band advances, the
// frame is composed from the items' images (an item's text image is rendered
// the first time it enters the band after a change, then kept within the
// collection's memory budget) and, unless opDirectDraw is
// set, drawn into one off-screen buffer (filled with Color, each graphic
// centred vertically) that the next paint copies to the screen. The buffer is
// kept and reallocated only when the control's size changes. With
// opDirectDraw the graphics go straight onto the control at the top, without
// filling. A pass never lets other events run in its middle, so the band state
// is always consistent. A paint of the control (Paint) fills it with Color,
// starts the band over after Reset and runs a pass too, so a repaint of a
// moving band moves it one step, as a tick does.
//
// The band spans the client area, inside the border: its width is the client
// width and items are as high as the client height.
//
// The item-delay timer: NextItemDelay is its interval and when it expires it
// switches itself off and sets Active; nothing in the control starts it, so no
// pause between items happens.
//
// Events are std::function members; each mouse handler raises the ordinary
// mouse event first. Positions given to them are client coordinates.

#include <QColor>
#include <QFlags>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ticker/TScrollerCollection.h"
#include "ticker/TScrollerItem.h"
#include "ticker/band/ScrollTypes.h"
#include "ticker/band/TickerBand.h"

namespace tavo::platform {
class Shell;
}

namespace tavo::ticker {

enum class TBorderStyle { bsNone, bsSingle };

enum class TScrollerOption : unsigned {
  opActiveMouse = 0x1,        // the band can be grabbed, dragged and thrown; open-hand cursor
  opDirectDraw = 0x2,         // draw straight onto the control instead of through the buffer
  opDrawFocus = 0x4,          // outline the grabbed item at a grab
  opExecuteHyperlinks = 0x8,  // a click on an item executes its hyperlink
};
using TScrollerOptions = QFlags<TScrollerOption>;

class TQxScroller : public QWidget {
  Q_OBJECT

 public:
  // Links of the kinds the control opens itself ("http://", "mailto:", "exec:")
  // go through `shell`; without one the control opens nothing.
  explicit TQxScroller(QWidget* parent = nullptr, platform::Shell* shell = nullptr);
  ~TQxScroller() override;

  void setShell(platform::Shell* shell) { shell_ = shell; }
  platform::Shell* shell() const { return shell_; }

  // ---- properties (defaults in brackets) --------------------------------------
  // The band moves [false]. The scroll timer runs only while the control is
  // also visible: a hidden scroller costs nothing and goes on where it
  // stopped when it is shown again.
  bool Active() const;
  void setActive(bool on);
  // [bsSingle]: a sunken 2-pixel edge around the client area.
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);
  // Background of the control [black]; new items take it as their Background.
  QColor Color() const { return color_; }
  void setColor(const QColor& color);
  // [sdRightLeft]; the next pass simply works the other way.
  TScrollDirection Direction() const { return direction_; }
  void setDirection(TScrollDirection direction) { direction_ = direction; }
  // The items in band order [empty]. setItems copies the given collection and repaints.
  TScrollerCollection& Items() { return *items_; }
  const TScrollerCollection& Items() const { return *items_; }
  void setItems(const TScrollerCollection& items);
  // Interval of the item-delay timer in milliseconds [0].
  quint32 NextItemDelay() const { return nextItemDelay_; }
  void setNextItemDelay(quint32 milliseconds);
  // [opActiveMouse, opDrawFocus]. While opActiveMouse is in the set the
  // control's cursor is the open hand; removing it resets an open-hand cursor
  // to the default. Changing the options repaints.
  TScrollerOptions Options() const { return options_; }
  void setOptions(TScrollerOptions options);
  // Step and tick of the motion [speed3_Normal].
  TScrollSpeed ScrollSpeed() const { return speed_; }
  void setScrollSpeed(TScrollSpeed speed);
  // The control's hint follows the item under the mouse [false].
  bool ShowHyperlinkHint() const { return showHyperlinkHint_; }
  void setShowHyperlinkHint(bool on) { showHyperlinkHint_ = on; }
  // The folder the items' links belong to [none]: a relative "exec:" program
  // ("exec:tools/run.sh") is looked up there first, letter case ignored. A
  // bare name found nowhere there is left to the system's PATH.
  const QString& LinkFolder() const { return linkFolder_; }
  void setLinkFolder(const QString& folder) { linkFolder_ = folder; }

  int ClientWidth() const;
  int ClientHeight() const;

  // ---- operations ---------------------------------------------------------------
  // The band back to its start: the next paint begins again with item 0 and
  // raises OnStartScroll. Call it before refilling the items.
  void Reset();
  // Jumps the band by one item in its direction (the player's "Next Channel").
  // A stopped band is repainted at once.
  void SkipItem();
  // The item under client x and its left edge.
  std::optional<Hit> HitTest(int x) const { return band_.hitTest(x); }

  // ---- events -----------------------------------------------------------------
  // A click on an item with a hyperlink, before the control opens it: the
  // handler may change the link and clear `execute`.
  std::function<void(TQxScroller* sender, QString& hyperlink, bool& execute)> OnHyperlinkClick;
  // The band starts over with the first item: at the first paint after Reset
  // and each time item 0 leads again (right to left). Raised once the pass is
  // drawn, so a handler that changes the items affects the next pass.
  std::function<void(TQxScroller* sender)> OnStartScroll;
  std::function<void(TQxScroller* sender, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)>
      OnMouseDown, OnMouseUp;
  std::function<void(TQxScroller* sender, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y)>
      OnMouseMove;
  std::function<void(TQxScroller* sender)> OnClick, OnDblClick;

  // ---- timers (public so that tests and benchmarks can drive them) ------------
  // The scroll timer's handler: one draw pass in the current direction.
  void scrollTimerTick();
  // The item-delay timer's handler: switches the timer off and sets Active.
  void itemDelayTimerTick();
  int scrollTimerInterval() const { return scrollTimer_.interval(); }
  bool itemDelayTimerActive() const { return itemDelayTimer_.isActive(); }
  bool scrollTimerRunning() const { return scrollTimer_.isActive(); }

  const TickerBand& band() const { return band_; }
  // The off-screen buffer the last buffered pass was drawn into.
  const QImage& frameBuffer() const { return buffer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  friend class TScrollerCollection;
  void itemAdded(TScrollerItem* item);
  void itemsCleared();
  void itemChanged(TScrollerItem* item);

  void Paint(QPainter& painter);
  void runPass(QPainter* painter);
  void composeBuffer();
  void drawFrameDirect(QPainter& painter) const;
  void showFrame(QPainter& painter) const;
  void requestPaint();
  void requestFrame();
  void applyTickInterval();
  void clientSizeChanged();
  int step() const { return speedEntry(speed_).step; }
  QPoint clientPoint(const QMouseEvent* event) const;

  void executeHyperlinkAt(int x);
  void openHyperlink(const QString& link);
  void endGrab(int x);
  // Ends a grab the user can no longer finish (the control was hidden, its
  // window lost the focus) as a release where it was pressed: the band moves
  // on as before and the screen's cursor is restored.
  void cancelGrab();
  void syncScrollTimer();
  void restoreScreenCursor();
  void takeFirstStep();

  platform::Shell* shell_;
  std::unique_ptr<TScrollerCollection> items_;
  TickerBand band_;
  std::vector<Placement> frame_;  // the last composed frame
  QImage buffer_;                 // off-screen bitmap of the buffered mode
  bool bufferHoldsFrame_ = false;
  std::optional<QRect> focusRect_;

  QTimer scrollTimer_;
  QTimer itemDelayTimer_;
  bool active_ = false;
  // The press being handled is the second one of a double click: its release
  // is no second click on the item's hyperlink.
  bool doubleClickPress_ = false;
  bool firstStepPending_ = false;  // shown, and the first frame not yet painted

  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  QColor color_{Qt::black};
  TScrollDirection direction_ = TScrollDirection::sdRightLeft;
  quint32 nextItemDelay_ = 0;
  TScrollerOptions options_{TScrollerOption::opActiveMouse, TScrollerOption::opDrawFocus};
  TScrollSpeed speed_ = TScrollSpeed::speed3_Normal;
  bool showHyperlinkHint_ = false;
  QString linkFolder_;

  int itemHeight_ = 0;          // client height the items' images were made for
  bool paintRequested_ = true;  // the next paint is a full Paint
  bool framePending_ = false;   // a pass or drag composed a frame to show
  int pendingStartScroll_ = 0;  // raised after the paint that found it
  bool screenCursorSet_ = false;
};

}  // namespace tavo::ticker

Q_DECLARE_OPERATORS_FOR_FLAGS(tavo::ticker::TScrollerOptions)
