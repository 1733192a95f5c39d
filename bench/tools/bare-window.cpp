// A bare Qt window built like the player (same compiler flags and Qt), to
// compare start-up times with: it shows an empty, titled window and waits.
// Its first paint is its trace point "first paint" (common/StartupTrace.h).
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "common/StartupTrace.h"

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::black);
    tavo::trace::mark("first paint");
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  tavo::trace::mark("main");
  QApplication app(argc, argv);
  tavo::trace::setQuitHook([] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  tavo::trace::mark("qt ready");
  BareWindow window;
  window.setWindowTitle("BareWindow");
  window.resize(1280, 50);
  window.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
