// A bare Qt window built like the player (same compiler flags and Qt), to
// compare start-up times with: it shows an empty, titled window and waits.
// Its first paint is its trace point "first paint" (common/StartupTrace.h).
// Usage: bare-window [--text]
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "common/StartupTrace.h"

namespace {

class BareWindow : public QWidget {
 public:
  explicit BareWindow(QString text) : text_(std::move(text)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!text_.isEmpty()) {
      painter.setPen(Qt::white);
      painter.drawText(rect(), Qt::AlignCenter, text_);
    }
    tavo::trace::mark("first paint");
  }

 private:
  QString text_;
};

}  // namespace

int main(int argc, char* argv[]) {
  tavo::trace::mark("main");
  QApplication app(argc, argv);
  tavo::trace::setQuitHook([] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  tavo::trace::mark("qt ready");
  // With --text the window draws one line of text, so that it pays for the
  // font set-up that every window showing text pays.
  BareWindow window(app.arguments().contains("--text") ? QStringLiteral("BareWindow") : QString());
  window.setWindowTitle("BareWindow");
  window.resize(1280, 50);
  window.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
