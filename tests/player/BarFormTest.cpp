// The bar as a form: viewing options applied to its controls, the button row
// from the channel's settings, the ticker panel, the small buttons, the right-
// click rules, the notices from other windows and the video window's prompt.

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "ticker/TQxScroller.h"

#include "tests/player/BarFixture.h"

namespace tavo::player::test {
namespace {

class BarForm : public BarFixture {
 protected:
  BarForm() { news = provider("Town News", "[Sponsor Options]\r\nCaption Text=News\r\n"); }
  std::string viewingOption(const std::string& name) {
    const auto v = platform.platform().registry.user.value("Software\\Corvenna\\TavoPlayer\\Viewing Options", name);
    if (!v) return "<missing>";
    return v->type == RegistryValue::Type::Text ? v->text : std::to_string(v->number);
  }
  std::string news;
};

TEST_F(BarForm, AFreshUserGetsTheDefaultsAndTheyAreWrittenBack) {
  TFmMain& b = start();
  EXPECT_EQ(b.windowTitle(), "TavoPlayer");
  EXPECT_TRUE(b.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(b.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(b.palette().color(QPalette::Window), QColor(0xEE, 0xEE, 0xF4));  // 16051950
  EXPECT_EQ(b.geometry(), QRect(0, 0, 1920, 50));
  EXPECT_EQ(b.TickerPosition, "Top");
  EXPECT_EQ(b.TickerFont.family(), "Arial");
  EXPECT_EQ(b.TickerFont.pointSize(), 14);
  EXPECT_TRUE(b.TickerFont.bold());
  EXPECT_EQ(b.TickerFontColor, QColor(0, 255, 0));
  EXPECT_FALSE(b.BtnMute->isHidden());  // sound on
  EXPECT_TRUE(b.BtnSpeaker->isHidden());
  EXPECT_TRUE(b.BtnUp->isHidden());
  EXPECT_FALSE(b.BtnDown->isHidden());
  EXPECT_TRUE(b.BtnPlayTicker->isHidden());
  EXPECT_FALSE(b.BtnPauseTicker->isHidden());
  EXPECT_EQ(b.TimerLbTicker->interval(), 5);  // speed 6
  EXPECT_FALSE(b.TimerLbTicker->isActive());
  EXPECT_EQ(b.PnTicker->geometry(), QRect(102, 20, layout::tickerWidth(b.BtnSearch->x()), 29));
  EXPECT_EQ(b.Bevel1->y(), 1);
  EXPECT_EQ(b.BtnPauseTicker->y(), 27);
  EXPECT_EQ(b.ImgAdSponsor->geometry(), QRect(1920 - 128, 24, 120, 24));
  // The search field starts closed.
  EXPECT_EQ(b.SearchTag(), 0);
  EXPECT_TRUE(b.EdSearch->isHidden());
  EXPECT_TRUE(b.BtnGo->isHidden());
  EXPECT_EQ(b.BtnSearch->toolTip(), "Internet Search");

  for (const char* name : {"Ticker Data Speed", "Ticker Position", "Ticker Text Size", "Ticker Text Bold",
                           "Ticker Text Color", "Ticker Color", "Button Bar Location", "Button Bar Text Bold"})
    EXPECT_NE(viewingOption(name), "<missing>") << name;
  EXPECT_EQ(viewingOption("Ticker Text Size"), "Large");
}

TEST_F(BarForm, JumboTextWithTheButtonBarAtTheBottomAndTheBarAtTheBottom) {
  setViewingOption("Ticker Text Size", "Jumbo");
  setViewingOption("Button Bar Location", "Bottom");
  setViewingOption("Ticker Position", "Bottom");
  provider("Town News", "[Buttons]\r\nButton1=News\r\nAction1=x.txt\r\n");
  TFmMain& b = start();
  EXPECT_EQ(b.height(), 74);
  EXPECT_EQ(b.y(), 1040 - 74);  // the work area's bottom
  EXPECT_EQ(b.TickerFont.pointSize(), 27);
  EXPECT_EQ(b.PnTicker->y(), 4);
  EXPECT_EQ(b.PnTicker->height(), 47);
  EXPECT_EQ(b.BtnNextChannel->y(), 4);
  EXPECT_EQ(b.Bevel1->y(), 54);
  EXPECT_EQ(b.Buttons[0]->y(), 55);
  EXPECT_EQ(b.BtnClose->y(), 54);
  EXPECT_EQ(b.BtnStartPlayList->y(), 54);
  EXPECT_EQ(b.ImgAdSponsor->y(), 2);
  EXPECT_FALSE(b.BtnUp->isHidden());
  EXPECT_TRUE(b.BtnDown->isHidden());

  // Moving the bar to the top and closing stores the position (and speed and sound).
  b.BtnUpClick();
  EXPECT_EQ(b.y(), 0);
  b.BtnMuteClick();
  b.close();
  EXPECT_EQ(viewingOption("Ticker Position"), "Top");
  EXPECT_EQ(platform.platform().registry.user.value("Software\\Corvenna\\TavoPlayer\\Universal Options", "Sound")->number, 0);
}

TEST_F(BarForm, AnUnknownTickerPositionDocksAtTheTopAndIsStoredBackAsTop) {
  setViewingOption("Ticker Position", "Left");
  TFmMain& b = start();
  EXPECT_EQ(b.TickerPosition, "Top");
  EXPECT_EQ(b.pos(), QPoint(0, 0));
  b.close();
  EXPECT_EQ(viewingOption("Ticker Position"), "Top");

  setViewingOption("Ticker Position", "Random");
  TFmMain& r = start();
  EXPECT_EQ(r.TickerPosition, "Random");
  EXPECT_EQ(r.pos(), QPoint(0, 0));
}

TEST_F(BarForm, TheBarAtTheBottomMovesTheSetWindowsToTheTop) {
  TFmMain& b = start();
  b.BtnDownClick();
  EXPECT_EQ(b.y(), 1040 - 50);
  EXPECT_EQ(peers.slideshow.top, 0);
  EXPECT_EQ(peers.thumbnails.top, 0);
  b.BtnUpClick();
  EXPECT_EQ(peers.slideshow.top, 50);

  // Without a work area the bar keeps its top.
  platform.screen.work.reset();
  b.BtnDownClick();
  EXPECT_EQ(b.y(), 0);
}

TEST_F(BarForm, ButtonsTakeTheirCaptionsActionsAndWidthsFromTheChannel) {
  provider("Town News",
           "[Buttons]\r\n"
           "Button1=Weather\r\nAction1=http://www.example.com/weather\r\n"
           "Button2=Fish & Chips\r\nAction2=SUBSCRIBER Sports Club\r\n"
           "Button4=A caption of twenty\r\nAction4=menu.pdf\r\n");
  TFmMain& b = start();
  EXPECT_EQ(b.Buttons[0]->text(), "Weather");
  EXPECT_EQ(b.Buttons[0]->toolTip(), "http://www.example.com/weather");
  EXPECT_EQ(b.Buttons[0]->geometry(), QRect(64, 2, 76, layout::kButtonHeight));
  EXPECT_EQ(b.Buttons[0]->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
  EXPECT_EQ(b.Buttons[1]->text(), "Fish && Chips");  // shows one "&"
  EXPECT_EQ(b.Buttons[1]->width(), 2 * 13 + 62);
  EXPECT_EQ(b.Buttons[1]->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
  EXPECT_TRUE(b.Buttons[2]->isHidden());
  EXPECT_FALSE(b.Buttons[3]->isHidden());
  EXPECT_EQ(b.Buttons[3]->x(), b.Buttons[1]->x() + b.Buttons[1]->width() + 1);
  EXPECT_EQ(b.Buttons[3]->width(), 2 * 19 + 86);
  EXPECT_TRUE(b.BtnMenu->isHidden());
  EXPECT_TRUE(b.BtnStartPlayList->isHidden());  // no playlist

  file("Town News/menu.pdf");
  b.Buttons[3]->click();
  EXPECT_EQ(platform.shell.opened, QStringList{QString::fromStdString(news + "menu.pdf")});

  // Bold button text widens the buttons.
  platform.platform().registry.user.writeInteger("Software\\Corvenna\\TavoPlayer\\Viewing Options",
                                                 "Button Bar Text Bold", 1);
  b.BarMessageReceived(BarMessage::SettingsChanged);
  EXPECT_TRUE(b.Buttons[1]->font().bold());
  EXPECT_EQ(b.Buttons[1]->width(), 2 * 13 + 76);
  EXPECT_EQ(b.Buttons[3]->width(), 2 * 19 + 120);
}

TEST_F(BarForm, ButtonsThatDoNotFitGoToTheMenuBehindBtnMenu) {
  platform.screen.geometry = QRect(0, 0, 800, 600);
  std::string ini = "[Sponsor Options]\r\nStreaming Ad Text=Adstream.txt\r\n[Buttons]\r\n";
  for (int n = 1; n <= 10; ++n)
    ini += "Button" + std::to_string(n) + "=Button " + std::to_string(n) + "\r\nAction" + std::to_string(n) +
           "=http://www.example.com/" + std::to_string(n) + "\r\n";
  provider("Town News", ini);
  TFmMain& b = start();
  ASSERT_EQ(b.width(), 800);

  std::vector<int> lengths;
  for (int n = 1; n <= 10; ++n) lengths.push_back(static_cast<int>(("Button " + std::to_string(n)).size()));
  const layout::ButtonRow row = layout::buttonRow(lengths, false, true, b.BtnStartPlayList->x());
  int inMenu = 0;
  for (std::size_t n = 0; n < 10; ++n) {
    EXPECT_EQ(b.Buttons[n]->isHidden(), !row.buttons[n].visible) << n;
    if (row.buttons[n].inMenu) ++inMenu;
  }
  ASSERT_GT(inMenu, 0);
  ASSERT_EQ(b.PMnButtons->actions().size(), inMenu);
  EXPECT_FALSE(b.BtnMenu->isHidden());
  EXPECT_EQ(b.BtnMenu->x(), row.menuButtonLeft);
  // The streaming ad keeps 120 pixels free at the end of the row.
  const int bevelRight = b.Bevel1->x() + b.Bevel1->width();
  EXPECT_EQ(bevelRight, b.BtnStartPlayList->x() - 2);
  for (QToolButton* button : b.Buttons) {
    if (!button->isHidden()) {
      EXPECT_GE(bevelRight - (button->x() + button->width()) - 2, 120);
    }
  }

  QAction* first = b.PMnButtons->actions().front();
  EXPECT_EQ(first->text(), QString("Button %1").arg(10 - inMenu + 1));
  EXPECT_EQ(first->toolTip(), QString("http://www.example.com/%1").arg(10 - inMenu + 1));
  first->trigger();
  EXPECT_EQ(platform.shell.opened, QStringList{first->toolTip()});

  // Without the streaming ad more buttons fit; the menu is rebuilt.
  provider("Town News", "[Buttons]\r\nButton1=One\r\nAction1=1\r\n");
  b.LoadSubscriberSettings();
  EXPECT_TRUE(b.PMnButtons->actions().isEmpty());
  EXPECT_TRUE(b.BtnMenu->isHidden());
  for (std::size_t n = 1; n < 10; ++n) EXPECT_TRUE(b.Buttons[n]->isHidden()) << n;
}

TEST_F(BarForm, MediaButtonsLineUpLeftOfThePlaylistButtonsRightEdge) {
  file("Town News/PlayList.ini", "[Playlist]\r\n1=a.avi\r\n");
  TFmMain& b = start();
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());
  EXPECT_EQ(b.BtnFFPlaylist->x() + b.BtnFFPlaylist->width(), b.BtnStartPlayList->x() + b.BtnStartPlayList->width());
  EXPECT_EQ(b.BtnRewindPlaylist->x() + b.BtnRewindPlaylist->width() + 2, b.BtnFFPlaylist->x());
  EXPECT_EQ(b.BtnPausePlaylist->x() + b.BtnPausePlaylist->width() + 2, b.BtnPlayPlaylist->x());

  b.ShowPlaylistControls();
  EXPECT_TRUE(b.BtnStartPlayList->isHidden());
  for (QToolButton* m : {b.BtnPausePlaylist, b.BtnPlayPlaylist, b.BtnStopPlaylist, b.BtnRewindPlaylist, b.BtnFFPlaylist})
    EXPECT_FALSE(m->isHidden());
  b.ShowPlayButton();
  EXPECT_FALSE(b.BtnStartPlayList->isHidden());
  EXPECT_TRUE(b.BtnStopPlaylist->isHidden());

  // The bar's media buttons are the runner's.
  peers.playlist.calls.clear();
  for (QToolButton* m : {b.BtnStartPlayList, b.BtnPausePlaylist, b.BtnPlayPlaylist, b.BtnStopPlaylist,
                         b.BtnRewindPlaylist, b.BtnFFPlaylist})
    m->click();
  EXPECT_EQ(peers.playlist.calls, (QStringList{"start", "pause", "play", "stop", "rewind", "fast forward"}));
}

TEST_F(BarForm, TheStreamingAdTimerAdvancesItsLineAndStops) {
  provider("Town News", "[Sponsor Options]\r\nStreaming Ad Text=Adstream.txt\r\nStreaming Ad Interval=01:30\r\n");
  file("Town News/Adstream.txt", "Ferry times|\r\n");
  TFmMain& b = start();
  EXPECT_EQ(b.TimerStreamingAd->interval(), 90000);
  // No playlist: the settings load shows the Play face, which starts the timer.
  EXPECT_TRUE(b.TimerStreamingAd->isActive());
  b.StreamingAdLines = {"one", "two"};
  b.TimerStreamingAdTimer();
  EXPECT_FALSE(b.TimerStreamingAd->isActive());
  EXPECT_EQ(b.StreamingAdLine, 1);
  b.TimerStreamingAdTimer();
  EXPECT_EQ(b.StreamingAdLine, 0);
  b.ShowPlayButton();
  b.ShowPlaylistControls();
  EXPECT_FALSE(b.TimerStreamingAd->isActive());

  provider("Town News", "");
  b.LoadSubscriberSettings();
  EXPECT_EQ(b.TimerStreamingAd->interval(), 15000);  // the default "00:15"
  b.ShowPlayButton();
  EXPECT_FALSE(b.TimerStreamingAd->isActive());  // no streaming ad: no timer
}

TEST_F(BarForm, AChannelWithoutItsAdFileKeepsNothingOfThePreviousChannelsAd) {
  provider("Town News", "[Sponsor Options]\r\nStreaming Ad Text=Adstream.txt\r\n");
  file("Town News/Adstream.txt", "Harbour Bank: low rates|http://bank.example\r\n");
  provider("Sports Club", "[Sponsor Options]\r\nStreaming Ad Text=Missing.txt\r\n");
  setActiveSubscriber("Town News");
  TFmMain& b = start();
  b.show();
  ASSERT_GT(b.SubTicker->Items().Count(), 1);
  ASSERT_TRUE(b.SubTicker->isVisible());
  EXPECT_TRUE(b.SubTicker->scrollTimerRunning());
  // While the media controls show, the hidden ad costs no timer; it goes on after.
  b.ShowPlaylistControls();
  EXPECT_FALSE(b.SubTicker->scrollTimerRunning());
  b.ShowPlayButton();
  EXPECT_TRUE(b.SubTicker->scrollTimerRunning());

  ASSERT_TRUE(b.ExecuteLink("Subscriber Sports Club"));
  EXPECT_EQ(b.SubTicker->Items().Count(), 0);
  EXPECT_FALSE(b.TimerStreamingAd->isActive());
  EXPECT_FALSE(b.SubTicker->isVisible());
  EXPECT_TRUE(b.StreamingAdLines.empty());
  // The play face (a playlist ended) does not bring the other sponsor's ad back.
  b.ShowPlaylistControls();
  b.ShowPlayButton();
  EXPECT_FALSE(b.SubTicker->isVisible());
  EXPECT_FALSE(b.TimerStreamingAd->isActive());

  // Back on the channel with its ad: it shows again.
  ASSERT_TRUE(b.ExecuteLink("Subscriber Town News"));
  EXPECT_TRUE(b.SubTicker->isVisible());
  EXPECT_TRUE(b.TimerStreamingAd->isActive());
  EXPECT_EQ(b.SubTicker->Items().Items(1)->Text1(), "Harbour Bank: low rates");
}

TEST_F(BarForm, TheTickerBehindItsPanelRunsNoTimer) {
  TFmMain& b = start();
  b.show();
  ASSERT_TRUE(b.Ticker->scrollTimerRunning());
  b.PnTicker->show();
  EXPECT_FALSE(b.Ticker->scrollTimerRunning());
  EXPECT_TRUE(b.Ticker->Active());
  b.hide();  // the whole bar hidden and shown again: the panel still covers it
  b.show();
  EXPECT_FALSE(b.Ticker->scrollTimerRunning());
  b.PnTicker->hide();
  EXPECT_TRUE(b.Ticker->isVisible());
  EXPECT_TRUE(b.Ticker->scrollTimerRunning());
}

TEST_F(BarForm, ThePanelCentresShortTextAndScrollsLongText) {
  TFmMain& b = start();
  b.ShowPanelText("Short & sweet", "Subscriber Town News");
  EXPECT_EQ(b.LbTicker->text(), "Short & sweet");
  EXPECT_EQ(b.LbTicker->toolTip(), "Subscriber Town News");
  EXPECT_EQ(b.LbTicker->x(), (b.PnTicker->width() - b.LbTicker->width()) / 2);
  EXPECT_FALSE(b.TimerLbTicker->isActive());

  b.ShowPanelText(QString(400, 'W'), {});
  ASSERT_GT(b.LbTicker->width(), b.PnTicker->width());
  EXPECT_EQ(b.LbTicker->x(), 3);
  EXPECT_TRUE(b.TimerLbTicker->isActive());
  int ticks = 0;
  while (b.TimerLbTicker->isActive() && ticks < 100000) {
    b.TimerLbTickerTimer();
    ++ticks;
  }
  EXPECT_LE(b.LbTicker->x() + b.LbTicker->width(), b.PnTicker->width());
  EXPECT_GT(b.LbTicker->x() + b.LbTicker->width(), b.PnTicker->width() - 4);
  EXPECT_EQ((3 - b.LbTicker->x()) % 4, 0);
}

TEST_F(BarForm, ADoubleClickOnThePanelTextExecutesItsHotlink) {
  file("Town News/Menu.pdf");
  TFmMain& b = start();
  b.ShowPanelText("Today's menu", "menu.pdf");
  b.PnTicker->show();
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(b.LbTicker, &dbl);
  EXPECT_EQ(platform.shell.opened, QStringList{QString::fromStdString(news + "Menu.pdf")});
  // The panel itself has no hotlink: a double click beside the text does nothing.
  QApplication::sendEvent(b.PnTicker, &dbl);
  EXPECT_EQ(platform.shell.opened.size(), 1);
  b.ShowPanelText("No link", {});
  QApplication::sendEvent(b.LbTicker, &dbl);
  EXPECT_EQ(platform.shell.opened.size(), 1);
}

TEST_F(BarForm, RightClicksOpenTheChannelMenuExceptOnTheListedControls) {
  TFmMain& b = start();
  for (QWidget* w : std::initializer_list<QWidget*>{b.BtnDrag, b.ImgSponsorLogo, b.Buttons[1], b.Buttons[9],
                                                    b.BtnStartPlayList, b.BtnStopPlaylist, b.BtnMinimize, b.BtnClose,
                                                    b.BtnPlayTicker, b.BtnPauseTicker, b.BtnNextChannel, b.BtnSearch,
                                                    b.EdSearch, b.BtnGo, b.ImgMenu, b.ImgAdSponsor})
    EXPECT_EQ(w->contextMenuPolicy(), Qt::CustomContextMenu) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{b.BtnMute, b.BtnSpeaker, b.BtnUp, b.BtnDown, b.Buttons[0],
                                                    b.PnTicker, b.LbTicker, b.Ticker, b.SubTicker})
    EXPECT_EQ(w->contextMenuPolicy(), Qt::PreventContextMenu) << w->objectName().toStdString();
  EXPECT_EQ(b.BtnMenu->contextMenuPolicy(), Qt::CustomContextMenu);  // opens PMnButtons
}

TEST_F(BarForm, TheSmallButtonsSwitchTheirPartners) {
  TFmMain& b = start();
  b.BtnMuteClick();
  EXPECT_TRUE(b.BtnMute->isHidden());
  EXPECT_FALSE(b.BtnSpeaker->isHidden());
  b.BtnSpeakerClick();
  EXPECT_FALSE(b.BtnMute->isHidden());
  b.BtnPauseTickerClick();
  EXPECT_TRUE(b.BtnPauseTicker->isHidden());
  EXPECT_FALSE(b.BtnPlayTicker->isHidden());
  b.BtnPlayTickerClick();
  EXPECT_FALSE(b.BtnPauseTicker->isHidden());

  peers.slideshow.visible = peers.thumbnails.visible = true;
  b.BtnCloseClick();
  EXPECT_FALSE(peers.slideshow.visible);
  EXPECT_FALSE(peers.thumbnails.visible);
}

TEST_F(BarForm, PreferencesAndAboutOpenTheDialogWithWhatItNeeds) {
  provider("Sports Club", "");
  TFmMain& b = start();
  platform.platform().registry.user.writeText("Software\\Corvenna\\TavoPlayer\\Viewing Options", "Ticker Text Size",
                                              "Jumbo");
  b.MChPreferencesClick();
  ASSERT_EQ(peers.preferences.requests.size(), 1u);
  const auto& r = peers.preferences.requests[0];
  EXPECT_EQ(r.page, PreferencesDialogPort::Page::Ticker);
  EXPECT_EQ(r.bar, &b);
  EXPECT_EQ(r.projectFolder, presentation);
  EXPECT_EQ(r.subscriberFolder, b.SubscriberFolder);
  EXPECT_EQ(r.channelCount, 2);
  EXPECT_EQ(b.height(), 74);  // the options are applied again afterwards

  b.MChAboutClick();
  ASSERT_EQ(peers.preferences.requests.size(), 2u);
  EXPECT_EQ(peers.preferences.requests[1].page, PreferencesDialogPort::Page::About);
  EXPECT_EQ(peers.preferences.requests[1].subscriberFolder, b.SubscriberFolder);
}

TEST_F(BarForm, NoticesFromOtherWindows) {
  TFmMain& b = start();
  EXPECT_EQ(b.BarMessageReceived(BarMessage::Query107), 2);
  for (BarMessage m : {BarMessage::VideoNotice102, BarMessage::Unused103, BarMessage::Unused104,
                       BarMessage::PreferencesNotice108, BarMessage::Unused109})
    EXPECT_EQ(b.BarMessageReceived(m), 0);
  EXPECT_EQ(static_cast<int>(BarMessage::QuestionPrompt), 1124);
  EXPECT_EQ(static_cast<int>(BarMessage::ThumbnailViewerClosed), 1142);

  b.BarMessageReceived(BarMessage::OpenAddSubscribersPage);
  ASSERT_EQ(platform.shell.opened.size(), 1);
  EXPECT_TRUE(platform.shell.opened[0].endsWith("/tavoplayer/tavoplayer-addsubs.html"));

  provider("Town News", "[Buttons]\r\nButton1=Later\r\nAction1=x\r\n");
  b.BarMessageReceived(BarMessage::ChannelListChanged);
  EXPECT_EQ(b.Buttons[0]->text(), "Later");

  b.hide();
  b.BarMessageReceived(BarMessage::ThumbnailViewerClosed);
  EXPECT_TRUE(b.isVisible());
}

TEST_F(BarForm, TheVideoWindowsPromptOffersWebLinksAndPages) {
  TFmMain& b = start();
  peers.video.link = "HTTP://www.example.com/offer";
  peers.video.question = "See the offer?";
  b.BarMessageReceived(BarMessage::QuestionPrompt);
  EXPECT_TRUE(b.TimerQuestionPrompt->isActive());
  EXPECT_EQ(b.TimerQuestionPrompt->interval(), 6000);
  ASSERT_TRUE(peers.video.panelAt);
  EXPECT_EQ(*peers.video.panelAt, QPoint(170, 190 - 20));  // (640-301)/2 = 169.5 -> 170, (480-101)/2 = 189.5 -> 190
  EXPECT_EQ(peers.video.panelText, "See the offer?");
  EXPECT_EQ(peers.video.calls, (QStringList{"focus", "show panel"}));
  EXPECT_EQ(b.PendingPromptLink, "HTTP://www.example.com/offer");

  b.TimerQuestionPromptTimer();
  EXPECT_FALSE(b.TimerQuestionPrompt->isActive());
  EXPECT_FALSE(peers.video.panelShown);

  peers.video.calls.clear();
  b.BarMessageReceived(BarMessage::OpenPromptLink);
  EXPECT_EQ(platform.shell.opened, QStringList{"HTTP://www.example.com/offer"});
  EXPECT_EQ(peers.video.calls, (QStringList{"front", "front"}));

  file("Town News/Offer.HTM");
  peers.video.link = "offer.htm";
  b.QuestionPrompt();
  EXPECT_EQ(b.PendingPromptLink, QString::fromStdString(news + "Offer.HTM"));

  peers.video.calls.clear();
  b.TimerQuestionPrompt->stop();
  for (const char* other : {"Slideshow Beach", "movie.avi", "ht"}) {
    peers.video.link = other;
    b.QuestionPrompt();
  }
  EXPECT_TRUE(peers.video.calls.isEmpty());
  EXPECT_FALSE(b.TimerQuestionPrompt->isActive());
}

}  // namespace
}  // namespace tavo::player::test
