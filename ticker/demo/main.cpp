// ticker-demo: shows one TQxScroller filled from a ticker text file (one item
// per line: text|hotlink), laid out as the player's bar lays out its ticker: a
// leading blank gap, then each line followed by a bullet picture.
//
//   ticker-demo [[--file] Ticker.txt] [--speed 1..10] [--width 1920] [--height 29]
//               [--count ITEMS] [--direction rl|lr] [--direct] [--x 0] [--y 0]
//
// --count repeats the file's lines until the band holds that many items.

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>
#include <string>
#include <vector>

#include "format/TickerText.h"
#include "platform/QtServices.h"
#include "platform/QtText.h"
#include "ticker/TQxScroller.h"

using namespace tavo;
using namespace tavo::ticker;

namespace {

struct Line {
  QString text, hotlink;
};

// The lines of a ticker text file, read as the player reads them: in order,
// until only white space is left, field 1 the text and field 2 the hotlink.
std::vector<Line> readTickerLines(const std::string& path) {
  std::vector<Line> lines;
  for (const TickerLine& l : readTickerText(path, ReadMode::Player))
    lines.push_back({platform::fromFileText(l.text), platform::fromFileText(l.hotlink)});
  return lines;
}

std::vector<Line> sampleLines() {
  return {
      {"Ferry timetable changes on Monday: boats leave every 20 minutes", "http://www.example.com/ferry"},
      {"Harbour festival this weekend", ""},
      {"Regatta results: the Blue Gulls win again", "http://www.example.com/regatta"},
      {"Market hours: 8 to 1 every Saturday", ""},
      {"New gallery opening at the old lighthouse", "mailto:gallery@example.com"},
  };
}

// The bullet between lines: the band's colour with a dot in the text colour.
QPixmap bulletPicture(const QColor& background, const QColor& text) {
  QPixmap bullet(16, 16);
  bullet.fill(background);
  QPainter painter(&bullet);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(text);
  painter.setBrush(text);
  painter.drawEllipse(QRect(QPoint(1, 1), QPoint(14, 12)));
  return bullet;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ticker-demo"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Shows a scrolling ticker filled from a ticker text file."));
  parser.addHelpOption();
  const QCommandLineOption fileOption("file", "Ticker text file (text|hotlink per line).", "path");
  const QCommandLineOption speedOption("speed", "Speed 1 (very slow) to 10 (fastest); default 7.", "1..10", "7");
  const QCommandLineOption widthOption("width", "Width of the ticker in pixels; default 1920.", "pixels", "1920");
  const QCommandLineOption heightOption("height", "Height of the ticker in pixels; default 29.", "pixels", "29");
  const QCommandLineOption countOption("count", "Number of items in the band; the lines repeat to fill it.", "items");
  const QCommandLineOption directionOption("direction", "rl (right to left, default) or lr.", "rl|lr", "rl");
  const QCommandLineOption directOption("direct", "Draw straight onto the control instead of through the buffer.");
  const QCommandLineOption xOption("x", "Left of the window; default 0.", "pixels", "0");
  const QCommandLineOption yOption("y", "Top of the window; default 0.", "pixels", "0");
  parser.addOptions({fileOption, speedOption, widthOption, heightOption, countOption, directionOption, directOption,
                     xOption, yOption});
  parser.addPositionalArgument("file", "Ticker text file, as --file gives it.", "[file]");
  parser.process(app);
  // The file may be named with --file or on its own.
  QString file = parser.value(fileOption);
  if (file.isEmpty() && !parser.positionalArguments().isEmpty()) file = parser.positionalArguments().front();
  const bool fromFile = !file.isEmpty();

  const int speed = std::clamp(parser.value(speedOption).toInt(), 1, 10);
  const int width = std::max(parser.value(widthOption).toInt(), 20);
  const int height = std::max(parser.value(heightOption).toInt(), 8);

  std::vector<Line> lines =
      fromFile ? readTickerLines(platform::toPath(file)) : sampleLines();
  if (fromFile && lines.empty()) QTextStream(stderr) << "ticker-demo: no lines in " << file << "\n";

  platform::QtShell shell;
  TQxScroller ticker(nullptr, &shell);
  ticker.setWindowTitle(QStringLiteral("ticker-demo"));
  ticker.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  ticker.resize(width, height);
  ticker.move(parser.value(xOption).toInt(), parser.value(yOption).toInt());
  ticker.setOptions(TScrollerOption::opActiveMouse | TScrollerOption::opDrawFocus |
                    TScrollerOption::opExecuteHyperlinks |
                    (parser.isSet(directOption) ? TScrollerOption::opDirectDraw : TScrollerOption{}));
  ticker.setScrollSpeed(speedAtPosition(speed - 1));
  ticker.setDirection(parser.value(directionOption) == QLatin1String("lr") ? TScrollDirection::sdLeftRight
                                                                            : TScrollDirection::sdRightLeft);
  ticker.setShowHyperlinkHint(true);
  ticker.OnHyperlinkClick = [](TQxScroller*, QString& link, bool&) {
    QTextStream(stdout) << "hyperlink: " << link << Qt::endl;
  };

  // The player's "Large" ticker: bold 14 pt green on black.
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(14);
  font.setBold(true);
  const QColor textColor(0, 255, 0);
  const QPixmap bullet = bulletPicture(ticker.Color(), textColor);

  TScrollerCollection& items = ticker.Items();
  ticker.Reset();
  items.Add()->setMargin(static_cast<quint16>(std::min(ticker.ClientWidth() * 9 / 10, 65535)));
  const int count = parser.isSet(countOption) ? std::max(parser.value(countOption).toInt(), 1)
                                              : 1 + 2 * static_cast<int>(lines.size());
  for (std::size_t next = 0; !lines.empty() && items.Count() < count; next = (next + 1) % lines.size()) {
    TScrollerItem* item = items.Add();
    item->setText1(lines[next].text);
    item->setMargin(30);
    item->setHyperlink(lines[next].hotlink);
    item->setHint(lines[next].hotlink);
    item->setFont(font);
    item->setFontColor(textColor);
    if (items.Count() < count) items.Add()->setBitmap(bullet);
  }
  QTextStream(stderr) << "ticker-demo: " << items.Count() << " items, speed " << speed << ", " << width << " x "
                      << height << Qt::endl;

  ticker.show();
  ticker.setActive(true);
  return app.exec();
}
