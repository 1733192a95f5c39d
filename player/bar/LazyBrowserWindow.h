#pragma once
// The bar's browser port. The browser window and the web engine behind it are
// loaded from the plugin beside the program (player/browser/BrowserFactory.h)
// the first time a page is shown in the player's own window; until then the
// player carries none of it. When the plugin cannot be loaded the user is told
// so, and the next request tries again.

#include <QString>
#include <memory>
#include <optional>

#include "player/bar/BarPeers.h"

namespace tavo::platform {
class Messages;
}

namespace tavo::player {

class BrowserWindow;

class LazyBrowserWindow : public BrowserWindowPort {
 public:
  // `pluginFile`: the plugin's full path, normally pluginBeside(the program folder).
  LazyBrowserWindow(platform::Messages& messages, QString pluginFile);
  ~LazyBrowserWindow() override;

  static QString pluginBeside(const QString& programFolder);

  void setGeometry(const layout::Rect& rect) override;
  void setAddress(const QString& address) override;
  void show() override;

  // The window, once loaded (null before and when loading failed).
  BrowserWindow* window() const { return window_.get(); }

 private:
  bool load();

  platform::Messages& messages_;
  QString pluginFile_;
  std::unique_ptr<BrowserWindow> window_;
  std::optional<layout::Rect> geometry_;
  QString address_;
};

}  // namespace tavo::player
