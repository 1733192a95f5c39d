#include "player/slideshow/TFmSlideshow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "common/PresentationPath.h"
#include "format/SetFiles.h"
#include "platform/QtText.h"
#include "player/slideshow/PictureView.h"
#include "player/slideshow/SetWindowHost.h"
#include "player/slideshow/SoundPlayer.h"

namespace tavo::player::pictures {

namespace {

class SlideshowPort : public SlideshowWindowPort {
 public:
  explicit SlideshowPort(TFmSlideshow& w) : w_(w) {}
  bool isVisible() const override { return w_.isVisible(); }
  void close() override { w_.close(); }
  void setGeometry(const layout::Rect& r) override { w_.setGeometry(r.left, r.top, r.width, r.height); }
  void setTop(int top) override { w_.move(w_.x(), top); }
  void setFolder(const std::string& folder) override { w_.SetFolder = folder; }
  void show() override { w_.Open(); }
  void pause() override {
    if (w_.open()) w_.BtnPauseClick();
  }
  void resumeCycle() override {
    if (w_.open()) w_.TimerSlideShow->start();
  }

 private:
  TFmSlideshow& w_;
};

}  // namespace

TFmSlideshow::TFmSlideshow(platform::Platform& platform, SetWindowHost& host, SoundPlayer& sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      top(this),
      platform_(platform),
      settings_(platform.registry),
      host_(host),
      sound_(sound, SoundRepetition::Kind::Slideshow),
      loader_(1),
      port_(std::make_unique<SlideshowPort>(*this)) {
  setObjectName("FmSlideshow");
  setWindowTitle("Slide Show");
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  p.setColor(QPalette::WindowText, Qt::white);
  setPalette(p);

  Image1 = new PictureView(this);
  Image1->setObjectName("Image1");
  Image1->setContextMenuPolicy(Qt::CustomContextMenu);
  PMnImages = new QMenu(this);
  PMnImages->setObjectName("PMnImages");
  connect(Image1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PMnImagesPopup();
    PMnImages->popup(Image1->mapToGlobal(at));
  });

  TimerSlideShow = new QTimer(this);
  TimerSlideShow->setObjectName("TimerSlideShow");
  connect(TimerSlideShow, &QTimer::timeout, this, &TFmSlideshow::TimerSlideShowTimer);

  connect(top.BtnNext, &QToolButton::clicked, this, &TFmSlideshow::BtnNextClick);
  connect(top.BtnPrev, &QToolButton::clicked, this, &TFmSlideshow::BtnPrevClick);
  connect(top.BtnPause, &QToolButton::clicked, this, &TFmSlideshow::BtnPauseClick);
  connect(top.BtnPlay, &QToolButton::clicked, this, &TFmSlideshow::BtnPlayClick);
  connect(top.BtnMinimize, &QToolButton::clicked, this, &TFmSlideshow::BtnMinimizeClick);
  connect(top.BtnClose, &QToolButton::clicked, this, &TFmSlideshow::BtnCloseClick);
}

TFmSlideshow::~TFmSlideshow() {
  if (open_) FormClose();
}

SlideshowWindowPort& TFmSlideshow::port() { return *port_; }

void TFmSlideshow::resizeEvent(QResizeEvent*) {
  top.setWidth(width());
  const bool resized = Image1->size() != QSize(width(), height() - kTopBarHeight);
  Image1->setGeometry(0, kTopBarHeight, width(), std::max(0, height() - kTopBarHeight));
  if (open_ && resized) {
    ahead_ = Ahead{};
    ShowPicture();
  }
}

void TFmSlideshow::Open() {
  if (open_) FormClose();
  FormShow();
  showNormal();
  raise();
  activateWindow();
}

void TFmSlideshow::FormShow() {
  open_ = true;
  ++generation_;
  ahead_ = Ahead{};
  loader_.dropPending();
  fit_ = fitForDisplayMethod(settings_.slideDisplayMethod());

  const SlideshowSet set = readSlideshowSet(SetFolder, ReadMode::Player);
  TimerSlideShow->setInterval(set.cycleIntervalMs());

  const std::string root = host_.presentationFolder();
  const QString soundPath = set.audioFile.empty() ? QString() : setFilePath(root, SetFolder, set.audioFile);

  PictureFiles.clear();
  Captions.clear();
  SyncTexts.clear();
  Hotlinks.clear();
  PMnImages->clear();
  for (std::size_t i = 0; i < set.images.size(); ++i) {
    const SetImage& image = set.images[i];
    PictureFiles.push_back(image.file);
    Captions.push_back(image.caption);
    SyncTexts.push_back(image.syncText);
    Hotlinks.push_back(image.hotlink);
    const int tag = static_cast<int>(i);
    QAction* entry = PMnImages->addAction(
        platform::fromFileText(slideMenuCaption(tag + 1, image.caption)), this, [this, tag] { MChPickImageClick(tag); });
    entry->setCheckable(true);
    entry->setData(tag);
  }

  top.showRunning();
  top.layOut(platform_.screen.screenGeometry().width(), host_);
  host_.showTickerPanel();

  sound_.start(soundPath);

  TimerSlideShow->start();
  CurrentIndex = 0;
  ShowPicture();
}

PictureRequest TFmSlideshow::requestFor(int index) const {
  PictureRequest r;
  const std::string& file = PictureFiles[static_cast<std::size_t>(index)];
  r.path = setFilePath(host_.presentationFolder(), SetFolder, file);
  r.name = platform::fromFileText(file);
  r.area = Image1->area();
  r.fit = fit_;
  return r;
}

void TFmSlideshow::ShowPicture() {
  const int n = static_cast<int>(PictureFiles.size());
  top.LbImageNum->setText(QString::fromStdString(imageNumberText(CurrentIndex, n)));
  top.LbImageNum->adjustSize();
  if (n == 0) {
    // Nothing to show: a black area under the set's name.
    Image1->clear();
    Image1->setToolTip({});
    top.PnTop->setText(platform::fromFileText(setName(SetFolder)));
    host_.showPanelText({}, {});
    return;
  }
  const std::size_t i = static_cast<std::size_t>(CurrentIndex);
  const QString hotlink = platform::fromFileText(Hotlinks[i]);
  Image1->setToolTip(hotlink);
  host_.showPanelText(platform::fromFileText(SyncTexts[i]), hotlink);
  top.PnTop->setText(platform::fromFileText(Captions[i]));

  const unsigned generation = ++generation_;
  if (ahead_.index == CurrentIndex && ahead_.picture && ahead_.picture->area == Image1->area()) {
    Image1->setPicture(*ahead_.picture);
    decodeAhead();
    return;
  }
  // Not decoded yet: the previous picture stays until this one is ready.
  loader_.dropPending();
  const int index = CurrentIndex;
  loader_.load(requestFor(index), [this, generation, index](const DecodedPicture& d) {
    if (!open_ || generation != generation_ || index != CurrentIndex) return;
    Image1->setPicture(d);
  });
  decodeAhead();
}

// Decodes the picture the next tick shows while this one is on screen.
void TFmSlideshow::decodeAhead() {
  const int n = static_cast<int>(PictureFiles.size());
  const int next = nextPicture(CurrentIndex, n);
  ahead_ = Ahead{};
  if (n < 2) return;
  ahead_.index = next;
  ahead_.generation = generation_;
  const unsigned generation = generation_;
  loader_.load(requestFor(next), [this, generation, next](const DecodedPicture& d) {
    if (!open_ || ahead_.generation != generation || ahead_.index != next) return;
    ahead_.picture = d;
  });
}

void TFmSlideshow::BtnNextClick() {
  if (!open_) return;
  CurrentIndex = nextPicture(CurrentIndex, static_cast<int>(PictureFiles.size()));
  ShowPicture();
}

void TFmSlideshow::BtnPrevClick() {
  if (!open_) return;
  CurrentIndex = previousPicture(CurrentIndex, static_cast<int>(PictureFiles.size()));
  ShowPicture();
}

void TFmSlideshow::TimerSlideShowTimer() { BtnNextClick(); }

void TFmSlideshow::MChPickImageClick(int tag) {
  if (!open_ || tag < 0 || tag >= static_cast<int>(PictureFiles.size())) return;
  CurrentIndex = tag;
  ShowPicture();
}

void TFmSlideshow::PMnImagesPopup() {
  for (QAction* entry : PMnImages->actions()) entry->setChecked(entry->data().toInt() == CurrentIndex);
}

void TFmSlideshow::BtnPauseClick() {
  sound_.pause();
  TimerSlideShow->stop();
  top.showPaused();
}

void TFmSlideshow::BtnPlayClick() {
  sound_.resume();
  TimerSlideShow->start();
  top.showRunning();
}

void TFmSlideshow::BtnMinimizeClick() { showMinimized(); }

void TFmSlideshow::BtnCloseClick() { close(); }

void TFmSlideshow::closeEvent(QCloseEvent* event) {
  if (open_) FormClose();
  event->accept();
}

void TFmSlideshow::FormClose() {
  open_ = false;
  ++generation_;
  ahead_ = Ahead{};
  loader_.dropPending();
  TimerSlideShow->stop();
  sound_.stop();
  host_.showScrollingTicker();
}

}  // namespace tavo::player::pictures
