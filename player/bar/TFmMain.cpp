// The bar's construction, its controls and its event handlers. The link
// dispatcher, the channel loading and the viewing options live beside it
// (LinkDispatcher.cpp, ChannelLoading.cpp, ViewingOptions.cpp).

#include "player/bar/TFmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "common/PresentationPath.h"
#include "common/StartupTrace.h"
#include "format/ProjectFile.h"
#include "platform/QtText.h"
#include "player/bar/BarMessageEvent.h"
#include "player/bar/BarWidgets.h"
#include "player/bar/Glyphs.h"
#include "ticker/TQxScroller.h"
#include "player/logic/BarLayout.h"
#include "player/logic/PresentationDiscovery.h"

namespace tavo::player {

using barwidgets::setLeft;
using barwidgets::toQColor;

using glyphs::Glyph;

TFmMain::TFmMain(platform::Platform& platform, QStringList arguments, QWidget* parent)
    : QWidget(parent), platform_(platform), settings_(platform.registry), arguments_(std::move(arguments)) {
  setObjectName("TFmMain");
  setWindowTitle("TavoPlayer");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setWindowIcon(glyphs::applicationIcon());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, toQColor(WinColor{static_cast<std::uint32_t>(layout::kBarColor)}));
  setPalette(pal);
  setAutoFillBackground(true);
  createControls();
  resize(platform_.screen.screenGeometry().width(), layout::textSizeLayout("Large").barHeight);
}

TFmMain::~TFmMain() { FormDestroy(); }

// ---------------------------------------------------------------------------
// Controls
// ---------------------------------------------------------------------------

void TFmMain::createControls() {
  using namespace layout;
  const auto flat = [this](const char* name, QSize size, const QString& hint, std::optional<Glyph> g) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->resize(size);
    b->setToolTip(hint);
    if (g) {
      b->setIcon(QIcon(glyphs::glyph(*g, size)));
      b->setIconSize(size);
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    allowSubscriberMenu(b);
    return b;
  };
  const auto picture = [this](const char* name, QSize size, const QString& hint) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->resize(size);
    l->setAlignment(Qt::AlignCenter);
    l->setToolTip(hint);
    l->installEventFilter(this);
    allowSubscriberMenu(l);
    return l;
  };

  BtnDrag = flat("BtnDrag", {kDragWidth, kDragHeight}, "Drag Tavo Player", Glyph::Drag);
  BtnDrag->installEventFilter(this);
  ImgSponsorLogo = picture("ImgSponsorLogo", {kLogoSize, kLogoSize}, {});
  ImgSponsorLogo->move(kLogoLeft, logoTop(50));

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Bevel1->resize(100, kButtonHeight + 2);
  Bevel1->hide();

  QFont buttonFont("Arial");
  buttonFont.setPixelSize(11);
  for (int n = 0; n < 10; ++n) {
    const QByteArray name = "Button" + QByteArray::number(n + 1);
    QToolButton* b = flat(name.constData(), {76, kButtonHeight}, {}, std::nullopt);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFont(buttonFont);
    b->setProperty("tag", n + 1);
    b->hide();
    connect(b, &QToolButton::clicked, this, [this, b] { ExecuteLink(b->toolTip()); });
    Buttons[static_cast<std::size_t>(n)] = b;
  }
  // Button1 has no right-click menu.
  Buttons[0]->setContextMenuPolicy(Qt::PreventContextMenu);

  BtnMenu = flat("BtnMenu", {kMenuButtonSize, kMenuButtonSize}, {}, Glyph::ButtonMenu);
  BtnMenu->hide();
  connect(BtnMenu, &QToolButton::clicked, this, &TFmMain::BtnMenuClick);
  // A right click on BtnMenu opens the menu of buttons that did not fit.
  BtnMenu->setContextMenuPolicy(Qt::CustomContextMenu);
  disconnect(BtnMenu, &QWidget::customContextMenuRequested, nullptr, nullptr);
  connect(BtnMenu, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PMnButtons->popup(BtnMenu->mapToGlobal(pos)); });

  BtnStartPlayList = flat("BtnStartPlayList", {kStartPlaylistWidth, kStartPlaylistHeight}, "Play", Glyph::StartPlaylist);
  connect(BtnStartPlayList, &QToolButton::clicked, this, &TFmMain::BtnStartPlayListClick);
  const QSize media(kMediaButtonWidth, kMediaButtonHeight);
  BtnPausePlaylist = flat("BtnPausePlaylist", media, "Pause", Glyph::PausePlaylist);
  BtnPlayPlaylist = flat("BtnPlayPlaylist", media, "Play", Glyph::PlayPlaylist);
  BtnStopPlaylist = flat("BtnStopPlaylist", media, "Stop", Glyph::StopPlaylist);
  BtnRewindPlaylist = flat("BtnRewindPlaylist", media, "Rewind 10 Seconds", Glyph::RewindPlaylist);
  BtnFFPlaylist = flat("BtnFFPlaylist", media, "Fast Forward", Glyph::FastForwardPlaylist);
  const auto runner = [this](void (PlaylistRunnerPort::*op)()) {
    return [this, op] {
      if (peers_.playlist) (peers_.playlist->*op)();
    };
  };
  connect(BtnPausePlaylist, &QToolButton::clicked, this, runner(&PlaylistRunnerPort::pause));
  connect(BtnPlayPlaylist, &QToolButton::clicked, this, runner(&PlaylistRunnerPort::play));
  connect(BtnStopPlaylist, &QToolButton::clicked, this, runner(&PlaylistRunnerPort::stop));
  connect(BtnRewindPlaylist, &QToolButton::clicked, this, runner(&PlaylistRunnerPort::rewind));
  connect(BtnFFPlaylist, &QToolButton::clicked, this, runner(&PlaylistRunnerPort::fastForward));
  for (QToolButton* b : {BtnPausePlaylist, BtnPlayPlaylist, BtnStopPlaylist, BtnRewindPlaylist, BtnFFPlaylist}) b->hide();

  BtnUp = flat("BtnUp", {kUpDownWidth, kUpDownHeight}, "Move Ticker to Top", Glyph::Up);
  BtnDown = flat("BtnDown", {kUpDownWidth, kUpDownHeight}, "Move Ticker to Bottom", Glyph::Down);
  BtnSpeaker = flat("BtnSpeaker", {kSoundWidth, kSoundHeight}, "Sound On", Glyph::Speaker);
  BtnMute = flat("BtnMute", {kSoundWidth, kSoundHeight}, "Sound Off", Glyph::Mute);
  for (QToolButton* b : {BtnUp, BtnDown, BtnSpeaker, BtnMute}) b->setContextMenuPolicy(Qt::PreventContextMenu);
  BtnUp->hide();
  BtnSpeaker->hide();
  connect(BtnUp, &QToolButton::clicked, this, &TFmMain::BtnUpClick);
  connect(BtnDown, &QToolButton::clicked, this, &TFmMain::BtnDownClick);
  connect(BtnSpeaker, &QToolButton::clicked, this, &TFmMain::BtnSpeakerClick);
  connect(BtnMute, &QToolButton::clicked, this, &TFmMain::BtnMuteClick);

  BtnMinimize = flat("BtnMinimize", {kWindowButtonSize, kWindowButtonSize}, {}, Glyph::Minimize);
  BtnClose = flat("BtnClose", {kWindowButtonSize, kWindowButtonSize}, {}, Glyph::Close);
  connect(BtnMinimize, &QToolButton::clicked, this, &TFmMain::BtnMinimizeClick);
  connect(BtnClose, &QToolButton::clicked, this, &TFmMain::BtnCloseClick);

  const QSize tickerButton(kTickerButtonWidth, kTickerButtonHeight);
  BtnPlayTicker = flat("BtnPlayTicker", tickerButton, "Start Text", Glyph::PlayTicker);
  BtnPauseTicker = flat("BtnPauseTicker", tickerButton, "Pause Text", Glyph::PauseTicker);
  BtnNextChannel = flat("BtnNextChannel", tickerButton, "Next Channel", Glyph::NextChannel);
  setLeft(BtnPlayTicker, kTickerPlayLeft);
  setLeft(BtnPauseTicker, kTickerPlayLeft);
  setLeft(BtnNextChannel, kNextChannelLeft);
  connect(BtnPlayTicker, &QToolButton::clicked, this, &TFmMain::BtnPlayTickerClick);
  connect(BtnPauseTicker, &QToolButton::clicked, this, &TFmMain::BtnPauseTickerClick);
  connect(BtnNextChannel, &QToolButton::clicked, this, &TFmMain::BtnNextChannelClick);

  createTickers();

  PnTicker = new QFrame(this);
  PnTicker->setObjectName("PnTicker");
  PnTicker->setAutoFillBackground(true);
  PnTicker->setContextMenuPolicy(Qt::PreventContextMenu);
  PnTicker->installEventFilter(this);
  PnTicker->hide();
  LbTicker = new QLabel(PnTicker);
  LbTicker->setObjectName("LbTicker");
  LbTicker->setTextFormat(Qt::PlainText);
  LbTicker->setContextMenuPolicy(Qt::PreventContextMenu);
  LbTicker->installEventFilter(this);
  {
    QPalette p = PnTicker->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    PnTicker->setPalette(p);
  }

  BtnSearch = flat("BtnSearch", {kSearchButtonWidth, kSearchButtonHeight}, "Internet Search", Glyph::Search);
  BtnSearch->setProperty("tag", 0);
  EdSearch = new QLineEdit(this);
  EdSearch->setObjectName("EdSearch");
  EdSearch->resize(kSearchEditWidth, kSearchEditHeight);
  allowSubscriberMenu(EdSearch);
  BtnGo = new QPushButton("GO", this);
  BtnGo->setObjectName("BtnGo");
  BtnGo->resize(kGoWidth, kGoHeight);
  allowSubscriberMenu(BtnGo);

  ImgMenu = picture("ImgMenu", {kMenuImageSize, kMenuImageSize}, "Preferences Menu");
  ImgMenu->setPixmap(glyphs::preferencesMenuPicture({kMenuImageSize, kMenuImageSize}));
  ImgAdSponsor = picture("ImgAdSponsor", {kAdSponsorWidth, kAdSponsorHeight}, {});
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->resize(kBulletSize, kBulletSize);
  Image1->hide();

  PMnButtons = new QMenu(this);
  PMnButtons->setObjectName("PMnButtons");
  PMnButtons->setToolTipsVisible(true);
  PMnSearchEngines = new QMenu(this);
  PMnSearchEngines->setObjectName("PMnSearchEngines");
  connectSearchField();

  TimerLbTicker = new QTimer(this);
  TimerLbTicker->setObjectName("TimerLbTicker");
  connect(TimerLbTicker, &QTimer::timeout, this, &TFmMain::TimerLbTickerTimer);
  TimerQuestionPrompt = new QTimer(this);
  TimerQuestionPrompt->setObjectName("TimerQuestionPrompt");
  TimerQuestionPrompt->setInterval(6000);
  connect(TimerQuestionPrompt, &QTimer::timeout, this, &TFmMain::TimerQuestionPromptTimer);
  TimerStreamingAd = new QTimer(this);
  TimerStreamingAd->setObjectName("TimerStreamingAd");
  connect(TimerStreamingAd, &QTimer::timeout, this, &TFmMain::TimerStreamingAdTimer);
  TimerPlayList = new QTimer(this);
  TimerPlayList->setObjectName("TimerPlayList");
  tickerLoadTimer_ = new QTimer(this);
  tickerLoadTimer_->setInterval(0);
  connect(tickerLoadTimer_, &QTimer::timeout, this, [this] { addTickerLines(kTickerLinesPerBatch); });
}

// A right click on the control opens the channel menu.
void TFmMain::allowSubscriberMenu(QWidget* control) {
  control->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(control, &QWidget::customContextMenuRequested, this, [this, control](const QPoint& pos) {
    if (PMnSubscribers) PMnSubscribers->popup(control->mapToGlobal(pos));
  });
}

// ---------------------------------------------------------------------------
// Start-up
// ---------------------------------------------------------------------------

bool TFmMain::FormCreate() {
  setWindowTitle("TavoPlayer");
  setNextItemDelayOfSubTicker();
  if (!FindPresentations()) return false;
  if (!LoadSubscribers()) return false;
  trace::mark("presentations found");
  ProjectFolder = presentations_[static_cast<std::size_t>(activePresentation_)];
  ProjectFile = ProjectFolder + project::kProjectFileName;

  TickerFont = QFont("Arial");
  resize(screenWidth(), height());
  BtnPlayTicker->hide();
  BtnPauseTicker->show();
  CloseSearchField();

  ApplyViewingOptions();
  ArrangeBar();
  trace::mark("viewing options applied");
  LoadSubscriberSettings();
  trace::mark("channel settings loaded");
  LoadTicker(resolveName(SubscriberFolder, "Ticker.Txt"));
  trace::mark("ticker text loaded");
  if (peers_.playlist) peers_.playlist->loadPlaylist(SubscriberFolder);
  LoadStreamingAd();
  alignPanelWithTicker();
  created_ = true;
  return true;
}

bool TFmMain::FindPresentations() {
  std::vector<std::string> args;
  for (const QString& a : arguments_) args.push_back(platform::toPath(a));
  const FoundPresentations found = findPresentations(args, platform::toPath(platform_.programFolder),
                                                     platform::toPath(QDir::currentPath()), settings_);
  presentations_ = found.folders;
  activePresentation_ = found.activeIndex;
  if (presentations_.empty()) {
    platform_.messages.showInfo("TavoPlayer could not find any presentations");
    return false;
  }
  return true;
}

bool TFmMain::LoadSubscribers() {
  const Channels channels = loadChannels(presentations_, settings_);
  SubscriberFolders = channels.folders;
  SubscriberNames = channels.names;
  CurrentSubscriber = channels.current;
  buildSubscriberMenu();
  return !SubscriberNames.empty();
}

void TFmMain::buildSubscriberMenu() {
  if (!PMnSubscribers) {
    PMnSubscribers = new QMenu(this);
    PMnSubscribers->setObjectName("PMnSubscribers");
    QAction* preferences = PMnSubscribers->addAction("Preferences");
    preferences->setObjectName("MChPreferences");
    connect(preferences, &QAction::triggered, this, &TFmMain::MChPreferencesClick);
    QMenu* update = PMnSubscribers->addMenu("Update Now");
    update->setObjectName("MChUpdateNow");
    QAction* current = update->addAction("Current Subscriber");
    current->setObjectName("MChCurrentSubscriber");
    QAction* all = update->addAction("All Subscribers");
    all->setObjectName("MChAllSubscribers");
    QAction* about = PMnSubscribers->addAction("About/Add Subscribers");
    about->setObjectName("MChAboutAddSubscribers");
    for (QAction* a : {current, all, about}) connect(a, &QAction::triggered, this, &TFmMain::MChAboutClick);
    PMnSubscribers->addSeparator();
    channelGroup_ = new QActionGroup(this);
    channelGroup_->setExclusive(true);
  }
  for (QAction* entry : channelEntries_) {
    PMnSubscribers->removeAction(entry);
    delete entry;
  }
  channelEntries_.clear();
  for (std::size_t i = 0; i < SubscriberNames.size(); ++i) {
    const QString name = platform::fromFileText(SubscriberNames[i]);
    QAction* entry = new QAction(QString(name).replace("&", "&&"), PMnSubscribers);
    entry->setCheckable(true);
    entry->setToolTip(name);
    entry->setStatusTip(name);
    entry->setData(static_cast<int>(i));
    entry->setChecked(static_cast<int>(i) == CurrentSubscriber);
    channelGroup_->addAction(entry);
    PMnSubscribers->addAction(entry);
    connect(entry, &QAction::triggered, this,
            [this, entry] { MChChangeSubscriberClick(SwitchSender::ChannelEntry, entry); });
    channelEntries_.push_back(entry);
  }
}

void TFmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TFmMain::FormShow() {
  const std::string programFile = platform::toPath(platform_.programFolder);
  RunsFromCD = platform_.drives.isCdRom(platform::fromPath(programFile));
  const bool runPlaylist = project::readRunPlaylist(ProjectFile, false);
  if (RunsFromCD || runPlaylist) {
    BtnStartPlayListClick();
    if (peers_.playlist) peers_.playlist->setVideoMode(true);
    playlistStartedAtShow_ = true;
  } else {
    ShowPlayButton();
    // The Play button belongs to channels that have a playlist.
    if (!fileExistsIn(SubscriberFolder, "PlayList.ini")) BtnStartPlayList->hide();
  }
}

void TFmMain::BtnStartPlayListClick() {
  if (peers_.playlist) peers_.playlist->start();
}

void TFmMain::closeEvent(QCloseEvent* event) {
  FormClose();
  QWidget::closeEvent(event);
}

void TFmMain::FormClose() {
  if (created_) SaveViewingOptions();
}

void TFmMain::FormDestroy() {
  SubscriberFolders.clear();
  SubscriberNames.clear();
}

int TFmMain::screenWidth() const { return platform_.screen.screenGeometry().width(); }
int TFmMain::screenHeight() const { return platform_.screen.screenGeometry().height(); }

// ---------------------------------------------------------------------------
// Ticker panel
// ---------------------------------------------------------------------------

void TFmMain::ShowPanelText(const QString& text, const QString& hotlink) {
  LbTicker->setText(text);  // plain text: "&" shows as written
  LbTicker->adjustSize();
  LbTicker->setToolTip(hotlink);
  const layout::PanelLabel place = layout::panelLabel(LbTicker->width(), PnTicker->width());
  LbTicker->move(place.left, (PnTicker->height() - LbTicker->height()) / 2);
  if (place.scrolls)
    TimerLbTicker->start();
  else
    TimerLbTicker->stop();
}

void TFmMain::TimerLbTickerTimer() {
  const std::optional<int> left = layout::panelLabelTick(LbTicker->x(), LbTicker->width(), PnTicker->width());
  if (left)
    setLeft(LbTicker, *left);
  else
    TimerLbTicker->stop();
}

void TFmMain::PnTickerDblClick() {
  if (!PnTicker->toolTip().isEmpty()) ExecuteLink(PnTicker->toolTip());
}

void TFmMain::LbTickerDblClick() {
  if (!LbTicker->toolTip().isEmpty()) ExecuteLink(LbTicker->toolTip());
}

// ---------------------------------------------------------------------------
// Buttons and other events
// ---------------------------------------------------------------------------

void TFmMain::startSystemMove() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  if (QWindow* w = windowHandle()) w->startSystemMove();
}

void TFmMain::mousePressEvent(QMouseEvent* event) {
  // Presses that reach the form on its background (not on a control) move the window.
  if (!childAt(event->position().toPoint())) {
    startSystemMove();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void TFmMain::mouseReleaseEvent(QMouseEvent* event) {
  // A click on the background undocks the bar: it stays where the user put it.
  if (!childAt(event->position().toPoint())) align_ = Align::None;
  QWidget::mouseReleaseEvent(event);
}

bool TFmMain::event(QEvent* event) {
  if (event->type() == BarMessageEvent::eventType()) {
    auto* notice = static_cast<BarMessageEvent*>(event);
    notice->result = BarMessageReceived(notice->message);
    return true;
  }
  return QWidget::event(event);
}

bool TFmMain::eventFilter(QObject* watched, QEvent* event) {
  const auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (watched == BtnDrag && event->type() == QEvent::MouseButtonPress) {
    startSystemMove();
    return mouse && mouse->button() == Qt::LeftButton;  // a right press still opens the menu
  }
  if (event->type() == QEvent::MouseButtonRelease && mouse && mouse->button() == Qt::LeftButton) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && w->rect().contains(mouse->position().toPoint())) {
      if (watched == ImgMenu) ImgMenuClick();
      if (watched == ImgAdSponsor) ImgAdSponsorClick();
      if (watched == ImgSponsorLogo) ImgSponsorLogoClick();
    }
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == PnTicker) PnTickerDblClick();
    if (watched == LbTicker) {
      LbTickerDblClick();
      return true;  // the label's double click is not also the panel's
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TFmMain::BtnUpClick() {
  TickerPosition = "Top";
  PlaceBar();
}

void TFmMain::BtnDownClick() {
  TickerPosition = "Bottom";
  PlaceBar();
}

void TFmMain::BtnMuteClick() {
  BtnMute->hide();
  BtnSpeaker->show();
}

void TFmMain::BtnSpeakerClick() {
  BtnSpeaker->hide();
  BtnMute->show();
}

void TFmMain::BtnMinimizeClick() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w)) w->showMinimized();
}

void TFmMain::BtnCloseClick() {
  if (peers_.slideshow && peers_.slideshow->isVisible()) peers_.slideshow->close();
  if (peers_.thumbnails && peers_.thumbnails->isVisible()) peers_.thumbnails->close();
  close();
}

void TFmMain::ImgMenuClick() {
  PMnSubscribers->popup(QPoint(x() + ImgMenu->x(), y() + ImgMenu->y() + ImgMenu->height()));
}

void TFmMain::BtnMenuClick() {
  PMnButtons->popup(QPoint(x() + BtnMenu->x(), y() + BtnMenu->y() + BtnMenu->height()));
}

void TFmMain::MChPreferencesClick() {
  settings_.setTickerDataSpeed(currentTickerSpeed());
  if (peers_.preferences) {
    PreferencesDialogPort::Request r;
    r.page = PreferencesDialogPort::Page::Ticker;
    r.runsFromCD = RunsFromCD;
    r.bar = this;
    r.projectFolder = ProjectFolder;
    r.subscriberFolder = SubscriberFolder;
    r.channelCount = static_cast<int>(SubscriberNames.size());
    peers_.preferences->runModal(r);
  }
  ApplyViewingOptions();
  LoadSubscriberSettings();
  ArrangeBar();
}

void TFmMain::MChAboutClick() {
  if (peers_.preferences) {
    PreferencesDialogPort::Request r;
    r.page = PreferencesDialogPort::Page::About;
    r.bar = this;  // Apply on the About page tells the bar too
    r.subscriberFolder = SubscriberFolder;
    r.channelCount = static_cast<int>(SubscriberNames.size());  // shown on the About page
    peers_.preferences->runModal(r);
  }
  ArrangeBar();
}

void TFmMain::ImgAdSponsorClick() { sponsorClick(ImgAdSponsor); }
void TFmMain::ImgSponsorLogoClick() { sponsorClick(ImgSponsorLogo); }

void TFmMain::TimerStreamingAdTimer() {
  TimerStreamingAd->stop();
  ++StreamingAdLine;
  if (StreamingAdLine >= static_cast<int>(StreamingAdLines.size())) StreamingAdLine = 0;
}

// ---------------------------------------------------------------------------
// Notices from the other windows
// ---------------------------------------------------------------------------

int TFmMain::BarMessageReceived(BarMessage message) {
  switch (message) {
    case BarMessage::QuestionPrompt:
      QuestionPrompt();
      break;
    case BarMessage::SettingsChanged:
      ApplyViewingOptions();
      LoadSubscriberSettings();
      break;
    case BarMessage::OpenPromptLink:
      OpenPromptLink();
      break;
    case BarMessage::OpenAddSubscribersPage:
      OpenAddSubscribersPage();
      break;
    case BarMessage::Query107:
      return kQuery107Answer;
    case BarMessage::ChannelListChanged:
      ChannelListChanged();
      break;
    case BarMessage::ThumbnailViewerClosed:
      ThumbnailViewerClosed();
      break;
    case BarMessage::VideoNotice102:
    case BarMessage::Unused103:
    case BarMessage::Unused104:
    case BarMessage::PreferencesNotice108:
    case BarMessage::Unused109:
      break;
  }
  return 0;
}

void TFmMain::ChannelListChanged() {
  LoadSubscriberSettings();
  CloseSearchField();
  ArrangeBar();
  LoadStreamingAd();
}

void TFmMain::ThumbnailViewerClosed() {
  show();
  raise();
  activateWindow();
  setFocus();
}

// ---------------------------------------------------------------------------
// The ticker and the streaming-ad scroller
// ---------------------------------------------------------------------------

void TFmMain::createTickers() {
  using ticker::TScrollerOption;
  const ticker::TScrollerOptions options{TScrollerOption::opActiveMouse, TScrollerOption::opDrawFocus,
                                         TScrollerOption::opExecuteHyperlinks};
  Ticker = new ticker::TQxScroller(this, &platform_.shell);
  Ticker->setObjectName("Ticker");
  Ticker->setBorderStyle(ticker::TBorderStyle::bsSingle);
  Ticker->setColor(Qt::black);
  Ticker->setOptions(options);
  Ticker->setScrollSpeed(ticker::TScrollSpeed::speed3_Normal);
  Ticker->setContextMenuPolicy(Qt::PreventContextMenu);
  Ticker->OnHyperlinkClick = [this](ticker::TQxScroller*, QString& link, bool& execute) {
    TickerHyperlinkClick(link, execute);
  };

  // The streaming ad: its hyperlinks are executed by the control itself.
  SubTicker = new ticker::TQxScroller(this, &platform_.shell);
  SubTicker->setObjectName("SubTicker");
  SubTicker->setBorderStyle(ticker::TBorderStyle::bsNone);
  SubTicker->setOptions(options);
  SubTicker->setScrollSpeed(ticker::TScrollSpeed::speed3_Normal);
  SubTicker->setContextMenuPolicy(Qt::PreventContextMenu);
  SubTicker->resize(100, layout::kSubTickerHeight);
  SubTicker->hide();
}

void TFmMain::setNextItemDelayOfSubTicker() { SubTicker->setNextItemDelay(4000); }

void TFmMain::setTickerSpeed(int position) { Ticker->setScrollSpeed(ticker::speedAtPosition(position)); }

int TFmMain::currentTickerSpeed() const { return ticker::speedPosition(Ticker->ScrollSpeed()); }

void TFmMain::showSubTicker(bool on) {
  SubTicker->setEnabled(on);
  SubTicker->setVisible(on);
}

void TFmMain::BtnPlayTickerClick() {
  Ticker->setActive(true);
  BtnPlayTicker->hide();
  BtnPauseTicker->show();
}

void TFmMain::BtnPauseTickerClick() {
  Ticker->setActive(false);
  BtnPauseTicker->hide();
  BtnPlayTicker->show();
}

void TFmMain::BtnNextChannelClick() { Ticker->SkipItem(); }

void TFmMain::TickerHyperlinkClick(QString& hyperlink, bool& execute) {
  if (hyperlink.isEmpty()) return;
  // "exec:" is the control's own kind of link, which the dispatcher does not
  // know: the control starts the program itself, once.
  if (hyperlink.startsWith("exec:", Qt::CaseInsensitive)) return;
  ExecuteLink(hyperlink);
  execute = false;  // the dispatcher has it: the control must not open it a second time
}

}  // namespace tavo::player
