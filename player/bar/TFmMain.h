#pragma once
// The player's main window: the bar docked at the top or bottom edge of the
// screen. It finds the presentations and channels at start, applies the
// viewing options, lays out its two rows (ticker row and button row), dresses
// itself with the current channel's buttons, sponsor pictures, ticker text and
// streaming ad, and runs every link through its one dispatcher, ExecuteLink.
//
// The other player windows are reached through the ports of BarPeers.h; the
// notices they send arrive through BarMessageReceived (BarMessage.h).

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "format/PlayerSettings.h"
#include "format/TickerText.h"
#include "platform/Platform.h"
#include "player/bar/BarMessage.h"
#include "player/bar/BarPeers.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace tavo::ticker {
class TQxScroller;
}

namespace tavo::player {

// Marks a caller gives the link dispatcher.
enum LinkFlag : int {
  NoLinkFlags = 0,
  // A slideshow or thumbnail set the link opens is not recorded as the
  // playlist's open window, so the playlist runner leaves it open.
  KeepOpenMark = 2,
  // The request comes from the playlist or the thumbnail viewer: a channel
  // switch then starts the new channel's playlist.
  PlaylistMark = 4,
};

// The window the current playlist item opened (the playlist runner closes it
// when the item's time is up).
enum class PlaylistWindow : int { None = 0, Slideshow = 1, Thumbnails = 2 };

// Who asks for a channel switch.
enum class SwitchSender { Nothing, ChannelEntry, ThumbnailViewer };

class TFmMain : public QWidget {
  Q_OBJECT

 public:
  // `arguments` are the program's command-line arguments without the program name.
  TFmMain(platform::Platform& platform, QStringList arguments, QWidget* parent = nullptr);
  ~TFmMain() override;

  // The other windows; set before FormCreate (any may be null).
  void setPeers(const BarPeers& peers) { peers_ = peers; }
  const BarPeers& peers() const { return peers_; }

  // Finds the presentations and channels and dresses the bar. Returns false
  // when the program must end without showing the bar (nothing found); the
  // reason has been shown.
  bool FormCreate();

  bool FindPresentations();
  bool LoadSubscribers();

  // ---- state shared by the bar's parts ----
  std::string ProjectFolder;  // active presentation, ending in "/"
  std::string ProjectFile;    // ProjectFolder + "Project.ini"
  std::vector<std::string> SubscriberFolders;
  std::vector<std::string> SubscriberNames;
  int CurrentSubscriber = 0;
  std::string SubscriberFolder;
  bool RunsFromCD = false;
  QFont TickerFont;
  QColor TickerFontColor;
  std::string TickerPosition = "Top";  // "Top", "Bottom" or "Random"

  // From the current channel's "!Tavo.ini".
  std::string BrowserChoice = "Default";
  std::string StreamingAdFile;   // empty: no streaming ad
  std::string CaptionText;
  std::vector<std::string> StreamingAdLines;
  int StreamingAdLine = 0;
  QString PendingPromptLink;

  std::vector<std::string> PresentationFolders() const { return presentations_; }
  const std::vector<QAction*>& ChannelEntries() const { return channelEntries_; }
  bool PlaylistStartedAtShow() const { return playlistStartedAtShow_; }
  // The window the current playlist item opened; the playlist runner clears it
  // when it has closed that window.
  PlaylistWindow PlaylistOpenWindow() const { return playlistOpenWindow_; }
  void SetPlaylistOpenWindow(PlaylistWindow window) { playlistOpenWindow_ = window; }
  bool ButtonTextBold() const { return buttonTextBold_; }
  const QPixmap& BulletImage() const { return bullet_; }
  // The search field's state: 0 closed, 1 open.
  int SearchTag() const { return searchTag_; }

  void FormShow();
  void FormClose();
  void FormDestroy();

  // ---- viewing options and layout ----
  void ApplyViewingOptions();
  void SaveViewingOptions();
  void SetTickerColors(const QColor& background, const QColor& text);
  void ApplyTickerFont();
  void ArrangeBar();
  void ApplyButtonBarPosition(const std::string& location, const std::string& textSize);
  void PlaceBar();

  // ---- ticker and ticker panel ----
  void LoadTicker(const std::string& file);
  // Long ticker texts come in while the event loop is idle (see LoadTicker);
  // true until every line is on the band.
  bool TickerLoading() const { return pendingTickerNext_ < pendingTickerLines_.size(); }
  // Puts every line still waiting on the band at once.
  void FinishTickerLoading();
  void ShowPanelText(const QString& text, const QString& hotlink);

  // ---- channels and the channel's settings ----
  void MChChangeSubscriberClick(SwitchSender sender, QAction* entry = nullptr);
  void LoadSubscriberSettings();
  void LoadStreamingAd();
  void ShowPlayButton();
  void ShowPlaylistControls();
  void CloseSearchField();

  // ---- the internet search (SearchField.cpp) ----
  void BtnSearchClick();
  void BtnGoClick();
  // Only Enter (13) acts.
  void EdSearchKeyDown(int key);
  void MChSearchLink(QAction* entry);
  void LoadSearchEngines();

  // ---- the link dispatcher and what it opens ----
  bool ExecuteLink(const QString& link, const QString& folder = {}, int flags = NoLinkFlags);
  void OpenSlideshow(const std::string& folder);
  void OpenThumbnails(const std::string& folder);
  void OpenInBrowser(const QString& address);

  // ---- notices from the other windows ----
  int BarMessageReceived(BarMessage message);
  void QuestionPrompt();
  void OpenPromptLink();
  void OpenAddSubscribersPage();
  void ChannelListChanged();
  void ThumbnailViewerClosed();

  // ---- event handlers ----
  void BtnStartPlayListClick();
  void BtnPlayTickerClick();
  void BtnPauseTickerClick();
  void BtnNextChannelClick();
  void BtnUpClick();
  void BtnDownClick();
  void BtnMuteClick();
  void BtnSpeakerClick();
  void BtnMinimizeClick();
  void BtnCloseClick();
  void BtnMenuClick();
  void ImgMenuClick();
  void ImgAdSponsorClick();
  void ImgSponsorLogoClick();
  void MChPreferencesClick();
  void MChAboutClick();
  // The ticker's hyperlink event: hands the link to the dispatcher.
  void TickerHyperlinkClick(QString& hyperlink, bool& execute);
  void TimerLbTickerTimer();
  void TimerStreamingAdTimer();
  void TimerQuestionPromptTimer();
  void PnTickerDblClick();
  void LbTickerDblClick();

  // ---- controls ----
  QToolButton* BtnDrag = nullptr;
  QLabel* ImgSponsorLogo = nullptr;
  std::array<QToolButton*, 10> Buttons{};  // Button1 .. Button10
  QToolButton* BtnMenu = nullptr;
  ticker::TQxScroller* SubTicker = nullptr;
  QFrame* Bevel1 = nullptr;
  QToolButton* BtnStartPlayList = nullptr;
  QToolButton* BtnPausePlaylist = nullptr;
  QToolButton* BtnPlayPlaylist = nullptr;
  QToolButton* BtnStopPlaylist = nullptr;
  QToolButton* BtnRewindPlaylist = nullptr;
  QToolButton* BtnFFPlaylist = nullptr;
  QToolButton* BtnUp = nullptr;
  QToolButton* BtnDown = nullptr;
  QToolButton* BtnSpeaker = nullptr;
  QToolButton* BtnMute = nullptr;
  QToolButton* BtnMinimize = nullptr;
  QToolButton* BtnClose = nullptr;
  QToolButton* BtnPlayTicker = nullptr;
  QToolButton* BtnPauseTicker = nullptr;
  QToolButton* BtnNextChannel = nullptr;
  ticker::TQxScroller* Ticker = nullptr;
  QFrame* PnTicker = nullptr;
  QLabel* LbTicker = nullptr;
  QToolButton* BtnSearch = nullptr;
  QLineEdit* EdSearch = nullptr;
  QPushButton* BtnGo = nullptr;
  QLabel* ImgMenu = nullptr;
  QLabel* ImgAdSponsor = nullptr;
  QLabel* Image1 = nullptr;  // the bullet
  QMenu* PMnSubscribers = nullptr;
  QMenu* PMnButtons = nullptr;
  QMenu* PMnSearchEngines = nullptr;
  QTimer* TimerLbTicker = nullptr;
  QTimer* TimerQuestionPrompt = nullptr;
  QTimer* TimerStreamingAd = nullptr;
  QTimer* TimerPlayList = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Notices from the other windows (BarMessageEvent.h) go to BarMessageReceived.
  bool event(QEvent* event) override;

 private:
  enum class Align { None, Top, Bottom };

  void createControls();
  void connectSearchField();
  void buildSubscriberMenu();
  void allowSubscriberMenu(QWidget* control);
  void PlaceButton(int n, const QString& caption, const QString& action, const layout::ButtonRow& row);
  enum class Fallback { Empty, BuiltInSponsorBox };
  void setSponsorPicture(QLabel* picture, const std::string& image, const std::string& link, Fallback fallback);
  void sponsorClick(QLabel* picture);
  void refreshBullets();
  void startSystemMove();
  void alignBar(Align align);
  void moveToScreenBottom();
  // The two scrollers.
  void createTickers();
  void setNextItemDelayOfSubTicker();
  void setTickerSpeed(int position);
  int currentTickerSpeed() const;
  void setTickerRow(int top, int height);
  void moveTickerRowTop(int top);
  void alignPanelWithTicker();
  void moveSubTickerTop(int top);
  void setSubTickerSpan(int left, int width);
  void showSubTicker(bool on);
  int screenWidth() const;
  int screenHeight() const;
  bool switchFailed(int index);

  platform::Platform& platform_;
  PlayerSettings settings_;
  QStringList arguments_;
  BarPeers peers_;
  std::vector<std::string> presentations_;
  int activePresentation_ = 0;
  QActionGroup* channelGroup_ = nullptr;
  std::vector<QAction*> channelEntries_;
  bool shownOnce_ = false;
  bool created_ = false;
  bool playlistStartedAtShow_ = false;
  bool buttonTextBold_ = false;
  int searchTag_ = 0;
  QActionGroup* searchEngineGroup_ = nullptr;
  Align align_ = Align::None;
  PlaylistWindow playlistOpenWindow_ = PlaylistWindow::None;
  QPixmap bullet_;
  QPixmap builtInSponsorBox_;
  // The lines of the channel's ticker text that LoadTicker left for later,
  // and how many lines go on the band at once and in each idle batch.
  static constexpr std::size_t kTickerLinesAtOnce = 50;
  static constexpr std::size_t kTickerLinesPerBatch = 100;
  std::vector<TickerLine> pendingTickerLines_;
  std::size_t pendingTickerNext_ = 0;
  QTimer* tickerLoadTimer_ = nullptr;
  void addTickerLines(std::size_t count);
};

}  // namespace tavo::player
