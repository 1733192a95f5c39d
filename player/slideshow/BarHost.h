#pragma once
// The bar as the picture windows' host.

#include "player/slideshow/SetWindowHost.h"

namespace tavo::player {
class TFmMain;
}

namespace tavo::player::pictures {

class BarHost : public SetWindowHost {
 public:
  explicit BarHost(TFmMain& bar) : bar_(bar) {}
  std::string presentationFolder() const override;
  void showTickerPanel() override;
  void showScrollingTicker() override;
  void showPanelText(const QString& text, const QString& hotlink) override;
  int menuImageLeft() const override;
  int menuImageWidth() const override;
  bool executeThumbnailLink(const QString& link, const QString& setFolderName) override;

 private:
  TFmMain& bar_;
};

}  // namespace tavo::player::pictures
