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
#include <algorithm>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/StartupTrace.h"
#include "format/Links.h"
#include "format/ProjectFile.h"
#include "format/ProviderSettings.h"
#include "format/TickerText.h"
#include "platform/QtText.h"
#include "player/bar/Glyphs.h"
#include "ticker/TQxScroller.h"
#include "player/logic/BarLayout.h"
#include "player/logic/PresentationDiscovery.h"

namespace tavo::player {

namespace {

using glyphs::Glyph;

QColor toQColor(WinColor c) { return QColor(c.red(), c.green(), c.blue()); }

void setLeft(QWidget* w, int left) { w->move(left, w->y()); }

// The product's web site, where the page for adding subscribers lives.
constexpr const char* kProductWebSite = "http://www.tavoplayer.example/";
void setTop(QWidget* w, int top) { w->move(w->x(), top); }

}  // namespace

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
  builtInSponsorBox_ = glyphs::builtInSponsorBox();
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
  ImgAdSponsor->setPixmap(builtInSponsorBox_);
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->resize(kBulletSize, kBulletSize);
  Image1->hide();

  PMnButtons = new QMenu(this);
  PMnButtons->setObjectName("PMnButtons");
  PMnButtons->setToolTipsVisible(true);
  PMnSearchEngines = new QMenu(this);
  PMnSearchEngines->setObjectName("PMnSearchEngines");

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
// Viewing options and layout
// ---------------------------------------------------------------------------

void TFmMain::ApplyViewingOptions() {
  SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(CurrentSubscriber)];

  const bool sound = settings_.sound();
  BtnMute->setVisible(sound);
  BtnSpeaker->setVisible(!sound);

  const int speed = ticker::speedPosition(ticker::speedAtPosition(settings_.tickerDataSpeed()));
  setTickerSpeed(speed);
  TimerLbTicker->setInterval(layout::panelScrollInterval(speed));

  buttonTextBold_ = settings_.buttonBarTextBold();
  for (QToolButton* b : Buttons) {
    QFont f = b->font();
    f.setBold(buttonTextBold_);
    b->setFont(f);
  }

  const std::string textSize = settings_.tickerTextSize();
  const layout::TextSizeLayout size = layout::textSizeLayout(textSize);
  TickerFont.setPointSize(size.fontSize);
  resize(width(), size.barHeight);
  setTop(ImgSponsorLogo, layout::logoTop(size.barHeight));
  setTickerRow(size.tickerTop, size.tickerHeight);

  TickerPosition = settings_.tickerPosition();
  PlaceBar();

  TickerFont.setBold(settings_.tickerTextBold());
  TickerFontColor = toQColor(settings_.tickerTextColor());
  SetTickerColors(toQColor(settings_.tickerColor()), TickerFontColor);
  ApplyTickerFont();

  ApplyButtonBarPosition(settings_.buttonBarLocation(), textSize);
}

void TFmMain::SaveViewingOptions() {
  settings_.setTickerDataSpeed(currentTickerSpeed());
  settings_.setTickerPosition(TickerPosition);
  settings_.setSound(!BtnMute->isHidden());
}

void TFmMain::ArrangeBar() {
  const layout::ArrangedBar a = layout::arrangeBar(width());
  ImgAdSponsor->show();
  setLeft(BtnDrag, a.dragLeft);
  setLeft(BtnClose, a.closeLeft);
  setLeft(BtnMinimize, a.minimizeLeft);
  setLeft(BtnSpeaker, a.speakerLeft);
  setLeft(BtnMute, a.speakerLeft);
  setLeft(BtnDown, a.upDownLeft);
  setLeft(BtnUp, a.upDownLeft);
  setLeft(BtnStartPlayList, a.startPlaylistLeft);
  setLeft(ImgAdSponsor, a.adSponsorLeft);
  setLeft(ImgMenu, a.menuImageLeft);
  setLeft(BtnSearch, a.searchLeft);
  setLeft(EdSearch, a.searchEditLeft);
  setLeft(BtnGo, a.goLeft);
}

void TFmMain::ApplyButtonBarPosition(const std::string& location, const std::string& textSize) {
  const layout::RowTops t = layout::buttonBarPosition(location, textSize);
  setTop(Bevel1, t.bevel);
  for (QToolButton* b : Buttons) setTop(b, t.buttons);
  setTop(BtnMenu, t.menuButton);
  moveSubTickerTop(t.subTicker);
  for (QWidget* w : {BtnUp, BtnDown}) setTop(w, t.upDown);
  for (QWidget* w : {BtnSpeaker, BtnMute}) setTop(w, t.sound);
  for (QWidget* w : {BtnMinimize, BtnClose}) setTop(w, t.windowButtons);
  setTop(BtnDrag, t.drag);
  for (QWidget* w : std::initializer_list<QWidget*>{BtnStartPlayList, BtnPausePlaylist, BtnPlayPlaylist,
                                                    BtnStopPlaylist, BtnRewindPlaylist, BtnFFPlaylist})
    setTop(w, t.playlistButtons);
  for (QWidget* w : {BtnPauseTicker, BtnPlayTicker, BtnNextChannel}) setTop(w, t.tickerButtons);
  setTop(BtnSearch, t.search);
  setTop(EdSearch, t.searchEdit);
  setTop(BtnGo, t.go);
  setTop(ImgAdSponsor, t.adSponsor);
  setTop(ImgMenu, t.menuImage);
  if (t.ticker) moveTickerRowTop(*t.ticker);
}

void TFmMain::PlaceBar() {
  const std::optional<QRect> work = platform_.screen.workArea();
  const std::optional<int> workBottom = work ? std::optional<int>(work->y() + work->height()) : std::nullopt;
  const layout::BarPlacement p = layout::placeBar(TickerPosition, height(), workBottom);
  TickerPosition = p.tickerPosition;
  if (p.align == layout::BarPlacement::Align::Top) {
    alignBar(Align::Top);
    // "Random" keeps the place the alignment gave it, without staying aligned.
    if (TickerPosition == "Random") align_ = Align::None;
  } else {
    align_ = Align::None;
    move(p.left.value_or(x()), p.top.value_or(y()));
  }
  if (p.showUp || p.showDown) {
    BtnUp->setVisible(p.showUp);
    BtnDown->setVisible(p.showDown);
  }
  if (p.childWindowTop) {
    if (peers_.thumbnails) peers_.thumbnails->setTop(*p.childWindowTop);
    if (peers_.slideshow) peers_.slideshow->setTop(*p.childWindowTop);
  }
}

// The window docked at the top or bottom of the work area, as wide as the screen.
void TFmMain::alignBar(Align align) {
  align_ = align;
  const QRect screen = platform_.screen.screenGeometry();
  const QRect area = platform_.screen.workArea().value_or(screen);
  if (align == Align::Top) setGeometry(area.x(), area.y(), area.width(), height());
  if (align == Align::Bottom) setGeometry(area.x(), area.y() + area.height() - height(), area.width(), height());
}

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
    r.subscriberFolder = SubscriberFolder;
    peers_.preferences->runModal(r);
  }
  ArrangeBar();
}

void TFmMain::CloseSearchField() {
  BtnSearch->setToolTip("Internet Search");
  ImgAdSponsor->show();
  ImgMenu->show();
  EdSearch->hide();
  BtnGo->hide();
  searchTag_ = 0;
  BtnSearch->setProperty("tag", 0);
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
// Channels
// ---------------------------------------------------------------------------

// A channel whose folder has lost its "!Tavo.ini" cannot become current: says so.
bool TFmMain::switchFailed(int index) {
  const std::string& folder = SubscriberFolders[static_cast<std::size_t>(index)];
  if (fileExistsIn(folder, "!Tavo.ini")) return false;
  const QString name = platform::fromFileText(SubscriberNames[static_cast<std::size_t>(index)]);
  platform_.messages.showInfo(name.isEmpty() ? QString("That subscriber does not exist")
                                             : "Subscriber " + name + " does not exist");
  return true;
}

void TFmMain::MChChangeSubscriberClick(SwitchSender sender, QAction* entry) {
  if (peers_.thumbnails && peers_.thumbnails->isVisible()) peers_.thumbnails->close();
  if (peers_.slideshow && peers_.slideshow->isVisible()) peers_.slideshow->close();

  if (sender == SwitchSender::ChannelEntry && entry) {
    const int index = entry->data().toInt();
    if (index < 0 || index >= static_cast<int>(SubscriberFolders.size())) return;
    if (switchFailed(index)) {
      // The previous channel stays current, and its entry stays ticked.
      if (CurrentSubscriber < static_cast<int>(channelEntries_.size()))
        channelEntries_[static_cast<std::size_t>(CurrentSubscriber)]->setChecked(true);
      return;
    }
    CurrentSubscriber = index;
    entry->setChecked(true);
  } else {
    const QString current = platform::fromFileText(SubscriberNames[static_cast<std::size_t>(CurrentSubscriber)]);
    for (QAction* e : channelEntries_)
      if (e->toolTip().compare(current, Qt::CaseInsensitive) == 0) {
        e->setChecked(true);
        break;
      }
  }

  settings_.setActiveSubscriber(SubscriberNames[static_cast<std::size_t>(CurrentSubscriber)]);
  SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(CurrentSubscriber)];
  LoadSubscriberSettings();
  LoadTicker(resolveName(SubscriberFolder, "Ticker.Txt"));
  if (peers_.playlist) peers_.playlist->loadPlaylist(SubscriberFolder);
  CloseSearchField();
  ArrangeBar();
  LoadStreamingAd();
  if (sender == SwitchSender::ThumbnailViewer) BtnStartPlayListClick();
}

// ---------------------------------------------------------------------------
// The channel's settings: buttons, sponsor pictures, playlist button
// ---------------------------------------------------------------------------

void TFmMain::LoadSubscriberSettings() {
  PMnButtons->clear();
  TimerStreamingAd->stop();
  BtnMenu->hide();

  const provider::ProviderSettings settings = provider::readProviderSettings(SubscriberFolder, ReadMode::Player);
  const provider::SponsorOptions& sponsor = settings.sponsor;
  BrowserChoice = settings.browser.browser.empty() ? provider::kBrowserDefault : settings.browser.browser;
  StreamingAdFile = sponsor.streamingAdText;

  // Buttons without caption are not in the list: they stay empty here.
  std::vector<QString> captions(provider::kMaxButtons), actions(provider::kMaxButtons);
  std::vector<int> lengths(provider::kMaxButtons, 0);
  for (const provider::ButtonEntry& button : settings.buttons) {
    if (button.number < 1 || button.number > provider::kMaxButtons) continue;
    const std::size_t n = static_cast<std::size_t>(button.number - 1);
    captions[n] = platform::fromFileText(doubleChar(button.caption, '&'));
    actions[n] = platform::fromFileText(button.action);
    lengths[n] = static_cast<int>(captions[n].size());
  }
  const layout::ButtonRow row = layout::buttonRow(lengths, buttonTextBold_, !StreamingAdFile.empty(),
                                                  BtnStartPlayList->x());
  Bevel1->setGeometry(row.bevelLeft, Bevel1->y(), row.bevelWidth, Bevel1->height());
  for (std::size_t n = 0; n < captions.size(); ++n) PlaceButton(static_cast<int>(n), captions[n], actions[n], row);

  setSubTickerSpan(row.subTickerLeft, row.subTickerWidth);
  setLeft(BtnFFPlaylist, row.ffLeft);
  setLeft(BtnRewindPlaylist, row.rewindLeft);
  setLeft(BtnStopPlaylist, row.stopLeft);
  setLeft(BtnPlayPlaylist, row.playLeft);
  setLeft(BtnPausePlaylist, row.pauseLeft);

  CaptionText = sponsor.captionText;
  TimerStreamingAd->setInterval(sponsor.streamingAdIntervalMs());

  setSponsorPicture(ImgAdSponsor, sponsor.boxImage, sponsor.boxLink, builtInSponsorBox_);
  setSponsorPicture(ImgSponsorLogo, sponsor.logoImage, sponsor.logoLink, QPixmap());

  refreshBullets();

  if (fileExistsIn(SubscriberFolder, "PlayList.ini")) {
    BtnStartPlayList->show();
  } else {
    ShowPlayButton();
    BtnStartPlayList->hide();
  }
}

// One button of the row: shown with its caption and action, hidden, or moved
// into the menu of buttons that did not fit.
void TFmMain::PlaceButton(int n, const QString& caption, const QString& action, const layout::ButtonRow& row) {
  QToolButton* button = Buttons[static_cast<std::size_t>(n)];
  const layout::ButtonSlot& slot = row.buttons[static_cast<std::size_t>(n)];
  if (caption.isEmpty()) {
    button->hide();
    return;
  }
  button->setText(caption);
  button->setToolTip(action);
  QPalette pal = button->palette();
  const bool channelLink = startsWithIgnoreCase(platform::toFileText(action), "Subscriber");
  pal.setColor(QPalette::ButtonText, channelLink ? QColor(255, 0, 0) : QColor(0, 0, 0));
  button->setPalette(pal);
  button->setGeometry(slot.left, button->y(), slot.width, layout::kButtonHeight);
  button->setVisible(slot.visible);
  if (slot.inMenu) {
    QAction* entry = PMnButtons->addAction(caption);
    entry->setToolTip(action);
    entry->setData(action);
    connect(entry, &QAction::triggered, this, [this, entry] { ExecuteLink(entry->data().toString()); });
    if (BtnMenu->isHidden()) {
      setLeft(BtnMenu, row.menuButtonLeft);
      BtnMenu->show();
    }
  }
}

// A sponsor picture: the channel's file when it names one that exists and can
// be shown, else the fallback (the built-in sponsor box, or an empty logo), so
// that one sponsor's picture never stays on another sponsor's channel.
void TFmMain::setSponsorPicture(QLabel* picture, const std::string& image, const std::string& link,
                                const QPixmap& fallback) {
  picture->setToolTip(platform::fromFileText(link));
  QPixmap pix;
  if (!image.empty() && fileExistsIn(SubscriberFolder, image)) pix.load(platform::fromPath(resolveName(SubscriberFolder, image)));
  if (pix.isNull()) {
    pix = fallback;
  } else if (pix.width() > picture->width() || pix.height() > picture->height()) {
    pix = pix.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  picture->setPixmap(pix);
}

void TFmMain::ImgAdSponsorClick() { sponsorClick(ImgAdSponsor); }
void TFmMain::ImgSponsorLogoClick() { sponsorClick(ImgSponsorLogo); }

// A sponsor picture's link is a document in the channel folder or an address.
void TFmMain::sponsorClick(QLabel* picture) {
  QString target = picture->toolTip();
  const std::string stored = platform::toFileText(target);
  if (fileExistsIn(SubscriberFolder, stored)) target = platform::fromPath(resolveName(SubscriberFolder, stored));
  OpenInBrowser(target);
}

// ---------------------------------------------------------------------------
// Playlist area and streaming ad
// ---------------------------------------------------------------------------

void TFmMain::ShowPlayButton() {
  for (QToolButton* b : {BtnPausePlaylist, BtnPlayPlaylist, BtnStopPlaylist, BtnRewindPlaylist, BtnFFPlaylist})
    b->hide();
  BtnStartPlayList->show();
  if (!StreamingAdFile.empty()) {
    showSubTicker(true);
    TimerStreamingAd->start();
  }
}

void TFmMain::ShowPlaylistControls() {
  TimerStreamingAd->stop();
  BtnStartPlayList->hide();
  showSubTicker(false);
  for (QToolButton* b : {BtnPausePlaylist, BtnPlayPlaylist, BtnStopPlaylist, BtnRewindPlaylist, BtnFFPlaylist})
    b->show();
}

void TFmMain::TimerStreamingAdTimer() {
  TimerStreamingAd->stop();
  ++StreamingAdLine;
  if (StreamingAdLine >= static_cast<int>(StreamingAdLines.size())) StreamingAdLine = 0;
}

// ---------------------------------------------------------------------------
// The link dispatcher
// ---------------------------------------------------------------------------

bool TFmMain::ExecuteLink(const QString& linkText, const QString& folderText, int flags) {
  bool result = true;
  playlistOpenWindow_ = PlaylistWindow::None;
  const std::string link = collapseRuns(platform::toFileText(linkText), '&');
  const std::string folder = platform::toFileText(folderText);
  const ClassifiedLink c = classifyLink(link);

  switch (c.kind) {
    case LinkClass::Channel: {
      const QString name = platform::fromFileText(c.name);
      int index = 0;
      for (std::size_t i = 0; i < SubscriberNames.size(); ++i)
        if (platform::fromFileText(SubscriberNames[i]).compare(name, Qt::CaseInsensitive) == 0) {
          index = static_cast<int>(i);
          break;
        }
      if (!fileExistsIn(SubscriberFolders[static_cast<std::size_t>(index)], "!Tavo.ini")) {
        // The current channel stays as it was.
        platform_.messages.showInfo(name.isEmpty() ? QString("That subscriber does not exist")
                                                   : "Subscriber " + name + " does not exist");
        return false;
      }
      CurrentSubscriber = index;
      SubscriberFolder = SubscriberFolders[static_cast<std::size_t>(index)];
      MChChangeSubscriberClick((flags & PlaylistMark) ? SwitchSender::ThumbnailViewer : SwitchSender::Nothing);
      break;
    }
    case LinkClass::Slideshow:
      if (!(flags & KeepOpenMark)) playlistOpenWindow_ = PlaylistWindow::Slideshow;
      if (peers_.slideshow && peers_.slideshow->isVisible()) peers_.slideshow->close();
      if (fileExistsIn(SubscriberFolder, c.name + "\\Slideshow.ini"))
        OpenSlideshow(resolveName(SubscriberFolder, c.name));
      else
        result = false;
      break;
    case LinkClass::Thumbnails:
      if (!(flags & KeepOpenMark)) playlistOpenWindow_ = PlaylistWindow::Thumbnails;
      if (peers_.thumbnails && peers_.thumbnails->isVisible()) peers_.thumbnails->close();
      if (fileExistsIn(SubscriberFolder, c.name + "\\Thumbnail.ini"))
        OpenThumbnails(resolveName(SubscriberFolder, c.name));
      else
        result = false;
      break;
    case LinkClass::Browser:
      break;
    case LinkClass::Setup:
      if (peers_.playlist) peers_.playlist->stop();
      if (peers_.setup) peers_.setup->runModal(ProjectFile);
      break;
    case LinkClass::Program:
      if (fileExistsIn(SubscriberFolder, link)) {
        const std::string program = resolveName(SubscriberFolder, link);
        result = platform_.shell.startProgram(platform::fromPath(program), {}, platform::fromPath(folderOf(program)));
      } else {
        result = false;
      }
      break;
    case LinkClass::TickerText:
      if (fileExistsIn(SubscriberFolder, link))
        LoadTicker(resolveName(SubscriberFolder, link));
      else
        result = false;
      break;
    case LinkClass::Document: {
      QString target;
      if (!folder.empty() && fileExistsIn(SubscriberFolder, folder + "\\" + link))
        target = platform::fromPath(resolveName(SubscriberFolder, folder + "\\" + link));
      else if (fileExistsIn(SubscriberFolder, link))
        target = platform::fromPath(resolveName(SubscriberFolder, link));
      else
        target = platform::fromFileText(link);  // a web or mail address
      result = platform_.shell.openDocument(target);
      break;
    }
  }
  return result;
}

void TFmMain::OpenSlideshow(const std::string& folder) {
  if (!peers_.slideshow || !fileExistsIn(withTrailingSeparator(folder), "SlideShow.ini")) return;
  peers_.slideshow->setGeometry(layout::slideshowGeometry(TickerPosition, screenWidth(), screenHeight(), height()));
  peers_.slideshow->setFolder(withoutTrailingSeparator(folder));
  if (TickerPosition == "Bottom") moveToScreenBottom();
  peers_.slideshow->show();
}

void TFmMain::OpenThumbnails(const std::string& folder) {
  if (!peers_.thumbnails || !fileExistsIn(withTrailingSeparator(folder), "Thumbnail.ini")) return;
  const std::optional<QRect> work = platform_.screen.workArea();
  const std::optional<int> workBottom = work ? std::optional<int>(work->y() + work->height()) : std::nullopt;
  peers_.thumbnails->setMainWindow(this);
  peers_.thumbnails->setGeometry(
      layout::thumbnailGeometry(TickerPosition, screenWidth(), screenHeight(), workBottom, height()));
  peers_.thumbnails->setFolder(withoutTrailingSeparator(folder));
  if (TickerPosition == "Bottom") moveToScreenBottom();
  peers_.thumbnails->show();
}

// The bar at the bottom makes room for a set window above it: it leaves its
// docking and sits on the screen's bottom edge.
void TFmMain::moveToScreenBottom() {
  align_ = Align::None;
  update();
  move(x(), screenHeight() - height());
}

void TFmMain::OpenInBrowser(const QString& address) {
  if (BrowserChoice != "Default") {
    if (!peers_.browser) return;
    peers_.browser->setGeometry(layout::browserGeometry(screenWidth(), screenHeight(), height()));
    peers_.browser->setAddress(address);
    peers_.browser->show();
  } else {
    platform_.shell.openDocument(address);
  }
}

void TFmMain::OpenAddSubscribersPage() { OpenInBrowser(QString(kProductWebSite) + "tavoplayer/tavoplayer-addsubs.html"); }

// ---------------------------------------------------------------------------
// The video window's question prompt
// ---------------------------------------------------------------------------

void TFmMain::QuestionPrompt() {
  VideoWindowPort* video = peers_.video;
  if (!video) return;
  const QString link = video->promptLink();
  const std::string stored = platform::toFileText(link);
  const bool web = startsWithIgnoreCase(stored, "http");
  const bool page = !web && startsWithIgnoreCase(fileExtension(stored), ".htm");
  if (!web && !page) return;
  TimerQuestionPrompt->start();
  video->giveFocus();
  const QSize window = video->windowSize(), panel = video->promptPanelSize();
  const layout::Point at = layout::promptPanelPosition(window.width(), window.height(), panel.width(), panel.height());
  video->showPromptPanel(QPoint(at.x, at.y), video->promptText());
  PendingPromptLink = web ? link : platform::fromPath(resolveName(SubscriberFolder, stored));
}

void TFmMain::TimerQuestionPromptTimer() {
  TimerQuestionPrompt->stop();
  if (peers_.video) peers_.video->hidePromptPanel();
}

void TFmMain::OpenPromptLink() {
  if (peers_.video) peers_.video->bringToFront();
  OpenInBrowser(PendingPromptLink);
  if (peers_.video) peers_.video->bringToFront();
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

void TFmMain::setTickerRow(int top, int height) {
  Ticker->setGeometry(Ticker->x(), top, Ticker->width(), height);
  PnTicker->setGeometry(PnTicker->x(), top, PnTicker->width(), height);
}

void TFmMain::moveTickerRowTop(int top) {
  setTop(Ticker, top);
  setTop(PnTicker, top);
}

void TFmMain::alignPanelWithTicker() {
  PnTicker->setGeometry(Ticker->x(), PnTicker->y(), Ticker->width(), PnTicker->height());
}

void TFmMain::moveSubTickerTop(int top) { setTop(SubTicker, top); }

void TFmMain::setSubTickerSpan(int left, int width) {
  SubTicker->setGeometry(left, SubTicker->y(), std::max(width, 0), layout::kSubTickerHeight);
}

void TFmMain::showSubTicker(bool on) {
  SubTicker->setEnabled(on);
  SubTicker->setVisible(on);
}

void TFmMain::SetTickerColors(const QColor& background, const QColor& text) {
  QPalette p = PnTicker->palette();
  p.setColor(QPalette::Window, background);
  PnTicker->setPalette(p);
  Ticker->setColor(background);
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 0; i < items.Count(); ++i) items.Items(i)->setBackground(background);
  // Items that hold a copy of the old bullet keep it until the settings load
  // puts the new one in.
  bullet_ = glyphs::bulletImage(background, text);
  Image1->setPixmap(bullet_);
}

void TFmMain::ApplyTickerFont() {
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 0; i < items.Count(); ++i) {
    items.Items(i)->setFont(TickerFont);
    items.Items(i)->setFontColor(TickerFontColor);
  }
  if (ticker::TScrollerItem* caption = items.Items(1)) caption->setFontColor(Qt::white);
  PnTicker->setFont(TickerFont);
  QPalette p = PnTicker->palette();
  p.setColor(QPalette::WindowText, TickerFontColor);
  PnTicker->setPalette(p);
  LbTicker->setFont(TickerFont);
  LbTicker->setPalette(p);
}

// The bullets between the ticker's items (2, 4, 6, ...) take the current bullet.
void TFmMain::refreshBullets() {
  ticker::TScrollerCollection& items = Ticker->Items();
  for (int i = 2; i < items.Count(); i += 2) items.Items(i)->setBitmap(bullet_);
}

void TFmMain::LoadTicker(const std::string& file) {
  Ticker->setActive(false);
  Ticker->Reset();
  Ticker->setGeometry(layout::kTickerLeft, Ticker->y(), layout::tickerWidth(BtnSearch->x()), Ticker->height());
  Ticker->setShowHyperlinkHint(true);
  ticker::TScrollerCollection& items = Ticker->Items();
  items.Clear();

  // Each text item gets the ticker font before its text, so that its image is
  // rendered once.
  const auto textItem = [&](const QString& text, const QColor& color) {
    ticker::TScrollerItem* item = items.Add();
    item->setFont(TickerFont);
    item->setFontColor(color);
    item->setMargin(30);
    item->setText1(text);
    return item;
  };
  const auto bulletItem = [&] { items.Add()->setBitmap(bullet_); };

  ticker::TScrollerItem* gap = items.Add();
  gap->setMargin(static_cast<quint16>(std::clamp(layout::tickerGap(Ticker->width()), 0, 65535)));
  textItem(platform::fromFileText(CaptionText), Qt::white);
  bulletItem();
  if (isFile(file)) {
    for (const TickerLine& line : readTickerText(file, ReadMode::Player)) {
      ticker::TScrollerItem* item = textItem(platform::fromFileText(line.text), TickerFontColor);
      const QString link = platform::fromFileText(line.hotlink);
      item->setHyperlink(link);
      item->setHint(link);
      bulletItem();
    }
  }
  Ticker->setActive(true);
  ApplyTickerFont();
}

void TFmMain::LoadStreamingAd() {
  StreamingAdLines.clear();
  if (StreamingAdFile.empty() || !fileExistsIn(SubscriberFolder, StreamingAdFile)) {
    SubTicker->hide();
    SubTicker->lower();
    return;
  }
  const std::vector<TickerLine> lines = readTickerText(resolveName(SubscriberFolder, StreamingAdFile), ReadMode::Player);
  for (const TickerLine& line : lines) StreamingAdLines.push_back(line.text);
  StreamingAdLine = 0;

  SubTicker->setActive(false);
  ticker::TScrollerCollection& items = SubTicker->Items();
  items.Clear();
  const QColor bar = toQColor(WinColor{static_cast<std::uint32_t>(layout::kBarColor)});
  SubTicker->setColor(bar);
  items.Add()->setMargin(static_cast<quint16>(std::clamp(SubTicker->width(), 0, 65535)));
  QFont font("Arial");
  font.setPointSize(8);
  for (const TickerLine& line : lines) {
    ticker::TScrollerItem* item = items.Add();
    item->setFont(font);
    item->setFontColor(Qt::black);
    item->setBackground(bar);
    item->setText1(platform::fromFileText(line.text));
    item->setHyperlink(platform::fromFileText(line.hotlink));
  }
  SubTicker->setActive(true);
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
