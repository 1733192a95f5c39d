// The preferences dialog as a form: what it shows, what OK, Apply and Cancel
// store, its pages and its links.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "platform/testing/TestPlatform.h"
#include "player/preferences/TFmOptions.h"
#include "player/preferences/TRadioGroup.h"
#include "tests/support/QtPrinters.h"
#include "tests/player/StoreFiles.h"
#include "tests/support/TempFolder.h"

namespace tavo::player {
namespace {

using test::storeFiles;
using test::TempFolder;

class PreferencesDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<TFmOptions> open(PreferencesDialogPort::Page page = PreferencesDialogPort::Page::Ticker,
                                   bool cd = false) {
    PreferencesDialogPort::Request r;
    r.page = page;
    r.runsFromCD = cd;
    r.subscriberFolder = store.path();
    r.channelCount = 3;
    auto dialog = std::make_unique<TFmOptions>(settings, r, parsePlayerLinks("", "/opt/tavo/"), shell,
                                               [this](BarMessage m) {
                                                 notices.push_back(m);
                                                 colourAtNotice = settings.tickerTextColor();
                                               });
    dialog->show();
    return dialog;
  }
  QStringList pageTitles(const TFmOptions& d) const {
    QStringList titles;
    for (int i = 0; i < d.PageControl->count(); ++i) titles << d.PageControl->tabText(i);
    return titles;
  }

  TempFolder store;
  PlayerSettings settings{RegistryRoots::inFolder(store.path())};
  platform::testing::TestShell shell;
  std::vector<BarMessage> notices;
  WinColor colourAtNotice;
  const Registry& user() const { return settings.roots().user; }
};

TEST_F(PreferencesDialogTest, CaptionSizePagesAndStartPage) {
  for (const bool cd : {false, true}) {
    SCOPED_TRACE(cd ? "from a CD" : "installed");
    auto d = open(PreferencesDialogPort::Page::Ticker, cd);
    EXPECT_EQ(d->windowTitle(), "Preferences");
    EXPECT_EQ(d->size(), QSize(505, 425));
    EXPECT_EQ(pageTitles(*d), QStringList({"Ticker", "Video && Screen Saver", "Slideshow", "About", "Help"}));
    EXPECT_EQ(d->PageControl->currentWidget(), d->TabTicker);
  }
  auto about = open(PreferencesDialogPort::Page::About);
  EXPECT_EQ(about->PageControl->currentWidget(), about->TabAbout);
  EXPECT_EQ(about->LbSubscribers->text(), "Tavo Subscribers = 3");
}

TEST_F(PreferencesDialogTest, ControlsShowTheStoredValues) {
  user().writeText(kViewingOptionsKey, "Ticker Text Size", "Huge");
  user().writeText(kViewingOptionsKey, "Ticker Position", "Bottom");
  user().writeInteger(kViewingOptionsKey, "Ticker Data Speed", 3);
  user().writeInteger(kViewingOptionsKey, "Ticker Text Color", 65535);
  user().writeInteger(kViewingOptionsKey, "Ticker Color", 16711680);
  user().writeInteger(kViewingOptionsKey, "Button Bar Text Bold", 1);
  user().writeInteger(kUniversalOptionsKey, "Sound", 0);
  user().writeInteger(kGeneralKey, "SlideDisplayMethod", 7);
  user().writeInteger(kGeneralKey, "ThumbDisplayMethod", 2);
  settings.setInstallPath("/home/me/Tavo Player/");
  settings.setVersion("Tavo Player 2002");

  auto d = open();
  EXPECT_EQ(d->RGrpTextSize->itemText(d->RGrpTextSize->itemIndex()), "Jumbo");
  EXPECT_EQ(d->RGrpTickerPos->itemIndex(), 1);
  EXPECT_EQ(d->RGrpButtonBarLoc->itemIndex(), 0);
  EXPECT_EQ(d->TrackBar1->value(), 3);
  EXPECT_EQ(d->CBxColors->currentText(), "Yellow on Blue");
  EXPECT_TRUE(d->CkBxStreamingTextBoldFont->isChecked());
  EXPECT_TRUE(d->CkBxButtonFont->isChecked());
  EXPECT_TRUE(d->CkBxMute->isChecked());
  EXPECT_EQ(d->RGrpSlideshow->itemText(d->RGrpSlideshow->itemIndex()), "Actual Size");
  EXPECT_EQ(d->RGrpThumbnail->itemText(d->RGrpThumbnail->itemIndex()), "Full Screen, Constrain Proportions");
  EXPECT_EQ(d->LbInstallPath->text(), "Installation Directory = /home/me/Tavo Player/");
  EXPECT_EQ(d->LbVersion->text(), "Version = Tavo Player 2002");
  EXPECT_EQ(d->LbFirstInstall->text(), "First Installation = ");
}

TEST_F(PreferencesDialogTest, OkWithoutChangesLeavesEveryStoredValueAsItWas) {
  user().writeInteger(kViewingOptionsKey, "Ticker Text Color", 8388736);  // a provider's purple
  user().writeInteger(kUniversalOptionsKey, "Sound", 1);
  { open(); }  // the first opening writes the missing defaults
  const auto before = storeFiles(store.path());
  auto d = open();
  EXPECT_EQ(d->CBxColors->currentText(), "Neon on Black");
  d->BtnOK->click();
  EXPECT_EQ(d->result(), QDialog::Accepted);
  EXPECT_EQ(storeFiles(store.path()), before);
}

TEST_F(PreferencesDialogTest, OkStoresTheChosenSchemeAndPlacesAndTheNextOpeningShowsThem) {
  auto d = open();
  d->CBxColors->setCurrentText("Yellow on Blue");
  d->RGrpTickerPos->setItemIndex(1);
  d->RGrpButtonBarLoc->setItemIndex(1);
  d->RGrpTextSize->setItemIndex(2);
  d->TrackBar1->setValue(9);
  d->CkBxMute->setChecked(true);
  d->BtnOK->click();
  EXPECT_EQ(settings.tickerTextColor(), WinColor{65535});
  EXPECT_EQ(settings.tickerColor(), WinColor{16711680});
  EXPECT_EQ(settings.tickerPosition(), "Bottom");
  EXPECT_EQ(settings.buttonBarLocation(), "Bottom");
  EXPECT_EQ(settings.tickerTextSize(), "Jumbo");
  EXPECT_EQ(settings.tickerDataSpeed(), 9);
  EXPECT_FALSE(settings.sound());
  EXPECT_TRUE(notices.empty()) << "OK leaves the telling to the bar, which re-reads after the dialog";

  auto again = open();
  EXPECT_EQ(again->CBxColors->currentText(), "Yellow on Blue");
  EXPECT_EQ(again->RGrpTextSize->itemText(again->RGrpTextSize->itemIndex()), "Jumbo");
  again->CBxColors->setCurrentText("Blue on Black");
  again->BtnOK->click();
  EXPECT_EQ(open()->CBxColors->currentText(), "Blue on Black");
}

TEST_F(PreferencesDialogTest, ApplySavesThenTellsTheBarAndCancelKeepsWhatWasApplied) {
  auto d = open();
  d->CBxColors->setCurrentText("Red on Black");
  d->BtnApply->click();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], BarMessage::SettingsChanged);
  EXPECT_EQ(static_cast<int>(notices[0]), 1125);
  EXPECT_EQ(colourAtNotice, WinColor{255}) << "saved before the notice";

  d->CBxColors->setCurrentText("Yellow on Black");
  d->BtnCancel->click();
  EXPECT_EQ(d->result(), QDialog::Rejected);
  EXPECT_EQ(settings.tickerTextColor(), WinColor{255});
}

TEST_F(PreferencesDialogTest, LanguageFileCaptionsWithErrorForAMissingKey) {
  TempFolder here;
  here.write("Language.INI", "[Ticker]\r\nStreamingText= Laufschrift \r\nSlow=Langsam\r\n");
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(here.path()));
  auto d = open();
  QDir::setCurrent(previous);
  EXPECT_EQ(d->StreamingText->title(), " Laufschrift ");
  EXPECT_EQ(d->Slow->text(), "Langsam");
  EXPECT_EQ(d->Fast->text(), "ERROR");

  auto without = open();
  EXPECT_EQ(without->StreamingText->title(), " Streaming Text ");
  EXPECT_EQ(without->Fast->text(), "Fast");
}

TEST_F(PreferencesDialogTest, LinksOpenTheConfiguredPagesInTheSystemBrowser) {
  auto d = open(PreferencesDialogPort::Page::About);
  d->BtnAddSubscribers->click();
  d->LbProductSiteClick();
  d->LbSupportClick();
  EXPECT_EQ(shell.opened, QStringList({"/opt/tavo/help/tavoplayer/tavoplayer-addsubs.html",
                                       "/opt/tavo/help/index.html", "/opt/tavo/help/index.html"}));
  EXPECT_TRUE(d->LbSupport->text().contains("/opt/tavo/help/index.html"));
}

}  // namespace
}  // namespace tavo::player
