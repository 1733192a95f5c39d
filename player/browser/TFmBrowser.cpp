#include "player/browser/TFmBrowser.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace tavo::player {

namespace {
constexpr const char* kCaption = "Tavo Browser";

// A typed or configured address as a URL: full addresses as written, a file
// path as a local file, "www.example.com" as a web address.
QUrl toUrl(const QString& address) { return QUrl::fromUserInput(address, QString(), QUrl::AssumeLocalFile); }
}  // namespace

TFmBrowser::TFmBrowser(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TFmBrowser");
  setWindowTitle(kCaption);

  WebBrowser = new TBrowserView(this);
  WebBrowser->setObjectName("WebBrowser");

  ToolBar = new QToolBar(this);
  ToolBar->setObjectName("ToolBar");
  ToolBar->setMovable(false);
  ToolBar->addAction(WebBrowser->pageAction(QWebEnginePage::Back));
  ToolBar->addAction(WebBrowser->pageAction(QWebEnginePage::Forward));
  ToolBar->addAction(WebBrowser->pageAction(QWebEnginePage::Reload));
  EdAddress = new QLineEdit(ToolBar);
  EdAddress->setObjectName("EdAddress");
  EdAddress->setClearButtonEnabled(true);
  ToolBar->addWidget(EdAddress);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ToolBar);
  layout->addWidget(WebBrowser, 1);

  connect(EdAddress, &QLineEdit::returnPressed, this, [this] {
    const QUrl url = toUrl(EdAddress->text().trimmed());
    if (url.isValid()) WebBrowser->setUrl(url);
  });
  connect(WebBrowser, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
    EdAddress->setText(url.toDisplayString());
    navigation_.userNavigated(url.toString().toStdString());
  });
  connect(WebBrowser, &QWebEngineView::titleChanged, this, &TFmBrowser::titleChanged);
  connect(WebBrowser, &QWebEngineView::loadFinished, this, &TFmBrowser::loadFinished);
  connect(WebBrowser->page()->profile(), &QWebEngineProfile::downloadRequested, this,
          &TFmBrowser::downloadRequested);
}

void TFmBrowser::setGeometry(const layout::Rect& r) { QWidget::setGeometry(r.left, r.top, r.width, r.height); }

void TFmBrowser::setAddress(const QString& address) {
  // The navigation rule compares the addresses in the view's own spelling.
  navigation_.setAddress(toUrl(address).toString().toStdString());
}

void TFmBrowser::show() {
  QWidget::show();
  raise();
  activateWindow();
  // An already active window gets no activation: navigate now.
  navigateIfAsked();
}

QString TFmBrowser::currentAddress() const { return WebBrowser->url().toString(); }

void TFmBrowser::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TFmBrowser::FormActivate() { navigateIfAsked(); }

void TFmBrowser::navigateIfAsked() {
  if (const std::optional<std::string> address = navigation_.onActivate())
    WebBrowser->setUrl(QUrl(QString::fromStdString(*address)));
}

void TFmBrowser::titleChanged(const QString& title) {
  const QString shown = title.trimmed();
  // A page without a title reports its address instead: show only the caption then.
  setWindowTitle(shown.isEmpty() || shown == WebBrowser->url().toString() ? QString(kCaption)
                                                                          : QString(kCaption) + " - " + shown);
}

void TFmBrowser::downloadRequested(QWebEngineDownloadRequest* download) {
  download->cancel();
  QMessageBox::information(this, kCaption,
                           "The Tavo Browser does not download files. " + download->downloadFileName() +
                               " was not downloaded.");
}

}  // namespace tavo::player
