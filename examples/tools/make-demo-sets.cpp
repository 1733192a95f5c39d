// Draws the pictures of the demo's slideshow and thumbnail sets and writes the
// slideshow's background sound, into a presentation folder:
//   Art Gallery/Harbour Views/view1.jpg .. view8.jpg and gulls.wav
//   Art Gallery/Gallery Shop/print1.jpg .. print8.jpg
// Usage: make-demo-sets <presentation folder>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;

QFont arial(int pixels, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// A harbour scene at one of eight times of day: sky, sun, sea, a lighthouse
// and boats, with the view's name in the corner.
QImage harbourView(int n, const QString& title) {
  const int w = 1600, h = 1000;
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double t = n / 8.0;
  const QColor skyTop = QColor::fromHsvF(0.58 - 0.5 * t * t, 0.55 + 0.3 * t, 0.95 - 0.5 * t);
  const QColor skyLow = QColor::fromHsvF(0.08 + 0.05 * std::sin(n), 0.45 + 0.4 * t, 1.0 - 0.3 * t);
  QLinearGradient sky(0, 0, 0, h * 0.62);
  sky.setColorAt(0, skyTop);
  sky.setColorAt(1, skyLow);
  p.fillRect(0, 0, w, int(h * 0.62), sky);
  // The sun goes down across the series.
  const QPointF sun(200 + 150 * n, 120 + 55 * n);
  QRadialGradient glow(sun, 140);
  glow.setColorAt(0, QColor(255, 240, 190));
  glow.setColorAt(0.35, QColor(255, 200, 120, 200));
  glow.setColorAt(1, QColor(255, 200, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(sun, 140, 140);
  // The sea with its waves.
  QLinearGradient sea(0, h * 0.62, 0, h);
  sea.setColorAt(0, skyLow.darker(130));
  sea.setColorAt(1, QColor(10, 30, 60));
  p.fillRect(0, int(h * 0.62), w, h - int(h * 0.62), sea);
  p.setPen(QPen(QColor(255, 255, 255, 70), 3));
  for (int row = 0; row < 9; ++row) {
    const double y = h * 0.65 + row * 38;
    QPainterPath wave;
    wave.moveTo(0, y);
    for (int x = 0; x <= w; x += 40) wave.lineTo(x, y + 6 * std::sin((x + row * 90 + n * 30) / 60.0));
    p.drawPath(wave);
  }
  // The lighthouse on its rock.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 45));
  p.drawEllipse(QRectF(1120, 560, 360, 110));
  QPolygonF tower({{1250, 590}, {1350, 590}, {1330, 300}, {1270, 300}});
  p.setBrush(Qt::white);
  p.drawPolygon(tower);
  p.setBrush(QColor(200, 30, 40));
  for (int band = 0; band < 3; ++band) {
    const double y = 330 + band * 90;
    p.drawRect(QRectF(1262 - band * 4, y, 76 + band * 8, 36));
  }
  p.setBrush(QColor(255, 230, 120));
  p.drawRect(QRectF(1278, 270, 44, 30));
  // Boats.
  for (int b = 0; b < 3; ++b) {
    const double x = 180 + b * 320 + n * 20, y = 720 + b * 60;
    p.setBrush(QColor::fromHsv((n * 40 + b * 90) % 360, 180, 200));
    QPolygonF hull({{x, y}, {x + 200, y}, {x + 170, y + 40}, {x + 30, y + 40}});
    p.drawPolygon(hull);
    p.setBrush(QColor(250, 250, 240));
    p.drawPolygon(QPolygonF({{x + 100, y - 10}, {x + 100, y - 170}, {x + 180, y - 10}}));
  }
  // The title in the corner.
  p.setFont(arial(56, true));
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(QRect(44, h - 116, w, 90), Qt::AlignLeft | Qt::AlignVCenter, title);
  p.setPen(Qt::white);
  p.drawText(QRect(40, h - 120, w, 90), Qt::AlignLeft | Qt::AlignVCenter, title);
  return img;
}

// A framed print for the gallery shop: an abstract of circles and stripes.
QImage galleryPrint(int n, const QString& title) {
  const int w = 800, h = 600;
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(QColor(245, 240, 230));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const int hue = (n * 47) % 360;
  p.setPen(QPen(QColor(90, 60, 30), 18));
  p.setBrush(QColor::fromHsv(hue, 60, 250));
  p.drawRect(QRectF(30, 30, w - 60, h - 60));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    p.setBrush(QColor::fromHsv((hue + i * 35) % 360, 170, 230, 200));
    const double r = 40 + ((n * 13 + i * 29) % 90);
    p.drawEllipse(QPointF(120 + ((i * 97 + n * 41) % 560), 120 + ((i * 61 + n * 23) % 330)), r, r);
  }
  p.setBrush(QColor::fromHsv((hue + 180) % 360, 150, 160, 160));
  for (int s = 0; s < 4; ++s) p.drawRect(QRectF(60, 420 + s * 22, 680 - s * 120, 10));
  p.setFont(arial(40, true));
  p.setPen(QColor(40, 30, 20));
  p.drawText(QRect(0, h - 110, w, 60), Qt::AlignCenter, title);
  return img;
}

// Two seconds of gull-like chirps: 16-bit mono PCM at 22,050 Hz, a gliding
// tone in three calls with soft edges.
QByteArray gullsWav() {
  const int rate = 22050, samples = rate * 2;
  QByteArray pcm;
  pcm.reserve(samples * 2);
  double phase = 0;
  for (int i = 0; i < samples; ++i) {
    const double t = double(i) / rate;
    const double call = std::fmod(t, 0.66);
    const double f = 1800 - 900 * call / 0.66;
    const double envelope = call < 0.45 ? std::sin(kPi * call / 0.45) : 0.0;
    phase += 2 * kPi * f / rate;
    const auto v = static_cast<int16_t>(9000 * envelope * std::sin(phase));
    pcm.append(char(v & 0xff));
    pcm.append(char((v >> 8) & 0xff));
  }
  auto le32 = [](QByteArray& b, uint32_t v) {
    for (int k = 0; k < 4; ++k) b.append(char((v >> (8 * k)) & 0xff));
  };
  auto le16 = [](QByteArray& b, uint16_t v) {
    b.append(char(v & 0xff));
    b.append(char(v >> 8));
  };
  QByteArray wav("RIFF");
  le32(wav, uint32_t(36 + pcm.size()));
  wav.append("WAVEfmt ");
  le32(wav, 16);
  le16(wav, 1);  // PCM
  le16(wav, 1);  // mono
  le32(wav, rate);
  le32(wav, rate * 2);
  le16(wav, 2);
  le16(wav, 16);
  wav.append("data");
  le32(wav, uint32_t(pcm.size()));
  wav.append(pcm);
  return wav;
}

bool save(const QImage& img, const QString& folder, const QString& name) {
  if (!QDir().mkpath(folder) || !img.save(folder + "/" + name, "JPG", 85)) {
    std::fprintf(stderr, "make-demo-sets: cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-demo-sets <presentation folder>\n");
    return 2;
  }
  const QString presentation = QString::fromLocal8Bit(argv[1]);
  const QString views = presentation + "/Art Gallery/Harbour Views";
  const QString shop = presentation + "/Art Gallery/Gallery Shop";
  const char* viewTitles[8] = {"Morning Ferry", "Fishing Boats", "The Old Pier",  "Regatta Day",
                               "Harbour Wall",  "Evening Tide",  "Lighthouse Glow", "Night Harbour"};
  const char* printTitles[8] = {"Blue Circles", "Red Sails", "Sea Glass",   "Market Day",
                                "Gull Song",    "Low Tide",  "Rope & Net",  "Harbour Lights"};
  bool ok = true;
  for (int n = 0; n < 8; ++n) {
    ok = ok && save(harbourView(n, viewTitles[n]), views, QString("view%1.jpg").arg(n + 1));
    ok = ok && save(galleryPrint(n, printTitles[n]), shop, QString("print%1.jpg").arg(n + 1));
  }
  QFile wav(views + "/gulls.wav");
  ok = ok && wav.open(QIODevice::WriteOnly) && wav.write(gullsWav()) > 0;
  if (!ok) std::fprintf(stderr, "make-demo-sets: cannot write the sets\n");
  return ok ? 0 : 1;
}
