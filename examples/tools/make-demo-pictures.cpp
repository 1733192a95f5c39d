// Draws the demo presentation's sponsor pictures into a presentation folder:
// a logo (40 x 40) and a sponsor box (120 x 24) for two of its channels.
// Usage: make-demo-pictures <presentation folder>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QImage canvas(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  return img;
}

QFont arial(int pixels, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// Harbour Bank: a navy disc with a gold ring and a white anchor.
QImage bankLogo() {
  QImage img = canvas(40, 40);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(214, 170, 60), 2.5));
  p.setBrush(QColor(20, 45, 95));
  p.drawEllipse(QRectF(2, 2, 36, 36));
  QPen anchor(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap);
  p.setPen(anchor);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(17, 8, 6, 6));
  p.drawLine(QPointF(20, 14), QPointF(20, 31));
  p.drawLine(QPointF(14, 18), QPointF(26, 18));
  p.drawArc(QRectF(11, 17, 18, 15), 200 * 16, 140 * 16);
  return img;
}

QImage bankBox() {
  QImage img = canvas(120, 24);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 120, 0);
  g.setColorAt(0, QColor(20, 45, 95));
  g.setColorAt(1, QColor(30, 110, 140));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0, 0, 120, 24), 4, 4);
  p.setPen(QPen(QColor(214, 170, 60), 1.4));
  for (int x = 4; x < 26; x += 7) p.drawArc(QRectF(x, 12, 7, 6), 0, 180 * 16);
  p.setFont(arial(12, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(28, 0, 90, 24), Qt::AlignVCenter | Qt::AlignLeft, "Harbour Bank");
  return img;
}

// Blue Gulls sports club: a gull over a wave on a blue tile.
QImage gullsLogo() {
  QImage img = canvas(40, 40);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 100, 200));
  p.drawRoundedRect(QRectF(1, 1, 38, 38), 7, 7);
  QPainterPath gull;
  gull.moveTo(7, 18);
  gull.quadTo(13, 9, 20, 17);
  gull.quadTo(27, 9, 33, 18);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(gull);
  p.setPen(QPen(QColor(160, 220, 255), 2.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath wave;
  wave.moveTo(5, 30);
  for (int x = 5; x < 35; x += 10) {
    wave.quadTo(x + 2.5, 26, x + 5, 30);
    wave.quadTo(x + 7.5, 34, x + 10, 30);
  }
  p.drawPath(wave);
  return img;
}

QImage gullsBox() {
  QImage img = canvas(120, 24);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0, 0, 120, 24), 4, 4);
  p.setBrush(QColor(30, 100, 200));
  for (int i = 0; i < 3; ++i) p.drawRect(QRectF(0, 2 + i * 8, 14, 4));
  p.setFont(arial(12, true));
  p.setPen(QColor(30, 100, 200));
  p.drawText(QRectF(18, 0, 100, 24), Qt::AlignCenter, "Blue Gulls SC");
  p.setPen(QPen(QColor(30, 100, 200), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0.5, 0.5, 119, 23), 4, 4);
  return img;
}

bool save(const QImage& img, const QString& folder, const QString& name) {
  if (!QDir().mkpath(folder)) return false;
  const QString path = folder + "/" + name;
  if (!img.save(path, "PNG")) {
    std::fprintf(stderr, "make-demo-pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-demo-pictures <presentation folder>\n");
    return 2;
  }
  const QString presentation = QString::fromLocal8Bit(argv[1]);
  const QString news = presentation + "/Town News/Pictures";
  const QString club = presentation + "/Sports Club/Pictures";
  const bool ok = save(bankLogo(), news, "Harbour Bank Logo.png") && save(bankBox(), news, "Harbour Bank Box.png") &&
                  save(gullsLogo(), club, "Blue Gulls Logo.png") && save(gullsBox(), club, "Blue Gulls Box.png");
  return ok ? 0 : 1;
}
