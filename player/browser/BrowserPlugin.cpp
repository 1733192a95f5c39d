// The plugin's root object: makes browser windows for the player.

#include <QObject>

#include "player/browser/BrowserFactory.h"
#include "player/browser/TFmBrowser.h"

namespace tavo::player {

class BrowserPlugin : public QObject, public BrowserFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID TavoBrowserFactory_iid)
  Q_INTERFACES(tavo::player::BrowserFactory)

 public:
  BrowserWindow* createBrowserWindow() override { return new TFmBrowser; }
};

}  // namespace tavo::player

#include "BrowserPlugin.moc"
