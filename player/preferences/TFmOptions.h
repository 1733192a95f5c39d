#pragma once
// The preferences dialog: the viewing preferences of the bar (ticker text
// size, speed and colours, the rows' places, bold fonts), the sound, how the
// slideshow and thumbnail windows fit their pictures, and the installation
// data with the links to the product's pages.
//
// The dialog shows what loadPreferences reads and saves through
// savePreferences (player/logic/PreferenceValues.h) on OK and on Apply; Apply
// then tells the bar, which applies the stored settings again.

#include <QDialog>
#include <functional>

#include "format/PlayerSettings.h"
#include "player/bar/BarMessage.h"
#include "player/bar/BarPeers.h"
#include "player/logic/PlayerLinks.h"
#include "player/logic/PreferenceValues.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTabWidget;

namespace tavo::platform {
class Shell;
}

namespace tavo::player {

class TRadioGroup;

class TFmOptions : public QDialog {
  Q_OBJECT

 public:
  using NotifyBar = std::function<void(BarMessage)>;
  TFmOptions(const PlayerSettings& settings, const PreferencesDialogPort::Request& request, PlayerLinks links,
             platform::Shell& shell, NotifyBar notifyBar, QWidget* parent = nullptr);

  // What the controls show now.
  PreferenceValues shownValues() const;

  void FormShow();
  void LoadSettings();
  void SaveSettings();
  void BtnOKClick();
  void BtnApplyClick();
  void BtnAddSubscribersClick();
  void LbProductSiteClick();
  void LbCreatorPageClick();
  void LbContentPageClick();
  void LbSupportClick();

  QTabWidget* PageControl = nullptr;
  QWidget* TabTicker = nullptr;
  QWidget* TabVideo = nullptr;
  QWidget* TabSlideshow = nullptr;
  QWidget* TabAbout = nullptr;
  QWidget* TabHelp = nullptr;

  TRadioGroup* RGrpTextSize = nullptr;
  QGroupBox* StreamingText = nullptr;
  QSlider* TrackBar1 = nullptr;
  QLabel* Slow = nullptr;
  QLabel* Fast = nullptr;
  QCheckBox* CkBxStreamingTextBoldFont = nullptr;
  QComboBox* CBxColors = nullptr;
  TRadioGroup* RGrpButtonBarLoc = nullptr;
  TRadioGroup* RGrpTickerPos = nullptr;
  QCheckBox* CkBxButtonFont = nullptr;
  QCheckBox* CkBxMute = nullptr;
  TRadioGroup* RGrpSlideshow = nullptr;
  TRadioGroup* RGrpThumbnail = nullptr;

  QLabel* LbInstallPath = nullptr;
  QLabel* LbVersion = nullptr;
  QLabel* LbFirstInstall = nullptr;
  QLabel* LbSubscribers = nullptr;
  QLabel* LbProductSite = nullptr;
  QLabel* LbCreatorPage = nullptr;
  QLabel* LbContentPage = nullptr;
  QPushButton* BtnAddSubscribers = nullptr;
  QLabel* LbSupport = nullptr;

  QPushButton* BtnOK = nullptr;
  QPushButton* BtnCancel = nullptr;
  QPushButton* BtnApply = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createTickerPage();
  void createVideoPage();
  void createSlideshowPage();
  void createAboutPage();
  void createHelpPage();
  void readLanguageCaptions();
  void open(const std::string& address);

  PlayerSettings settings_;
  PreferencesDialogPort::Request request_;
  PlayerLinks links_;
  platform::Shell& shell_;
  NotifyBar notifyBar_;
  PreferenceValues loaded_;
  bool shownOnce_ = false;
  bool loadedOnce_ = false;
};

// The dialog behind the bar's port: created, shown modally and freed per opening.
class PreferencesDialog : public PreferencesDialogPort {
 public:
  // The configured links are read from `programFolder` at each opening.
  PreferencesDialog(const PlayerSettings& settings, std::string programFolder, platform::Shell& shell)
      : settings_(settings), programFolder_(std::move(programFolder)), shell_(shell) {}
  void runModal(const Request& request) override;

 private:
  PlayerSettings settings_;
  std::string programFolder_;
  platform::Shell& shell_;
};

}  // namespace tavo::player
