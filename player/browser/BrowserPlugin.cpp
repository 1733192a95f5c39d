// The plugin's root object: makes browser windows for the player.

#include <QObject>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>

#include "player/browser/BrowserFactory.h"
#include "player/browser/TFmBrowser.h"

namespace tavo::player {

class BrowserPlugin : public QObject, public BrowserFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TavoBrowserFactory_iid)
  Q_INTERFACES(tavo::player::BrowserFactory)

 public:
  BrowserWindow* createBrowserWindow() override {
    // The web engine draws through an OpenGL context shared with the GUI. The
    // player does not ask for shared contexts at start (creating one then costs
    // the idle player tens of megabytes), so the engine's is set up here, on
    // first use, before its first view exists.
    static const bool initialized = [] {
      QtWebEngineQuick::initialize();
      return true;
    }();
    (void)initialized;
    return new TFmBrowser;
  }
};

}  // namespace tavo::player

#include "BrowserPlugin.moc"
