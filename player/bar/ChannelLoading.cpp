// Loading a channel: its settings (buttons, sponsor pictures, playlist
// button), its ticker text and streaming ad, and the switch to another channel.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/ProviderSettings.h"
#include "format/TickerText.h"
#include "platform/QtText.h"
#include "player/bar/BarWidgets.h"
#include "player/bar/Glyphs.h"
#include "player/bar/TFmMain.h"
#include "player/logic/BarLayout.h"
#include "ticker/TQxScroller.h"

namespace tavo::player {

using barwidgets::setLeft;
using barwidgets::toQColor;

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

  setSponsorPicture(ImgAdSponsor, sponsor.boxImage, sponsor.boxLink, Fallback::BuiltInSponsorBox);
  setSponsorPicture(ImgSponsorLogo, sponsor.logoImage, sponsor.logoLink, Fallback::Empty);

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
                                Fallback fallback) {
  picture->setToolTip(platform::fromFileText(link));
  QPixmap pix;
  if (!image.empty() && fileExistsIn(SubscriberFolder, image)) pix.load(platform::fromPath(resolveName(SubscriberFolder, image)));
  if (pix.isNull()) {
    // The built-in box is drawn the first time a channel needs it.
    if (fallback == Fallback::BuiltInSponsorBox) {
      if (builtInSponsorBox_.isNull()) builtInSponsorBox_ = glyphs::builtInSponsorBox();
      pix = builtInSponsorBox_;
    }
  } else if (pix.width() > picture->width() || pix.height() > picture->height()) {
    pix = pix.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  picture->setPixmap(pix);
}

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

// ---------------------------------------------------------------------------
// The channel's ticker
// ---------------------------------------------------------------------------

// A ticker text may hold thousands of lines while the bar shows only the
// first few: the first kTickerLinesAtOnce lines go on the band at once, the
// rest in batches while the event loop is idle, in their order. The band only
// grows at its far end, which is out of view while the rest comes in, so what
// the user sees is the same, and the bar appears without waiting.
void TFmMain::LoadTicker(const std::string& file) {
  Ticker->setActive(false);
  Ticker->Reset();
  Ticker->setGeometry(layout::kTickerLeft, Ticker->y(), layout::tickerWidth(BtnSearch->x()), Ticker->height());
  Ticker->setShowHyperlinkHint(true);
  ticker::TScrollerCollection& items = Ticker->Items();
  items.Clear();
  tickerLoadTimer_->stop();
  pendingTickerLines_.clear();
  pendingTickerNext_ = 0;

  ticker::TScrollerItem* gap = items.Add();
  gap->setMargin(static_cast<quint16>(std::clamp(layout::tickerGap(Ticker->width()), 0, 65535)));
  ticker::TScrollerItem* caption = items.Add();
  caption->setFont(TickerFont);
  caption->setFontColor(Qt::white);
  caption->setMargin(30);
  caption->setText1(platform::fromFileText(CaptionText));
  items.Add()->setBitmap(bullet_);
  if (isFile(file)) {
    pendingTickerLines_ = readTickerText(file, ReadMode::Player);
    addTickerLines(kTickerLinesAtOnce);
  }
  Ticker->setActive(true);
  ApplyTickerFont();
}

// Each line is its text item, with the ticker font set before its text so that
// it is measured once, and a bullet.
void TFmMain::addTickerLines(std::size_t count) {
  ticker::TScrollerCollection& items = Ticker->Items();
  const std::size_t end = std::min(pendingTickerLines_.size(), pendingTickerNext_ + count);
  for (; pendingTickerNext_ < end; ++pendingTickerNext_) {
    const TickerLine& line = pendingTickerLines_[pendingTickerNext_];
    ticker::TScrollerItem* item = items.Add();
    item->setFont(TickerFont);
    item->setFontColor(TickerFontColor);
    item->setMargin(30);
    item->setText1(platform::fromFileText(line.text));
    const QString link = platform::fromFileText(line.hotlink);
    item->setHyperlink(link);
    item->setHint(link);
    items.Add()->setBitmap(bullet_);
  }
  if (TickerLoading()) {
    tickerLoadTimer_->start();
  } else {
    tickerLoadTimer_->stop();
    pendingTickerLines_ = {};
    pendingTickerNext_ = 0;
  }
}

void TFmMain::FinishTickerLoading() { addTickerLines(pendingTickerLines_.size()); }

}  // namespace tavo::player
