#pragma once
// The player's own browser window "Tavo Browser": one web view filling the
// window under a small tool bar (back, forward, reload, the address). The bar
// sets the address and shows the window; the window navigates when it is
// shown or becomes active and the address asked for differs from the page it
// last navigated to (player/logic/BrowserNavigation.h), so clicking back into
// the window never reloads the page.

#include <QWebEngineView>
#include <QWidget>

#include "player/browser/BrowserFactory.h"
#include "player/logic/BrowserNavigation.h"

class QLineEdit;
class QToolBar;
class QWebEngineDownloadRequest;

namespace tavo::player {

// A view whose pages' new windows (target="_blank", window.open) open in the view itself.
class TBrowserView : public QWebEngineView {
 public:
  using QWebEngineView::QWebEngineView;

 protected:
  QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override { return this; }
};

class TFmBrowser : public QWidget, public BrowserWindow {
  Q_OBJECT

 public:
  explicit TFmBrowser(QWidget* parent = nullptr);

  // BrowserWindow
  void setGeometry(const layout::Rect& rect) override;
  void setAddress(const QString& address) override;
  void show() override;
  QWidget* widget() override { return this; }
  QString currentAddress() const override;

  void FormActivate();

  TBrowserView* WebBrowser = nullptr;
  QToolBar* ToolBar = nullptr;
  QLineEdit* EdAddress = nullptr;

 signals:
  void loadFinished(bool ok);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void navigateIfAsked();
  void titleChanged(const QString& title);
  void downloadRequested(QWebEngineDownloadRequest* download);

  BrowserNavigation navigation_;
};

}  // namespace tavo::player
