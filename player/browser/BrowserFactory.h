#pragma once
// The seam between the player and its browser window. The window lives in a
// plugin of its own (TavoBrowser.so beside the player program), so that the
// web engine is loaded only when a page is first opened in the player's own
// window, never at start-up. The plugin's root object implements
// BrowserFactory; the player finds it with QPluginLoader.

#include <QtPlugin>

#include "player/bar/BarPeers.h"

class QWidget;

namespace tavo::player {

// The browser window as the plugin hands it out: the bar's port plus the widget
// itself. The widget also has the signal loadFinished(bool), raised when a page
// has finished loading (for timing and tests; connect by name).
class BrowserWindow : public BrowserWindowPort {
 public:
  virtual QWidget* widget() = 0;
  // The address of the page shown now (empty before the first navigation).
  virtual QString currentAddress() const = 0;
};

class BrowserFactory {
 public:
  virtual ~BrowserFactory() = default;
  // A new, hidden browser window; the caller owns it.
  virtual BrowserWindow* createBrowserWindow() = 0;
};

inline constexpr const char* kBrowserPluginFileName = "TavoBrowser.so";

}  // namespace tavo::player

#define TavoBrowserFactory_iid "org.tavo.TavoPlayer.BrowserFactory/1.0"
Q_DECLARE_INTERFACE(tavo::player::BrowserFactory, TavoBrowserFactory_iid)
