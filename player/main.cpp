// TavoPlayer: shows a presentation as a bar docked to the screen edge.

#include <QApplication>
#include <QFileInfo>

#include "common/StartupTrace.h"
#include "player/bar/Glyphs.h"
#include "player/bar/TFmMain.h"
#include "player/setup/SetupWizard.h"
#include "player/slideshow/BarHost.h"
#include "player/slideshow/SoundPlayer.h"
#include "player/slideshow/TFmSlideshow.h"
#include "player/thumbnails/TFmThumbViewer.h"
#include "platform/QtPlatform.h"
#include "platform/QtText.h"

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
  // The picture windows: created once, hidden until a link opens them. Their
  // sound players make the multimedia back end only when a set has a sound.
  tavo::player::pictures::BarHost pictureHost(bar);
  tavo::player::pictures::MultimediaSoundPlayer slideshowSound, viewerSound;
  tavo::player::pictures::TFmSlideshow slideshow(platform, pictureHost, slideshowSound);
  tavo::player::pictures::TFmThumbViewer thumbnails(platform, pictureHost, viewerSound);
  tavo::player::BarPeers peers = bar.peers();
  peers.slideshow = &slideshow.port();
  peers.thumbnails = &thumbnails.port();
  // The setup wizard copies this very program beside the presentation it installs.
  tavo::player::SetupWizard setup(platform, tavo::platform::toPath(QCoreApplication::applicationFilePath()), &bar);
  peers.setup = &setup;
  bar.setPeers(peers);
  if (!bar.FormCreate()) return 0;
  tavo::trace::mark("bar dressed");
  bar.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
