// Times the player's browser window: from the bar's request (the port's show,
// as OpenInBrowser makes it) to the page's loadFinished. The first request
// loads the plugin and starts the web engine (cold); later requests for other
// pages go to the open window (warm).
// Usage: browser-open <plugin file> <page 1> <page 2> [warm repeats]

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/Messages.h"
#include "player/bar/LazyBrowserWindow.h"
#include "player/browser/BrowserFactory.h"

namespace {

class StderrMessages : public tavo::platform::Messages {
 public:
  void showInfo(const QString& m) override { std::fprintf(stderr, "%s\n", qPrintable(m)); }
  void showInfoTitled(const QString& m, const QString&) override { showInfo(m); }
  bool askYesNo(const QString& m, const QString&) override {
    showInfo(m);
    return false;
  }
  void showError(const QString& m) override { showInfo(m); }
};

// Asks for `address` and waits for the page; milliseconds, or -1 when it did not load.
double openAndWait(tavo::player::LazyBrowserWindow& browser, const QString& address) {
  QElapsedTimer clock;
  clock.start();
  browser.setGeometry({0, 50, 1280, 750});
  browser.setAddress(address);
  browser.show();
  if (!browser.window()) return -1;
  QEventLoop loop;
  bool loaded = false;
  QObject::connect(browser.window()->widget(), SIGNAL(loadFinished(bool)), &loop, SLOT(quit()));
  QTimer::singleShot(20000, &loop, [&loop] { loop.exit(1); });
  loaded = loop.exec() == 0;
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  const QString expected = QUrl::fromUserInput(address, QString(), QUrl::AssumeLocalFile).toString();
  return loaded && browser.window()->currentAddress() == expected ? ms : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // As in the player: no shared OpenGL contexts (they cost the idle player tens of megabytes).
  QApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: browser-open <plugin file> <page 1> <page 2> [warm repeats]\n");
    return 2;
  }
  const int repeats = argc > 4 ? std::max(1, std::atoi(argv[4])) : 5;
  StderrMessages messages;
  tavo::player::LazyBrowserWindow browser(messages, QString::fromLocal8Bit(argv[1]));
  const QString pages[2] = {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])};

  const double cold = openAndWait(browser, pages[0]);
  std::vector<double> warm;
  for (int i = 0; i < repeats; ++i) warm.push_back(openAndWait(browser, pages[(i + 1) % 2]));
  std::sort(warm.begin(), warm.end());
  std::printf("cold_ms=%.1f warm_median_ms=%.1f warm_max_ms=%.1f\n", cold, warm[warm.size() / 2], warm.back());
  return cold < 0 || warm.front() < 0 ? 1 : 0;
}
