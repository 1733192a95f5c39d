// TavoPlayer: shows a presentation as a bar docked to the screen edge.

#include <QApplication>
#include <QFileInfo>
#include <memory>

#include "common/StartupTrace.h"
#include "platform/QtText.h"
#include "player/bar/Glyphs.h"
#include "player/bar/LazyBrowserWindow.h"
#include "player/bar/LazySetWindows.h"
#include "player/bar/TFmMain.h"
#include "player/preferences/TFmOptions.h"
#include "player/slideshow/BarHost.h"
#include "player/slideshow/SoundPlayer.h"
#include "player/slideshow/TFmSlideshow.h"
#include "player/thumbnails/TFmThumbViewer.h"
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
  tavo::player::PreferencesDialog preferences(tavo::PlayerSettings(platform.registry),
                                              tavo::platform::toPath(platform.programFolder), platform.shell);
  tavo::player::LazyBrowserWindow browser(platform.messages,
                                          tavo::player::LazyBrowserWindow::pluginBeside(platform.programFolder));
  // The picture windows: each made once, when a link first opens it, and then
  // kept hidden between showings. Their sound players make the multimedia back
  // end only when a set has a sound.
  tavo::player::pictures::BarHost pictureHost(bar);
  tavo::player::pictures::MultimediaSoundPlayer slideshowSound, viewerSound;
  std::unique_ptr<tavo::player::pictures::TFmSlideshow> slideshow;
  std::unique_ptr<tavo::player::pictures::TFmThumbViewer> thumbnails;
  tavo::player::LazySlideshowWindow lazySlideshow([&]() -> tavo::player::SlideshowWindowPort& {
    slideshow = std::make_unique<tavo::player::pictures::TFmSlideshow>(platform, pictureHost, slideshowSound);
    return slideshow->port();
  });
  tavo::player::LazyThumbnailViewer lazyThumbnails([&]() -> tavo::player::ThumbnailViewerPort& {
    thumbnails = std::make_unique<tavo::player::pictures::TFmThumbViewer>(platform, pictureHost, viewerSound);
    return thumbnails->port();
  });
  tavo::player::BarPeers peers = bar.peers();
  peers.slideshow = &lazySlideshow;
  peers.thumbnails = &lazyThumbnails;
  peers.preferences = &preferences;
  peers.browser = &browser;
  bar.setPeers(peers);
  if (!bar.FormCreate()) return 0;
  tavo::trace::mark("bar dressed");
  bar.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
