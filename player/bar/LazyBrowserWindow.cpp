#include "player/bar/LazyBrowserWindow.h"

#include <QPluginLoader>
#include <QWidget>

#include "platform/Messages.h"
#include "player/browser/BrowserFactory.h"

namespace tavo::player {

LazyBrowserWindow::LazyBrowserWindow(platform::Messages& messages, QString pluginFile)
    : messages_(messages), pluginFile_(std::move(pluginFile)) {}

LazyBrowserWindow::~LazyBrowserWindow() = default;

QString LazyBrowserWindow::pluginBeside(const QString& programFolder) {
  QString folder = programFolder;
  if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
  return folder + kBrowserPluginFileName;
}

void LazyBrowserWindow::setGeometry(const layout::Rect& rect) {
  geometry_ = rect;
  if (window_) window_->setGeometry(rect);
}

void LazyBrowserWindow::setAddress(const QString& address) {
  address_ = address;
  if (window_) window_->setAddress(address);
}

void LazyBrowserWindow::show() {
  if (!window_) {
    if (!load()) return;
    if (geometry_) window_->setGeometry(*geometry_);
    window_->setAddress(address_);
  }
  window_->show();
}

bool LazyBrowserWindow::load() {
  QPluginLoader loader(pluginFile_);
  QObject* root = loader.instance();
  auto* factory = qobject_cast<BrowserFactory*>(root);
  if (!factory) {
    const QString reason = root ? QString("it is not the Tavo Browser") : loader.errorString();
    messages_.showInfo("The Tavo Browser could not be opened: " + reason +
                       "\nThe page was not shown. Reinstalling the player restores the browser (" +
                       QString(kBrowserPluginFileName) + " beside the program).");
    return false;
  }
  // The plugin stays loaded for the rest of the run: its window lives until the player ends.
  window_.reset(factory->createBrowserWindow());
  return window_ != nullptr;
}

}  // namespace tavo::player
