#include "player/bar/Glyphs.h"

#include <QLinearGradient>
#include <algorithm>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tavo::player::glyphs {

namespace {

const QColor kInk(64, 64, 72);
const QColor kAccent(40, 110, 190);
const QColor kStop(170, 40, 40);

QPixmap blank(QSize size) {
  QPixmap p(size);
  p.fill(Qt::transparent);
  return p;
}

// A triangle pointing right (or left) inside the box.
void triangle(QPainter& p, QRectF box, bool right) {
  QPolygonF t;
  if (right)
    t << box.topLeft() << QPointF(box.right(), box.center().y()) << box.bottomLeft();
  else
    t << box.topRight() << QPointF(box.left(), box.center().y()) << box.bottomRight();
  p.drawPolygon(t);
}

void arrow(QPainter& p, QRectF box, bool up) {
  QPolygonF a;
  const qreal cx = box.center().x();
  if (up)
    a << QPointF(cx, box.top()) << QPointF(box.right(), box.bottom()) << QPointF(box.left(), box.bottom());
  else
    a << QPointF(box.left(), box.top()) << QPointF(box.right(), box.top()) << QPointF(cx, box.bottom());
  p.drawPolygon(a);
}

void speaker(QPainter& p, QRectF box) {
  const qreal h = box.height();
  QPolygonF s;
  s << QPointF(box.left(), box.top() + h * 0.35) << QPointF(box.left() + h * 0.3, box.top() + h * 0.35)
    << QPointF(box.left() + h * 0.65, box.top()) << QPointF(box.left() + h * 0.65, box.bottom())
    << QPointF(box.left() + h * 0.3, box.top() + h * 0.65) << QPointF(box.left(), box.top() + h * 0.65);
  p.drawPolygon(s);
}

}  // namespace

QPixmap glyph(Glyph which, QSize size) {
  QPixmap pix = blank(size);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  const QRectF r(0, 0, size.width(), size.height());
  // A centred square box for the small symbols.
  const qreal side = std::min(r.width(), r.height()) - 6;
  const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);

  switch (which) {
    case Glyph::Drag:
      p.setBrush(QColor(150, 150, 160));
      for (qreal y = 4; y + 2 <= r.height() - 3; y += 4) {
        p.drawEllipse(QRectF(r.center().x() - 3, y, 2, 2));
        p.drawEllipse(QRectF(r.center().x() + 1, y + 2, 2, 2));
      }
      break;
    case Glyph::PlayTicker:
    case Glyph::PlayPlaylist:
      p.setBrush(which == Glyph::PlayPlaylist ? kAccent : kInk);
      triangle(p, box.adjusted(1, 0, 1, 0), true);
      break;
    case Glyph::PauseTicker:
    case Glyph::PausePlaylist: {
      const qreal w = side / 3;
      p.drawRect(QRectF(box.left(), box.top(), w, side));
      p.drawRect(QRectF(box.right() - w, box.top(), w, side));
      break;
    }
    case Glyph::NextChannel: {
      const QRectF half(box.left() - 1, box.top(), side / 2 + 1, side);
      triangle(p, half, true);
      triangle(p, half.translated(side / 2, 0), true);
      p.drawRect(QRectF(box.right(), box.top(), 1.5, side));
      break;
    }
    case Glyph::Up:
    case Glyph::Down:
      arrow(p, QRectF(r.center().x() - 6, r.center().y() - 4, 12, 8), which == Glyph::Up);
      break;
    case Glyph::Speaker:
    case Glyph::Mute: {
      const QRectF s(r.left() + 3, r.top() + 3, r.height() - 6, r.height() - 6);
      speaker(p, s);
      QPen pen(which == Glyph::Speaker ? kStop : kInk, 1.5);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      const qreal x = s.left() + s.height() * 0.8;
      if (which == Glyph::Mute) {  // sound on: waves
        p.drawArc(QRectF(x - 4, s.top() + 2, 8, s.height() - 4), -50 * 16, 100 * 16);
        p.drawArc(QRectF(x - 5, s.top() - 1, 12, s.height() + 2), -50 * 16, 100 * 16);
      } else {  // sound off: a cross
        p.drawLine(QPointF(x + 1, s.top() + 3), QPointF(x + 6, s.bottom() - 3));
        p.drawLine(QPointF(x + 6, s.top() + 3), QPointF(x + 1, s.bottom() - 3));
      }
      break;
    }
    case Glyph::Minimize:
      p.drawRect(QRectF(box.left(), box.bottom() - 2, side, 2));
      break;
    case Glyph::Close: {
      p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(box.topLeft(), box.bottomRight());
      p.drawLine(box.topRight(), box.bottomLeft());
      break;
    }
    case Glyph::StartPlaylist: {
      p.setBrush(kAccent);
      triangle(p, QRectF(6, r.center().y() - 5, 9, 10), true);
      QFont f("Arial");
      f.setPixelSize(11);
      f.setBold(true);
      p.setFont(f);
      p.setPen(kInk);
      p.drawText(QRectF(18, 0, r.width() - 20, r.height()), Qt::AlignVCenter | Qt::AlignLeft, "Play");
      break;
    }
    case Glyph::StopPlaylist:
      p.setBrush(kStop);
      p.drawRect(box.adjusted(1, 1, -1, -1));
      break;
    case Glyph::RewindPlaylist: {
      const QRectF half(box.left(), box.top(), side / 2, side);
      triangle(p, half, false);
      triangle(p, half.translated(side / 2, 0), false);
      break;
    }
    case Glyph::FastForwardPlaylist: {
      const QRectF half(box.left(), box.top(), side / 2, side);
      triangle(p, half, true);
      triangle(p, half.translated(side / 2, 0), true);
      break;
    }
    case Glyph::Search: {
      p.setPen(QPen(kInk, 2));
      p.setBrush(Qt::NoBrush);
      const QRectF lens(box.left(), box.top(), side * 0.65, side * 0.65);
      p.drawEllipse(lens);
      p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(lens.bottomRight() - QPointF(1, 1), box.bottomRight());
      break;
    }
    case Glyph::ButtonMenu: {
      const QRectF a(r.center().x() - 4, r.center().y() - 4, 8, 4);
      arrow(p, a, false);
      arrow(p, a.translated(0, 4), false);
      break;
    }
  }
  return pix;
}

QPixmap preferencesMenuPicture(QSize size) {
  QPixmap pix = blank(size);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(110, 160, 220));
  g.setColorAt(1, QColor(40, 90, 160));
  p.setBrush(g);
  p.setPen(QPen(QColor(30, 60, 110), 1));
  p.drawRoundedRect(r, 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  const qreal w = r.width() * 0.56, x = r.center().x() - w / 2;
  for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(x, r.height() * (0.28 + 0.2 * i), w, 2.2), 1, 1);
  return pix;
}

QPixmap builtInSponsorBox() {
  QPixmap pix(120, 24);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, 119, 23);
  QLinearGradient g(r.topLeft(), r.topRight());
  g.setColorAt(0, QColor(48, 70, 120));
  g.setColorAt(1, QColor(110, 60, 130));
  p.setBrush(g);
  p.setPen(QPen(QColor(30, 40, 80), 1));
  p.drawRoundedRect(r, 5, 5);
  QFont f("Arial");
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(r.adjusted(0, 0, -22, 0), Qt::AlignCenter, "Tavo Player");
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 70));
  triangle(p, QRectF(100, 7, 9, 10), true);
  return pix;
}

QPixmap bulletImage(const QColor& background, const QColor& text) {
  QPixmap pix(16, 16);
  pix.fill(background);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(text);
  p.drawEllipse(QRectF(1, 1, 13, 11));
  return pix;
}

QIcon applicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 64}) {
    QPixmap pix = blank(QSize(side, side));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, side - 1, side - 1);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(60, 120, 200));
    g.setColorAt(1, QColor(110, 60, 140));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, side / 6.0, side / 6.0);
    // A band of ticker text: a "T" over a strip.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(side * 0.22, side * 0.2, side * 0.56, side * 0.14));
    p.drawRect(QRectF(side * 0.43, side * 0.2, side * 0.14, side * 0.5));
    p.setBrush(QColor(250, 200, 70));
    p.drawRect(QRectF(side * 0.12, side * 0.76, side * 0.76, side * 0.1));
    icon.addPixmap(pix);
  }
  return icon;
}

}  // namespace tavo::player::glyphs
