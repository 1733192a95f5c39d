#include "player/slideshow/BarHost.h"

#include <QFrame>
#include <QLabel>

#include "player/bar/TFmMain.h"
#include "ticker/TQxScroller.h"

namespace tavo::player::pictures {

std::string BarHost::presentationFolder() const { return bar_.ProjectFolder; }

void BarHost::showTickerPanel() {
  bar_.Ticker->hide();
  bar_.PnTicker->show();
  bar_.PnTicker->raise();
}

void BarHost::showScrollingTicker() {
  bar_.Ticker->show();
  bar_.PnTicker->hide();
}

void BarHost::showPanelText(const QString& text, const QString& hotlink) { bar_.ShowPanelText(text, hotlink); }

int BarHost::menuImageLeft() const { return bar_.ImgMenu->x(); }
int BarHost::menuImageWidth() const { return bar_.ImgMenu->width(); }

bool BarHost::executeThumbnailLink(const QString& link, const QString& setFolderName) {
  return bar_.ExecuteLink(link, setFolderName, PlaylistMark);
}

}  // namespace tavo::player::pictures
