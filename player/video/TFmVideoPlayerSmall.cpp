#include "player/video/TFmVideoPlayerSmall.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <QtGlobal>
#include <cmath>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/Playlist.h"
#include "platform/QtText.h"

namespace tavo::player {

namespace {

QString clockText(qint64 ms) {
  const qint64 s = std::max<qint64>(0, ms / 1000);
  return QString("%1:%2").arg(s / 60, 2, 10, QChar('0')).arg(s % 60, 2, 10, QChar('0'));
}

}  // namespace

TFmVideoPlayerSmall::TFmVideoPlayerSmall(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FmVideoPlayerSmall");
  setWindowTitle("Tavo Player");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::white);
  pal.setColor(QPalette::Button, QColor(48, 48, 48));
  pal.setColor(QPalette::ButtonText, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  resize(kDesignSize);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  // The control strip: play/pause, position with time, volume.
  strip_ = new QWidget(this);
  strip_->setObjectName("ControlStrip");
  auto* row = new QHBoxLayout(strip_);
  row->setContentsMargins(4, 2, 4, 2);
  playPause_ = new QToolButton(strip_);
  playPause_->setObjectName("BtnPlayPause");
  playPause_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  playPause_->setToolTip("Play");
  position_ = new QSlider(Qt::Horizontal, strip_);
  position_->setObjectName("Tracker");
  position_->setRange(0, 0);
  time_ = new QLabel("00:00 / 00:00", strip_);
  time_->setObjectName("LbTime");
  auto* speaker = new QLabel(strip_);
  speaker->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
  volume_ = new QSlider(Qt::Horizontal, strip_);
  volume_->setObjectName("Volume");
  volume_->setRange(0, 100);
  volume_->setValue(100);
  volume_->setFixedWidth(70);
  row->addWidget(playPause_);
  row->addWidget(position_, 1);
  row->addWidget(time_);
  row->addWidget(speaker);
  row->addWidget(volume_);
  layout->addStretch(1);
  layout->addWidget(strip_);

  connect(playPause_, &QToolButton::clicked, this, [this] {
    if (!player_) return;
    if (player_->playbackState() == QMediaPlayer::PlayingState)
      player_->pause();
    else
      player_->play();
  });
  connect(position_, &QSlider::sliderPressed, this, [this] { sliderHeld_ = true; });
  connect(position_, &QSlider::sliderReleased, this, [this] {
    sliderHeld_ = false;
    if (player_) player_->setPosition(position_->value());
  });
  connect(volume_, &QSlider::valueChanged, this, [this](int v) {
    if (audio_) audio_->setVolume(v / 100.0f);
  });

  // The question panel, above the picture.
  // A frameless tool window of its own over this one: the video surface is a
  // native window, which would cover a plain child.
  Panel1 = new QFrame(this, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Raised);
  Panel1->setAutoFillBackground(true);
  QPalette panelPal = Panel1->palette();
  panelPal.setColor(QPalette::Window, QColor(212, 208, 200));
  panelPal.setColor(QPalette::WindowText, Qt::black);
  panelPal.setColor(QPalette::ButtonText, Qt::black);
  panelPal.setColor(QPalette::Button, QColor(212, 208, 200));
  Panel1->setPalette(panelPal);
  Panel1->setFixedSize(kPromptPanelSize);
  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->setContentsMargins(2, 2, 2, 6);
  auto* title = new QLabel("  Launch Web Page", Panel1);
  title->setObjectName("LbPanelTitle");
  title->setAutoFillBackground(true);
  QPalette titlePal = title->palette();
  titlePal.setColor(QPalette::Window, QColor(0, 0, 128));
  titlePal.setColor(QPalette::WindowText, Qt::white);
  title->setPalette(titlePal);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  LbQuestion = new QLabel(Panel1);
  LbQuestion->setObjectName("LbQuestion");
  LbQuestion->setAlignment(Qt::AlignCenter);
  LbQuestion->setWordWrap(true);
  BtnYes = new QPushButton("&Yes", Panel1);
  BtnYes->setObjectName("BtnYes");
  BtnNo = new QPushButton("&No", Panel1);
  BtnNo->setObjectName("BtnNo");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtnYes);
  buttons->addWidget(BtnNo);
  buttons->addStretch(1);
  panelLayout->addWidget(title);
  panelLayout->addWidget(LbQuestion, 1);
  panelLayout->addLayout(buttons);
  Panel1->hide();
  connect(BtnNo, &QPushButton::clicked, this, [this] { Panel1->hide(); });
  connect(BtnYes, &QPushButton::clicked, this, [this] {
    Panel1->hide();
    notify(BarMessage::OpenPromptLink);
  });
}

TFmVideoPlayerSmall::~TFmVideoPlayerSmall() {
  if (player_) player_->stop();
}

// The media back end the player plays with (see the README): GStreamer, unless
// the user's environment names another.
static void selectMediaBackEnd() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

// The audio output and the picture area are made once; each file gets a media
// player of its own, since a pipeline used before can refuse a file started
// again ("Internal data stream error" on the third start of the same clip).
void TFmVideoPlayerSmall::ensureMedia() {
  selectMediaBackEnd();
  if (player_) {
    player_->disconnect(this);
    player_->stop();
    player_->setVideoOutput(nullptr);
    player_->deleteLater();
    player_ = nullptr;
  }
  if (!audio_) createOutputs();
  player_ = new QMediaPlayer(this);
  player_->setAudioOutput(audio_);
  player_->setVideoOutput(video_);
  connectPlayer();
}

void TFmVideoPlayerSmall::createOutputs() {
  audio_ = new QAudioOutput(this);
  video_ = new QVideoWidget(this);
  video_->setObjectName("ActiveMovie1");
  QPalette pal = video_->palette();
  pal.setColor(QPalette::Window, Qt::black);
  video_->setPalette(pal);
  video_->setAutoFillBackground(true);
  video_->installEventFilter(this);
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  delete layout->takeAt(0);  // the stretch that held the place of the picture
  layout->insertWidget(0, video_, 1);
  connect(video_->videoSink(), &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
    if (!frame.isValid()) return;
    if (firstFrameMs_ < 0) {
      firstFrameMs_ = sinceStart_.elapsed();
      emit firstFrameShown();
    }
    if (!Opened) OpenComplete(frame.size());
  });
}

void TFmVideoPlayerSmall::connectPlayer() {
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
    // A file without pictures opens without a frame.
    if ((status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia) && !Opened &&
        player_->hasAudio() && !player_->hasVideo())
      OpenComplete(QSize());
    if (status == QMediaPlayer::InvalidMedia) {
      playbackFailed();
      const QString why = "cannot play " + player_->source().toLocalFile() + ": " + player_->errorString();
      qWarning("video window: %s", qPrintable(why));
      emit failed(why);
    }
  });
  connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
    playbackFailed();
    const QString why = "cannot play " + player_->source().toLocalFile() + ": " + text;
    qWarning("video window: %s", qPrintable(why));
    emit failed(why);
  });
  connect(player_, &QMediaPlayer::positionChanged, this, &TFmVideoPlayerSmall::positionChanged);
  connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
    position_->setRange(0, static_cast<int>(ms));
    updateStrip();
  });
  connect(player_, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
    const bool playing = state == QMediaPlayer::PlayingState;
    playPause_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    playPause_->setToolTip(playing ? "Pause" : "Play");
  });
}

// Nothing plays, and the window keeps its design size.
void TFmVideoPlayerSmall::playbackFailed() {
  player_->stop();
  Opened = false;
  resize(kDesignSize);
}

// ---- the runner's operations ------------------------------------------------

void TFmVideoPlayerSmall::startItem(const playlist::VideoRequest& request) {
  ItemFile = request.itemFile;
  SyncFileName = request.syncFileName;
  SubscriberFolder = withTrailingSeparator(request.subscriberFolder);
  SoundOn = request.soundOn;
  Playing = true;
  Opened = false;
  firstFrameMs_ = -1;
  sinceStart_.start();
  ensureMedia();
  Panel1->hide();
  loadSyncLines();
  player_->setPlaybackRate(1.0);
  FurtherDisplay = !toLowerAnsi(ItemFile).ends_with("mp3");
  video_->setVisible(FurtherDisplay);
  resize(kDesignSize);
  applyVolume();
  show();
  raise();
  const std::optional<std::string> file = resolveInside(SubscriberFolder, SubscriberFolder, ItemFile);
  if (!file || !isFile(*file)) {
    const QString why = "cannot play " + QString::fromStdString(SubscriberFolder + ItemFile) + ": no such file";
    qWarning("video window: %s", qPrintable(why));
    emit failed(why);
    return;
  }
  player_->setSource(QUrl::fromLocalFile(platform::fromPath(*file)));
  player_->play();  // starts by itself once open
}

void TFmVideoPlayerSmall::loadSyncLines() {
  std::vector<SyncLine> lines;
  lineText_.clear();
  lineRemainder_.clear();
  if (!SyncFileName.empty()) {
    const std::optional<std::string> path = resolveInside(SubscriberFolder, SubscriberFolder, SyncFileName);
    if (path && isFile(*path)) lines = readSyncLines(*path);
  }
  sync_.load(std::move(lines));
}

void TFmVideoPlayerSmall::restart() {
  if (!player_) return;
  player_->setPosition(0);
  player_->setPlaybackRate(1.0);
  sync_.rewind();
  player_->play();
}

void TFmVideoPlayerSmall::pause() {
  if (player_ && Opened && player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
}

void TFmVideoPlayerSmall::doubleRate() {
  if (!player_) return;
  player_->setPlaybackRate(2.0);
  update();
  player_->play();
}

void TFmVideoPlayerSmall::backTenSeconds() {
  if (!player_) return;
  const playlist::BackTenSeconds back = playlist::backTenSeconds(player_->position());
  player_->setPosition(back.positionMs);
  if (back.toSelectionStart) sync_.rewind();
  position_->setValue(static_cast<int>(back.positionMs));
  updateStrip();
  update();
}

void TFmVideoPlayerSmall::closeVideo() {
  Activated = false;
  close();
}

// ---- open complete, position, closing ----------------------------------------

void TFmVideoPlayerSmall::OpenComplete(QSize videoSize) {
  // The client area takes the control's size: the picture (when shown) and the strip.
  const int stripHeight = strip_->sizeHint().height();
  QSize client(std::max(videoSize.width(), kDesignSize.width()), stripHeight);
  if (FurtherDisplay && videoSize.isValid()) client = QSize(videoSize.width(), videoSize.height() + stripHeight);
  if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
    const QRect avail = screen->availableGeometry();
    client = client.boundedTo(avail.size());
    resize(client);
    const QRect frame = frameGeometry();
    const int frameExtraW = frame.width() - width(), frameExtraH = frame.height() - height();
    move(avail.x() + static_cast<int>(std::lround((avail.width() - client.width() - frameExtraW) / 2.0)),
         avail.y() + static_cast<int>(std::lround((avail.height() - client.height() - frameExtraH) / 2.0)));
  } else {
    resize(client);
  }
  update();
  applyVolume();
  if (player_->playbackState() != QMediaPlayer::PlayingState) player_->play();
  Opened = true;
  emit openComplete();
}

void TFmVideoPlayerSmall::applyVolume() {
  if (!audio_) return;
  audio_->setMuted(!SoundOn);
  audio_->setVolume(SoundOn ? volume_->value() / 100.0f : 0.0f);
}

void TFmVideoPlayerSmall::positionChanged(qint64 ms) {
  if (!sliderHeld_) position_->setValue(static_cast<int>(ms));
  updateStrip();
  while (const std::optional<SyncLine> due = sync_.advance(ms / 1000.0)) {
    lineText_ = due->text;
    lineRemainder_ = due->remainder;
    notify(BarMessage::QuestionPrompt);
  }
}

void TFmVideoPlayerSmall::updateStrip() {
  if (!player_) return;
  time_->setText(clockText(player_->position()) + " / " + clockText(player_->duration()));
}

void TFmVideoPlayerSmall::closeEvent(QCloseEvent* event) {
  if (player_) {
    if (player_->playbackState() == QMediaPlayer::PlayingState) player_->pause();
    player_->stop();
  }
  Panel1->hide();
  Playing = false;
  if (Activated) notify(BarMessage::VideoNotice102);
  QWidget::closeEvent(event);
  emit closed();
}

void TFmVideoPlayerSmall::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activated = true;
  QWidget::changeEvent(event);
}

void TFmVideoPlayerSmall::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2) {
    pause();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFmVideoPlayerSmall::mousePressEvent(QMouseEvent* event) {
  // A press beside the picture and its strip pauses.
  if (event->button() == Qt::LeftButton) pause();
  QWidget::mousePressEvent(event);
}

bool TFmVideoPlayerSmall::eventFilter(QObject* watched, QEvent* event) {
  if (watched == video_) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
      pause();
      return true;
    }
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        player_) {
      // A click on the picture plays or pauses it.
      if (player_->playbackState() == QMediaPlayer::PlayingState)
        player_->pause();
      else
        player_->play();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- the question prompt ----------------------------------------------------

QString TFmVideoPlayerSmall::promptLink() const { return platform::fromFileText(lineText_); }

// The question is the line's third field; its hotlink field is not shown.
QString TFmVideoPlayerSmall::promptText() const { return platform::fromFileText(getField(lineRemainder_, 1, '|')); }

QSize TFmVideoPlayerSmall::promptPanelSize() const { return Panel1->size(); }

void TFmVideoPlayerSmall::showPromptPanel(QPoint topLeft, const QString& question) {
  LbQuestion->setText(question);
  Panel1->move(mapToGlobal(topLeft));
  bringToFront();
  Panel1->show();
  Panel1->raise();
}

void TFmVideoPlayerSmall::hidePromptPanel() { Panel1->hide(); }

void TFmVideoPlayerSmall::giveFocus() {
  activateWindow();
  setFocus();
}

void TFmVideoPlayerSmall::bringToFront() {
  raise();
  activateWindow();
}

void TFmVideoPlayerSmall::notify(BarMessage message) {
  if (notify_) notify_(message);
}

}  // namespace tavo::player
