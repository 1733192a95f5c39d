#pragma once
// The slideshow window: one picture of a slideshow set at a time across the
// screen, its caption in the top bar, its synchronized text in the bar's ticker
// panel, an optional background sound, and a right-click menu of all pictures.
// Created once; every showing re-reads the set and starts at the first picture.
// Pictures are decoded off the user-interface thread, the next one ahead of
// its turn, so that a tick of the cycle timer only swaps the picture shown.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "format/PlayerSettings.h"
#include "platform/Platform.h"
#include "player/bar/BarPeers.h"
#include "player/logic/PictureSteps.h"
#include "player/slideshow/PictureLoader.h"
#include "player/slideshow/SetSound.h"
#include "player/slideshow/SetTopBar.h"

class QMenu;
class QTimer;
class QLabel;
class QToolButton;

namespace tavo::player::pictures {

class PictureView;
class SetWindowHost;
class SoundPlayer;

class TFmSlideshow : public QWidget {
 public:
  TFmSlideshow(platform::Platform& platform, SetWindowHost& host, SoundPlayer& sound, QWidget* parent = nullptr);
  ~TFmSlideshow() override;

  // What the bar and the playlist runner use.
  SlideshowWindowPort& port();

  // Set by the opener before showing: the set folder without trailing separator.
  std::string SetFolder;
  std::vector<std::string> PictureFiles;
  std::vector<std::string> Captions;
  std::vector<std::string> SyncTexts;  // one per picture; empty where the file has no line
  std::vector<std::string> Hotlinks;
  int CurrentIndex = 0;

  // Shows the window on the set in SetFolder (the start-up steps, then the window).
  void Open();
  void FormShow();
  void FormClose();
  void ShowPicture();

  void BtnNextClick();
  void BtnPrevClick();
  void BtnPauseClick();
  void BtnPlayClick();
  void BtnMinimizeClick();
  void BtnCloseClick();
  void MChPickImageClick(int tag);
  void PMnImagesPopup();
  void TimerSlideShowTimer();

  PictureLoader& loader() { return loader_; }
  bool open() const { return open_; }

  SetTopBar top;
  PictureView* Image1 = nullptr;
  QMenu* PMnImages = nullptr;
  QTimer* TimerSlideShow = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  PictureRequest requestFor(int index) const;
  void decodeAhead();

  platform::Platform& platform_;
  PlayerSettings settings_;
  SetWindowHost& host_;
  SetSound sound_;
  PictureLoader loader_;
  std::unique_ptr<SlideshowWindowPort> port_;
  PictureFit fit_ = PictureFit::Stretch;
  bool open_ = false;
  // Each showing and each picture asked for gets a new number, so that a
  // decoded picture that arrives late is dropped.
  unsigned generation_ = 0;
  struct Ahead {
    int index = -1;
    unsigned generation = 0;
    std::optional<DecodedPicture> picture;  // set once decoded
  } ahead_;
};

}  // namespace tavo::player::pictures
