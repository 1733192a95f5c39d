#include "ticker/ScrollerCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace tavo::ticker {

namespace {

constexpr int kSize = 32;

QPainterPath roundedBar(qreal x, qreal top, qreal width, qreal bottom) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, top, width, bottom - top), width / 2, width / 2);
  return path;
}

// A hand seen from the back: a palm, four fingers standing up (open) or bent
// down over the palm (holding), and a thumb on the left. White with a black
// outline, so it shows on light and dark bands alike.
QPixmap drawHand(bool open) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath hand;
  hand.addRoundedRect(QRectF(9.5, 13.5, 16, 14), 5, 5);  // palm
  const qreal fingerTops[4] = {open ? 5.5 : 11.5, open ? 3.5 : 10.5, open ? 4.5 : 11, open ? 7.5 : 12.5};
  for (int i = 0; i < 4; ++i) hand = hand.united(roundedBar(9.5 + i * 4, fingerTops[i], 4, 18));
  // The thumb: spread out to the side when open, folded against the palm when holding.
  QPainterPath thumb = roundedBar(0, 0, 4, open ? 10 : 6);
  QTransform place;
  if (open)
    place.translate(10.5, 21).rotate(135);
  else
    place.translate(12.5, 17).rotate(160);
  hand = hand.united(place.map(thumb)).simplified();

  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawPath(hand);
  // Lines between the fingers.
  p.setPen(QPen(Qt::black, 1));
  for (int i = 1; i < 4; ++i) {
    const qreal x = 9.5 + i * 4;
    const qreal top = std::max(fingerTops[i - 1], fingerTops[i]) + 2;
    p.drawLine(QPointF(x, top), QPointF(x, open ? 15 : 14.5));
  }
  if (!open) {
    // Knuckles of the bent fingers.
    p.drawLine(QPointF(11, 15.5), QPointF(24.5, 15.5));
  }
  return pixmap;
}

}  // namespace

const QCursor& openHandCursor() {
  // Made once and kept for the program's life: QCursor needs the application.
  static const QCursor* cursor = new QCursor(drawHand(true), 16, 14);
  return *cursor;
}

const QCursor& holdingHandCursor() {
  static const QCursor* cursor = new QCursor(drawHand(false), 16, 16);
  return *cursor;
}

QCursor scrollerCursor(int id) {
  if (id == kOpenHandCursorId) return openHandCursor();
  if (id == kHoldingHandCursorId) return holdingHandCursor();
  return QCursor(Qt::ArrowCursor);
}

}  // namespace tavo::ticker
