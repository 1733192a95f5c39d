#pragma once
// The thumbnail viewer: six pictures of a thumbnail set per screen in two rows
// of three, each with a caption that executes the picture's link, screens that
// advance at the set's cycle interval, a menu of the groups of six, a big view
// of one picture at a time and an optional background sound. Created once;
// every showing re-reads the set and starts at the first screen. Thumbnails
// are decoded off the user-interface thread at the size they are shown.

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "format/PlayerSettings.h"
#include "platform/Platform.h"
#include "player/bar/BarPeers.h"
#include "player/logic/PictureLayout.h"
#include "player/logic/PictureSteps.h"
#include "player/slideshow/PictureLoader.h"
#include "player/slideshow/SetSound.h"
#include "player/slideshow/SetTopBar.h"

class QFrame;
class QLabel;
class QMenu;
class QTimer;

namespace tavo::player::pictures {

class PictureView;
class SetWindowHost;
class SoundPlayer;

class TFmThumbViewer : public QWidget {
 public:
  TFmThumbViewer(platform::Platform& platform, SetWindowHost& host, SoundPlayer& sound, QWidget* parent = nullptr);
  ~TFmThumbViewer() override;

  ThumbnailViewerPort& port();

  // Set by the opener: the bar (told when the viewer closes) and the set folder.
  QPointer<QWidget> MainWindow;
  std::string SetFolder;
  std::string CycleInterval;
  std::vector<std::string> PictureFiles, Captions, Links;
  int NextStart = 0;

  void Open();
  void FormShow();
  void FormClose();
  void ShowScreen();
  void LayOut();

  void BtnNextClick();
  void BtnPrevClick();
  void BtnPauseClick();
  void BtnPlayClick();
  void BtnMinimizeClick();
  void BtnCloseClick();
  void ImgThumb1Click(int slot);
  void LbThumbCaption1Click(int slot);
  void ImageBigClick();
  void MChPickThumbnailClick(int tag);
  void CycleTimerTimer();

  bool bigView() const;
  int bigIndex() const { return bigIndex_; }
  bool open() const { return open_; }
  PictureLoader& loader() { return loader_; }

  SetTopBar top;
  QLabel* LbTitle = nullptr;
  std::array<QFrame*, kThumbsPerScreen> PnThumb{};
  std::array<PictureView*, kThumbsPerScreen> ImgThumb{};
  std::array<QLabel*, kThumbsPerScreen> LbThumbCaption{};
  std::array<int, kThumbsPerScreen> thumbIndex{};  // the picture each slot shows (its tag)
  PictureView* ImageBig = nullptr;
  QTimer* CycleTimer = nullptr;
  QMenu* PMnImages = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showBigView(bool on);
  void stepBig(bool forward);
  PictureRequest requestFor(int index, Size area, PictureFit fit) const;

  platform::Platform& platform_;
  PlayerSettings settings_;
  SetWindowHost& host_;
  SetSound sound_;
  PictureLoader loader_;
  std::unique_ptr<ThumbnailViewerPort> port_;
  PictureFit bigFit_ = PictureFit::Stretch;
  bool open_ = false;
  int bigIndex_ = 0;  // ImageBig's tag: the picture shown big
  int screenStart_ = 0;  // first index of the screen on view
  unsigned generation_ = 0;
};

}  // namespace tavo::player::pictures
