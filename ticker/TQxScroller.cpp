#include "ticker/TQxScroller.h"

#include <QDir>
#include <QGuiApplication>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <qdrawutil.h>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/StartupTrace.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "ticker/ScrollerCursors.h"

namespace tavo::ticker {

namespace {

constexpr int kSingleBorder = 2;  // width of the sunken edge

}  // namespace

TQxScroller::TQxScroller(QWidget* parent, platform::Shell* shell)
    : QWidget(parent), shell_(shell), items_(std::make_unique<TScrollerCollection>(this)) {
  // Every paint covers the whole client area itself; in direct mode what a
  // pass does not cover stays as it was.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setContentsMargins(kSingleBorder, kSingleBorder, kSingleBorder, kSingleBorder);
  resize(240, 32);
  setCursor(openHandCursor());

  scrollTimer_.setTimerType(Qt::PreciseTimer);
  scrollTimer_.setInterval(kCreationTickMs);
  connect(&scrollTimer_, &QTimer::timeout, this, &TQxScroller::scrollTimerTick);
  itemDelayTimer_.setInterval(0);
  connect(&itemDelayTimer_, &QTimer::timeout, this, &TQxScroller::itemDelayTimerTick);

  itemHeight_ = ClientHeight();
  band_.setViewWidth(ClientWidth());
  band_.reset();
}

TQxScroller::~TQxScroller() { restoreScreenCursor(); }

// ---- properties -----------------------------------------------------------------

bool TQxScroller::Active() const { return active_; }

void TQxScroller::setActive(bool on) {
  active_ = on;
  syncScrollTimer();
}

void TQxScroller::syncScrollTimer() {
  const bool run = active_ && isVisible();
  if (run == scrollTimer_.isActive()) return;
  if (run)
    scrollTimer_.start();
  else
    scrollTimer_.stop();
}

void TQxScroller::setBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  const int edge = style == TBorderStyle::bsSingle ? kSingleBorder : 0;
  setContentsMargins(edge, edge, edge, edge);
  clientSizeChanged();
}

void TQxScroller::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  requestPaint();
}

void TQxScroller::setItems(const TScrollerCollection& items) {
  items_->Assign(items);
  requestPaint();
}

void TQxScroller::setNextItemDelay(quint32 milliseconds) {
  nextItemDelay_ = milliseconds;
  itemDelayTimer_.setInterval(static_cast<int>(std::min<quint32>(milliseconds, INT_MAX)));
}

void TQxScroller::setOptions(TScrollerOptions options) {
  const bool had = options_.testFlag(TScrollerOption::opActiveMouse);
  const bool has = options.testFlag(TScrollerOption::opActiveMouse);
  options_ = options;
  if (has && !had && cursor() != openHandCursor()) setCursor(openHandCursor());
  if (!has && had && cursor() == openHandCursor()) unsetCursor();
  requestPaint();
}

void TQxScroller::setScrollSpeed(TScrollSpeed speed) {
  speed_ = speed;
  applyTickInterval();
}

int TQxScroller::ClientWidth() const { return contentsRect().width(); }

int TQxScroller::ClientHeight() const { return contentsRect().height(); }

void TQxScroller::applyTickInterval() {
  // Setting the interval of a running timer restarts it: only on a change, or
  // frequent repaints would hold the band still.
  const int interval = speedEntry(speed_).tickMs;
  if (scrollTimer_.interval() != interval) scrollTimer_.setInterval(interval);
}

// ---- operations -------------------------------------------------------------------

void TQxScroller::Reset() {
  band_.setViewWidth(ClientWidth());
  band_.reset();
}

void TQxScroller::SkipItem() {
  const bool started = band_.skipItem(direction_);
  if (!Active()) requestPaint();
  if (started && OnStartScroll) OnStartScroll(this);
}

// ---- the items tell the scroller ---------------------------------------------------

void TQxScroller::itemAdded(TScrollerItem* item) { band_.appendItem(item->GraphicWidth()); }

void TQxScroller::itemsCleared() {
  band_.clearItems();
  frame_.clear();
}

void TQxScroller::itemChanged(TScrollerItem* item) {
  band_.setWidth(item->Index(), item->GraphicWidth());
  // A moving band shows the change at its next tick anyway.
  if (!Active()) requestPaint();
}

// ---- drawing ----------------------------------------------------------------------

void TQxScroller::requestPaint() {
  paintRequested_ = true;
  update();
}

void TQxScroller::requestFrame() {
  framePending_ = true;
  update(contentsRect());  // a frame changes the client area only, not the border
}

void TQxScroller::clientSizeChanged() {
  band_.setViewWidth(ClientWidth());
  if (ClientHeight() != itemHeight_) {
    itemHeight_ = ClientHeight();
    items_->adoptItemHeight();  // items are as high as the client area
  }
  if (buffer_.size() != QSize(ClientWidth(), ClientHeight())) {
    buffer_ = QImage();
    bufferHoldsFrame_ = false;
  }
  requestPaint();
}

void TQxScroller::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  clientSizeChanged();
}

void TQxScroller::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  syncScrollTimer();
  requestPaint();
  // A moving band takes its first step as soon as its first frame is on the
  // screen, not one tick later (see paintEvent).
  firstStepPending_ = true;
}

void TQxScroller::takeFirstStep() {
  firstStepPending_ = false;
  if (!Active()) return;
  QTimer::singleShot(0, this, [this] {
    if (!Active() || !isVisible()) return;
    scrollTimerTick();
    scrollTimer_.start();  // the regular ticks follow a whole interval later
  });
}

void TQxScroller::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  cancelGrab();
  scrollTimer_.stop();  // until it is shown again
}

void TQxScroller::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) cancelGrab();
}

void TQxScroller::scrollTimerTick() {
  band_.setViewWidth(ClientWidth());
  const auto result = band_.pass(direction_, Active(), step(), frame_);
  // A hidden band moves on but draws nothing; showing it again repaints it.
  if (result.drawn && isVisible()) {
    focusRect_.reset();
    if (!options_.testFlag(TScrollerOption::opDirectDraw)) composeBuffer();
    requestFrame();
  }
  if (result.startScroll && OnStartScroll) OnStartScroll(this);
}

void TQxScroller::itemDelayTimerTick() {
  itemDelayTimer_.stop();
  setActive(true);
}

void TQxScroller::composeBuffer() {
  const int width = ClientWidth(), height = ClientHeight();
  if (width <= 0 || height <= 0) {
    bufferHoldsFrame_ = false;
    return;
  }
  // One buffer for every pass, made again only when the size changes.
  if (buffer_.width() != width || buffer_.height() != height) buffer_ = QImage(width, height, QImage::Format_RGB32);
  QPainter painter(&buffer_);
  painter.fillRect(buffer_.rect(), color_);
  for (const Placement& placement : frame_)
    if (const TScrollerItem* item = items_->Items(placement.index))
      item->drawGraphic(painter, placement.x, (height - item->GraphicHeight()) / 2);
  bufferHoldsFrame_ = true;
}

void TQxScroller::drawFrameDirect(QPainter& painter) const {
  for (const Placement& placement : frame_)
    if (const TScrollerItem* item = items_->Items(placement.index)) item->drawGraphic(painter, placement.x, 0);
}

void TQxScroller::showFrame(QPainter& painter) const {
  if (options_.testFlag(TScrollerOption::opDirectDraw))
    drawFrameDirect(painter);
  else if (bufferHoldsFrame_)
    painter.drawImage(0, 0, buffer_);
}

void TQxScroller::Paint(QPainter& painter) {
  painter.fillRect(QRect(0, 0, ClientWidth(), ClientHeight()), color_);
  focusRect_.reset();
  if (items_->Count() == 0) return;
  applyTickInterval();
  band_.setViewWidth(ClientWidth());
  if (band_.beginPaint()) ++pendingStartScroll_;
  const auto result = band_.pass(direction_, Active(), step(), frame_);
  if (result.startScroll) ++pendingStartScroll_;
  if (!result.drawn) return;  // a band without width: nothing to copy
  if (!options_.testFlag(TScrollerOption::opDirectDraw)) composeBuffer();
  showFrame(painter);
}

void TQxScroller::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    // The border is drawn only when the paint reaches it: most paints show a
    // new frame of the band, and drawing the edge costs more than the frame.
    if (borderStyle_ == TBorderStyle::bsSingle && !contentsRect().contains(event->region().boundingRect()))
      qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    const bool full = paintRequested_ || !framePending_;
    const bool tickFrame = framePending_;
    paintRequested_ = framePending_ = false;
    if (full)
      Paint(painter);
    else
      showFrame(painter);
    if (tickFrame && items_->Count() > 0) trace::mark("first ticker frame");
    if (firstStepPending_ && full) takeFirstStep();
    if (focusRect_) {
      // A dotted outline that inverts what lies below it, visible on any colour.
      painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(focusRect_->adjusted(0, 0, -1, -1));
    }
  }
  for (; pendingStartScroll_ > 0; --pendingStartScroll_)
    if (OnStartScroll) OnStartScroll(this);
}

// ---- the mouse --------------------------------------------------------------------

QPoint TQxScroller::clientPoint(const QMouseEvent* event) const {
  return event->position().toPoint() - contentsRect().topLeft();
}

void TQxScroller::mousePressEvent(QMouseEvent* event) {
  const QPoint at = clientPoint(event);
  if (OnMouseDown) {
    const QPointer<TQxScroller> alive(this);
    OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    if (!alive) return;
  }
  if (event->button() != Qt::LeftButton) return;
  // Every press is remembered, so that a click on a stopped band works too;
  // only a press on a moving band grabs it.
  band_.press(at.x());
  if (!Active() || !options_.testFlag(TScrollerOption::opActiveMouse)) return;
  band_.startGrab(at.x());
  setActive(false);
  if (options_.testFlag(TScrollerOption::opDrawFocus) && band_.grabbedIndex() >= 0) {
    focusRect_ = QRect(at.x() - band_.grabOffset(), 0, band_.width(band_.grabbedIndex()), ClientHeight());
    requestFrame();
  }
  setCursor(holdingHandCursor());
  if (!screenCursorSet_) {
    QGuiApplication::setOverrideCursor(holdingHandCursor());
    screenCursorSet_ = true;
  }
}

void TQxScroller::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = clientPoint(event);
  if (OnMouseMove) {
    const QPointer<TQxScroller> alive(this);
    OnMouseMove(this, event->buttons(), event->modifiers(), at.x(), at.y());
    if (!alive) return;
  }
  if (showHyperlinkHint_) {
    if (const auto hit = band_.hitTest(at.x()))
      if (const TScrollerItem* item = items_->Items(hit->index))
        if (toolTip() != item->Hint()) setToolTip(item->Hint());
  }
  if (band_.dragging() && band_.grabbedIndex() >= 0 && options_.testFlag(TScrollerOption::opActiveMouse)) {
    band_.dragTo(at.x(), frame_);
    focusRect_.reset();
    if (!options_.testFlag(TScrollerOption::opDirectDraw)) composeBuffer();
    requestFrame();
  }
}

void TQxScroller::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = clientPoint(event);
  const QPointer<TQxScroller> alive(this);
  if (OnMouseUp) {
    OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
    if (!alive) return;
  }
  if (event->button() != Qt::LeftButton) return;
  const bool pressed = band_.pressed();
  const bool click = band_.isClickAt(at.x()) && !doubleClickPress_;
  doubleClickPress_ = false;
  band_.releasePress();
  if (click && options_.testFlag(TScrollerOption::opExecuteHyperlinks)) {
    executeHyperlinkAt(at.x());
    if (!alive) return;
  }
  if (band_.dragging()) endGrab(at.x());
  if (pressed && OnClick && rect().contains(event->position().toPoint())) OnClick(this);
}

void TQxScroller::mouseDoubleClickEvent(QMouseEvent* event) {
  if (OnDblClick) {
    const QPointer<TQxScroller> alive(this);
    OnDblClick(this);
    if (!alive) return;
  }
  mousePressEvent(event);  // the second press of a double click is a press too
  // ... but the click on the item was the first one: one click, one link.
  if (event->button() == Qt::LeftButton) doubleClickPress_ = true;
}

void TQxScroller::cancelGrab() {
  if (!band_.dragging()) return;
  band_.releasePress();
  endGrab(band_.downX());
  focusRect_.reset();
}

void TQxScroller::endGrab(int x) {
  const Motion motion = band_.endGrab(x, {direction_, speed_});
  restoreScreenCursor();
  if (options_.testFlag(TScrollerOption::opActiveMouse))
    setCursor(openHandCursor());
  else if (cursor() == holdingHandCursor())
    unsetCursor();
  direction_ = motion.direction;
  setScrollSpeed(motion.speed);
  setActive(true);
}

void TQxScroller::restoreScreenCursor() {
  if (!screenCursorSet_) return;
  screenCursorSet_ = false;
  QGuiApplication::restoreOverrideCursor();
}

// ---- hyperlinks ---------------------------------------------------------------------

void TQxScroller::executeHyperlinkAt(int x) {
  const auto hit = band_.hitTest(x);
  if (!hit) return;
  const TScrollerItem* item = items_->Items(hit->index);
  if (!item) return;
  QString link = item->Hyperlink().trimmed();
  if (link.isEmpty()) return;
  bool execute = true;
  if (OnHyperlinkClick) {
    const QPointer<TQxScroller> alive(this);
    OnHyperlinkClick(this, link, execute);
    if (!alive) return;
  }
  if (execute) openHyperlink(link.trimmed());
}

void TQxScroller::openHyperlink(const QString& link) {
  if (link.isEmpty() || !shell_) return;
  // Addresses go to the system as they are, one argument each; nothing here
  // builds a command line.
  if (link.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
      link.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
      link.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
    shell_->openDocument(link);
  if (link.startsWith(QLatin1String("exec:"), Qt::CaseInsensitive)) {
    // The rest names a program, started in its own folder, without arguments.
    // "exec:" starts any program it names: that is what the link class is for.
    const QString program = link.mid(5).trimmed();
    if (program.isEmpty()) return;
    std::string path = platform::toPath(program);
    if (!QDir::isAbsolutePath(program)) {
      const bool hasFolder = program.contains('/') || program.contains('\\');
      std::string inFolder;
      if (!linkFolder_.isEmpty())
        inFolder = resolveName(withTrailingSeparator(platform::toPath(linkFolder_)), platform::toFileText(program));
      if (!inFolder.empty() && isFile(inFolder))
        path = inFolder;
      else if (hasFolder)
        return;  // a relative path names nothing beside the link: there is nothing to start
    }
    shell_->startProgram(platform::fromPath(path), {}, platform::fromPath(folderOf(path)));
  }
}

}  // namespace tavo::ticker
