// TavoPlayer: shows a presentation as a bar docked to the screen edge.

#include <QApplication>
#include <QFileInfo>

#include "common/StartupTrace.h"
#include "player/bar/Glyphs.h"
#include "player/bar/TFmMain.h"
#include "platform/QtPlatform.h"

int main(int argc, char* argv[]) {
  tavo::trace::mark("main");
  QApplication app(argc, argv);
  tavo::trace::setQuitHook([] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  tavo::trace::mark("qt ready");
  const QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QApplication::setApplicationName(title);
  QApplication::setWindowIcon(tavo::player::glyphs::applicationIcon());

  tavo::platform::QtPlatform qt(title, "TavoPlayer");
  tavo::platform::Platform& platform = qt.platform();

  if (!platform.instance.acquire()) {
    platform.messages.showInfo("TavoPlayer is already open.");
    return 0;
  }

  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  tavo::player::TFmMain bar(platform, arguments);
  tavo::trace::mark("bar constructed");
  if (!bar.FormCreate()) return 0;
  tavo::trace::mark("bar dressed");
  bar.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
