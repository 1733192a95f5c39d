#pragma once
// The player's own video window: plays the current playlist item when the
// user presses the bar's Play control. A small black window that sizes itself
// to the video once it is open, centres itself on the screen, plays silently
// when the bar's sound is off, and pauses, plays at double rate and goes back
// 10 seconds on the runner's request. Below the picture a strip holds
// play/pause, the position with its time, and the volume.
//
// While a file plays, its synchronized lines come due with the playback
// position; each due line is offered to the bar (BarMessage::QuestionPrompt),
// which shows the question panel for a web address or page file.
//
// The window itself is cheap and exists from start-up; the media player, its
// audio output and the video surface are created on the first start.

#include <QElapsedTimer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "player/bar/BarMessage.h"
#include "player/bar/BarPeers.h"
#include "player/logic/PlaylistRun.h"

class QAudioOutput;
class QFrame;
class QLabel;
class QMediaPlayer;
class QPushButton;
class QSlider;
class QToolButton;
class QVideoWidget;

namespace tavo::player {

class TFmVideoPlayerSmall : public QWidget, public VideoWindowPort {
  Q_OBJECT

 public:
  // The window's size before a file has opened (and when one cannot be opened).
  static constexpr QSize kDesignSize{480, 320};
  static constexpr QSize kPromptPanelSize{301, 101};

  explicit TFmVideoPlayerSmall(QWidget* parent = nullptr);
  ~TFmVideoPlayerSmall() override;

  // Receives the window's notices (question prompt, open the prompt's link,
  // end of video); the bar's BarMessageReceived.
  void setMainWindow(std::function<int(BarMessage)> notify) { notify_ = std::move(notify); }

  // ---- VideoWindowPort ----
  bool isVisible() const override { return QWidget::isVisible(); }
  void startItem(const playlist::VideoRequest& request) override;
  void restart() override;
  void pause() override;
  void doubleRate() override;
  void backTenSeconds() override;
  void closeVideo() override;
  QString promptLink() const override;
  QString promptText() const override;
  QSize windowSize() const override { return size(); }
  QSize promptPanelSize() const override;
  void showPromptPanel(QPoint topLeft, const QString& question) override;
  void hidePromptPanel() override;
  void giveFocus() override;
  void bringToFront() override;

  // ---- state ----
  std::string ItemFile;
  std::string SyncFileName;
  std::string SubscriberFolder;  // with trailing separator
  bool SoundOn = true;
  bool Playing = false;
  bool Activated = false;
  bool Opened = false;
  // The "further display" of the control: the picture area, shown for every
  // file but an MP3.
  bool FurtherDisplay = false;

  // The media objects, null until the first start.
  QMediaPlayer* player() const { return player_; }
  QAudioOutput* audioOutput() const { return audio_; }
  QVideoWidget* videoArea() const { return video_; }
  QFrame* Panel1 = nullptr;
  QLabel* LbQuestion = nullptr;
  QPushButton* BtnYes = nullptr;
  QPushButton* BtnNo = nullptr;

  // Milliseconds from the last startItem to its first video frame on screen,
  // or -1 while none has been shown.
  qint64 firstFrameMs() const { return firstFrameMs_; }

 signals:
  // The window closed, by the runner or by its own close box.
  void closed();
  // The file has opened and the window has its size (ActiveMovie1OpenComplete).
  void openComplete();
  void firstFrameShown();
  // The file could not be opened or played.
  void failed(const QString& why);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ensureMedia();
  void createOutputs();
  void connectPlayer();
  void loadSyncLines();
  void OpenComplete(QSize videoSize);
  void playbackFailed();
  void positionChanged(qint64 ms);
  void updateStrip();
  void notify(BarMessage message);
  void applyVolume();

  std::function<int(BarMessage)> notify_;
  QMediaPlayer* player_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QVideoWidget* video_ = nullptr;
  QWidget* strip_ = nullptr;
  QToolButton* playPause_ = nullptr;
  QSlider* position_ = nullptr;
  QLabel* time_ = nullptr;
  QSlider* volume_ = nullptr;
  playlist::SyncCursor sync_;
  std::string lineText_, lineRemainder_;
  QElapsedTimer sinceStart_;
  qint64 firstFrameMs_ = -1;
  bool sliderHeld_ = false;
};

}  // namespace tavo::player
