#include "player/thumbnails/TFmThumbViewer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include "common/PresentationPath.h"
#include "format/SetFiles.h"
#include "platform/QtText.h"
#include "player/bar/BarMessageEvent.h"
#include "player/slideshow/PictureView.h"
#include "player/slideshow/SetWindowHost.h"
#include "player/slideshow/SoundPlayer.h"

namespace tavo::player::pictures {

namespace {

inline constexpr int kTitleWidth = 400;

class ViewerPort : public ThumbnailViewerPort {
 public:
  explicit ViewerPort(TFmThumbViewer& w) : w_(w) {}
  bool isVisible() const override { return w_.isVisible(); }
  void close() override { w_.close(); }
  void setGeometry(const layout::Rect& r) override { w_.setGeometry(r.left, r.top, r.width, r.height); }
  void setTop(int top) override { w_.move(w_.x(), top); }
  void setFolder(const std::string& folder) override { w_.SetFolder = folder; }
  void show() override { w_.Open(); }
  void setMainWindow(QWidget* bar) override { w_.MainWindow = bar; }

 private:
  TFmThumbViewer& w_;
};

}  // namespace

TFmThumbViewer::TFmThumbViewer(platform::Platform& platform, SetWindowHost& host, SoundPlayer& sound,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      top(this),
      platform_(platform),
      settings_(platform.registry),
      host_(host),
      sound_(sound, SoundRepetition::Kind::Viewer),
      loader_(2),
      port_(std::make_unique<ViewerPort>(*this)) {
  setObjectName("FmThumbViewer");
  setWindowTitle("ThumbNail Viewer");
  setAutoFillBackground(true);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  black.setColor(QPalette::WindowText, Qt::white);
  setPalette(black);

  top.BtnPrev->setToolTip("Previous Screen");
  top.BtnNext->setToolTip("Next Screen");
  QFont bold = top.LbImageNum->font();
  bold.setBold(true);
  top.LbImageNum->setFont(bold);
  LbTitle = new QLabel(top.PnTop);
  LbTitle->setObjectName("LbTitle");
  LbTitle->setAlignment(Qt::AlignCenter);
  LbTitle->setTextFormat(Qt::PlainText);
  LbTitle->setFont(bold);
  LbTitle->resize(kTitleWidth, kTopBarHeight);
  LbTitle->lower();  // under the buttons where a wide title reaches them

  PMnImages = new QMenu(this);
  PMnImages->setObjectName("PMnImages");
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PMnImages->popup(mapToGlobal(at)); });

  QFont captionFont = font();
  captionFont.setBold(true);
  captionFont.setUnderline(true);
  QPalette aqua = palette();
  aqua.setColor(QPalette::WindowText, QColor(0, 255, 255));
  for (int i = 0; i < kThumbsPerScreen; ++i) {
    const QByteArray n = QByteArray::number(i + 1);
    PnThumb[i] = new QFrame(this);
    PnThumb[i]->setObjectName("PnThumb" + n);
    PnThumb[i]->setFrameShape(QFrame::NoFrame);
    PnThumb[i]->setAutoFillBackground(true);
    PnThumb[i]->setPalette(black);
    PnThumb[i]->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    ImgThumb[i] = new PictureView(PnThumb[i]);
    ImgThumb[i]->setObjectName("ImgThumb" + n);
    ImgThumb[i]->setCursor(Qt::PointingHandCursor);
    ImgThumb[i]->onClick = [this, i] { ImgThumb1Click(i); };
    LbThumbCaption[i] = new QLabel(this);
    LbThumbCaption[i]->setObjectName("LbThumbCaption" + n);
    LbThumbCaption[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LbThumbCaption[i]->setWordWrap(true);
    LbThumbCaption[i]->setTextFormat(Qt::PlainText);
    LbThumbCaption[i]->setFont(captionFont);
    LbThumbCaption[i]->setPalette(aqua);
    LbThumbCaption[i]->setCursor(Qt::PointingHandCursor);
    LbThumbCaption[i]->installEventFilter(this);
    thumbIndex[i] = -1;
  }
  ImageBig = new PictureView(this);
  ImageBig->setObjectName("ImageBig");
  ImageBig->onClick = [this] { ImageBigClick(); };
  ImageBig->hide();

  CycleTimer = new QTimer(this);
  CycleTimer->setObjectName("CycleTimer");
  connect(CycleTimer, &QTimer::timeout, this, &TFmThumbViewer::CycleTimerTimer);

  connect(top.BtnNext, &QToolButton::clicked, this, &TFmThumbViewer::BtnNextClick);
  connect(top.BtnPrev, &QToolButton::clicked, this, &TFmThumbViewer::BtnPrevClick);
  connect(top.BtnPause, &QToolButton::clicked, this, &TFmThumbViewer::BtnPauseClick);
  connect(top.BtnPlay, &QToolButton::clicked, this, &TFmThumbViewer::BtnPlayClick);
  connect(top.BtnMinimize, &QToolButton::clicked, this, &TFmThumbViewer::BtnMinimizeClick);
  connect(top.BtnClose, &QToolButton::clicked, this, &TFmThumbViewer::BtnCloseClick);
}

TFmThumbViewer::~TFmThumbViewer() {
  if (open_) {
    MainWindow = nullptr;  // the bar may be gone already
    FormClose();
  }
}

ThumbnailViewerPort& TFmThumbViewer::port() { return *port_; }

bool TFmThumbViewer::bigView() const { return !ImageBig->isHidden(); }

void TFmThumbViewer::resizeEvent(QResizeEvent*) {
  top.setWidth(width());
  LayOut();
  if (open_) {
    if (bigView()) {
      --bigIndex_;
      stepBig(true);  // the same picture again, for the new size
    } else {
      NextStart = screenStart_;
      ShowScreen();
    }
  }
}

void TFmThumbViewer::LayOut() {
  top.layOut(platform_.screen.screenGeometry().width(), host_);
  LbTitle->move((top.PnTop->width() - LbTitle->width()) / 2, 0);
  const ThumbGrid g = thumbGrid(width(), height());
  for (int i = 0; i < kThumbsPerScreen; ++i) {
    const Rect& p = g.panels[i];
    PnThumb[i]->setGeometry(p.left, p.top, p.width, p.height);
    ImgThumb[i]->setGeometry(4, 4, std::max(0, g.pictureWidth), std::max(0, g.pictureHeight));
    const Rect& c = g.captions[i];
    LbThumbCaption[i]->setGeometry(c.left, c.top, c.width, c.height);
  }
  ImageBig->setGeometry(0, kTopBarHeight, width(), std::max(0, height() - kTopBarHeight));
  top.PnTop->raise();
}

void TFmThumbViewer::Open() {
  if (open_) FormClose();
  FormShow();
  showNormal();
  raise();
  activateWindow();
}

void TFmThumbViewer::FormShow() {
  open_ = true;
  ++generation_;
  loader_.dropPending();
  bigFit_ = fitForDisplayMethod(settings_.thumbDisplayMethod());

  const ThumbnailSet set = readThumbnailSet(SetFolder, ReadMode::Player);
  const QString title = platform::fromFileText(set.titleCaption);
  LbTitle->setText(title.isEmpty() && set.images.empty() ? platform::fromFileText(setName(SetFolder)) : title);
  CycleInterval = set.cycleInterval;
  const QString soundPath =
      set.audioFile.empty() ? QString() : setFilePath(host_.presentationFolder(), SetFolder, set.audioFile);

  PictureFiles.clear();
  Captions.clear();
  Links.clear();
  PMnImages->clear();
  for (const GroupEntry& g : groupMenu(static_cast<int>(set.images.size()))) {
    const int tag = g.start;
    PMnImages->addAction(QString::fromStdString(g.caption), this, [this, tag] { MChPickThumbnailClick(tag); });
  }
  for (const SetImage& image : set.images) {
    PictureFiles.push_back(image.file);
    Captions.push_back(image.caption);
    Links.push_back(image.link);
  }

  top.LbPaused->hide();
  CycleTimer->stop();
  NextStart = 0;
  LayOut();
  ImageBig->hide();
  ImageBig->clear();
  top.BtnPrev->setToolTip("Previous Screen");
  top.BtnNext->setToolTip("Next Screen");
  top.showRunning();
  CycleTimer->setInterval(set.cycleIntervalMs());

  sound_.start(soundPath);

  CycleTimer->start();
  ShowScreen();
}

PictureRequest TFmThumbViewer::requestFor(int index, Size area, PictureFit fit) const {
  PictureRequest r;
  const std::string& file = PictureFiles[static_cast<std::size_t>(index)];
  r.path = setFilePath(host_.presentationFolder(), SetFolder, file);
  r.name = platform::fromFileText(file);
  r.area = area;
  r.fit = fit;
  return r;
}

void TFmThumbViewer::ShowScreen() {
  const int n = static_cast<int>(PictureFiles.size());
  const int s = NextStart;
  screenStart_ = s;
  top.LbImageNum->setText(QString::fromStdString(n == 0 ? imageNumberText(0, 0) : screenRangeText(s, n)));
  top.LbImageNum->adjustSize();
  const unsigned generation = ++generation_;
  loader_.dropPending();
  int index = s;
  for (int slot = 0; slot < kThumbsPerScreen; ++slot) {
    if (index >= n) {
      PnThumb[slot]->hide();
      LbThumbCaption[slot]->hide();
      thumbIndex[slot] = -1;
      continue;
    }
    const std::size_t i = static_cast<std::size_t>(index);
    thumbIndex[slot] = index;
    ImgThumb[slot]->clear();
    LbThumbCaption[slot]->setText(platform::fromFileText(Captions[i]));
    LbThumbCaption[slot]->setToolTip(platform::fromFileText(Links[i]));
    PnThumb[slot]->setVisible(!bigView());
    LbThumbCaption[slot]->setVisible(!bigView());
    loader_.load(requestFor(index, ImgThumb[slot]->area(), PictureFit::ShrinkToFit),
                 [this, generation, slot, index](const DecodedPicture& d) {
                   if (!open_ || generation != generation_ || thumbIndex[slot] != index) return;
                   ImgThumb[slot]->setPicture(d);
                 });
    ++index;
  }
  NextStart = screenEnd(s, n);
}

void TFmThumbViewer::showBigView(bool on) {
  ImageBig->setVisible(on);
  for (int i = 0; i < kThumbsPerScreen; ++i) {
    const bool used = thumbIndex[i] >= 0;
    PnThumb[i]->setVisible(!on && used);
    LbThumbCaption[i]->setVisible(!on && used);
  }
  if (on) {
    host_.showTickerPanel();
  } else {
    ImageBig->clear();
    host_.showScrollingTicker();
  }
}

void TFmThumbViewer::stepBig(bool forward) {
  const int n = static_cast<int>(PictureFiles.size());
  if (n == 0) return;
  bigIndex_ = forward ? nextPicture(bigIndex_, n) : previousPicture(bigIndex_, n);
  const std::size_t i = static_cast<std::size_t>(bigIndex_);
  top.LbImageNum->setText(QString::fromStdString(imageNumberText(bigIndex_, n)));
  top.LbImageNum->adjustSize();
  const QString link = platform::fromFileText(Links[i]);
  ImageBig->setToolTip(link);
  host_.showPanelText(platform::fromFileText(Captions[i]), link);
  const unsigned generation = ++generation_;
  const int index = bigIndex_;
  loader_.dropPending();
  loader_.load(requestFor(index, ImageBig->area(), bigFit_), [this, generation, index](const DecodedPicture& d) {
    if (!open_ || generation != generation_ || index != bigIndex_ || !bigView()) return;
    ImageBig->setPicture(d);
  });
}

void TFmThumbViewer::BtnNextClick() {
  if (!open_) return;
  if (bigView()) {
    stepBig(true);
    return;
  }
  NextStart = nextScreenStart(NextStart, static_cast<int>(PictureFiles.size()));
  ShowScreen();
}

void TFmThumbViewer::BtnPrevClick() {
  if (!open_) return;
  if (bigView()) {
    stepBig(false);
    return;
  }
  NextStart = previousScreenStart(NextStart, static_cast<int>(PictureFiles.size()));
  ShowScreen();
}

void TFmThumbViewer::CycleTimerTimer() { BtnNextClick(); }

void TFmThumbViewer::MChPickThumbnailClick(int tag) {
  if (!open_ || tag < 0 || tag >= static_cast<int>(PictureFiles.size())) return;
  if (bigView()) ImageBigClick();
  NextStart = tag;
  ShowScreen();
}

void TFmThumbViewer::ImgThumb1Click(int slot) {
  if (!open_ || thumbIndex[slot] < 0) return;
  bigIndex_ = thumbIndex[slot] - 1;
  showBigView(true);
  top.BtnPrev->setToolTip("Previous Image");
  top.BtnNext->setToolTip("Next Image");
  stepBig(true);
}

void TFmThumbViewer::ImageBigClick() {
  if (!open_ || !bigView()) return;
  showBigView(false);
  top.BtnPrev->setToolTip("Previous Screen");
  top.BtnNext->setToolTip("Next Screen");
  NextStart = screenHolding(bigIndex_, static_cast<int>(PictureFiles.size()));
  ShowScreen();
}

void TFmThumbViewer::LbThumbCaption1Click(int slot) {
  if (!open_ || thumbIndex[slot] < 0) return;
  const QString link = LbThumbCaption[slot]->toolTip();
  CycleTimer->stop();
  BtnPauseClick();
  // The dispatcher may close this window or open another set in it.
  host_.executeThumbnailLink(link, platform::fromPath(setName(SetFolder)));
}

void TFmThumbViewer::BtnPauseClick() {
  CycleTimer->stop();
  sound_.pause();
  top.showPaused();
}

void TFmThumbViewer::BtnPlayClick() {
  CycleTimer->start();
  sound_.resume();
  top.showRunning();
}

// The viewer then stands still, also after it is restored, until Pause and Play.
void TFmThumbViewer::BtnMinimizeClick() {
  CycleTimer->stop();
  showMinimized();
}

void TFmThumbViewer::BtnCloseClick() { close(); }

bool TFmThumbViewer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    for (int i = 0; i < kThumbsPerScreen; ++i)
      if (watched == LbThumbCaption[i] && mouse->button() == Qt::LeftButton &&
          LbThumbCaption[i]->rect().contains(mouse->position().toPoint())) {
        LbThumbCaption1Click(i);
        return true;
      }
  }
  return QWidget::eventFilter(watched, event);
}

void TFmThumbViewer::closeEvent(QCloseEvent* event) {
  if (open_) FormClose();
  event->accept();
}

void TFmThumbViewer::FormClose() {
  open_ = false;
  ++generation_;
  loader_.dropPending();
  CycleTimer->stop();
  sound_.stop();
  host_.showPanelText({}, {});
  host_.showScrollingTicker();
  sendBarMessage(MainWindow, BarMessage::ThumbnailViewerClosed);
}

}  // namespace tavo::player::pictures
