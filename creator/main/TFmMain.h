#pragma once
// The creator's main window: a borderless bar as wide as the screen, docked at
// its top or bottom, from which the author manages presentations and opens the
// wizard and the publisher.

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QWidget>
#include <array>
#include <exception>
#include <memory>

#include "creator/logic/CreatorSettings.h"
#include "creator/logic/Presentations.h"
#include "creator/main/CreatorDialogs.h"
#include "creator/main/Publisher.h"
#include "platform/Platform.h"

class QMediaPlayer;
class QAudioOutput;

namespace tavo::creator {

class TFmWizard;

class TFmMain : public QWidget {
  Q_OBJECT

 public:
  // `workArea` is the creator's work area (with a trailing "/"); `arguments`
  // the command line without the program.
  TFmMain(platform::Platform& platform, CreatorDialogs& dialogs, Publisher& publisher, const QString& workArea,
          const QStringList& arguments);
  ~TFmMain() override;

  // ---- state other windows use --------------------------------------------------
  Presentation& presentation() { return presentation_; }
  const Presentation& presentation() const { return presentation_; }
  const std::string& programFolder() const { return presentation_.programFolder; }
  bool debugMode() const { return debugMode_; }
  bool playHelpSound = false;
  // The step sounds' player, created on first use.
  QMediaPlayer* helpSoundPlayer(bool create);
  CreatorSettings& settings() { return settings_; }
  platform::Platform& platformServices() { return platform_; }
  CreatorDialogs& dialogs() { return dialogs_; }
  TFmWizard& wizard() { return *wizard_; }

  // ---- the start and the end -------------------------------------------------------
  // What happens when the window is first shown: reads TavoCreator.ini,
  // reopens the last presentation (or asks for one) and docks the bar.
  void FormShow();
  // Saves the providers and TavoCreator.ini's General keys; errors are shown
  // and do not stop the exit.
  void FormClose();

  // ---- presentation management -----------------------------------------------------
  void setCurrentPresentation(const std::string& name);
  void loadContentProviders();
  void saveContentProviders();
  bool askFirstContentProvider();
  void refreshWebAddresses();
  void createPresentation(const std::string& name);
  void deletePresentationFolders(const std::string& name);
  void refreshRecentList();

  void MChNewProjectClick();
  void MChOpenProjectClick();
  void MChSaveProjectAsClick();
  void MChRenameProjectClick();
  void MChDeleteProjectClick();
  void MChRecentClick(int index);
  void MChWizardClick(int step);
  void MChAboutClick();
  void MChSubscriberClick(int index);
  void PublisherClick(Publisher::Page page);

  void BtnControlMenuClick();
  void BtnSubscribersClick();
  void BtnPlayClick();
  void BtnMoveUpClick();
  void BtnMinimizeClick();
  void BtnCloseClick();
  void BtnContentClick();
  void FormResize();

  // The application's error handler: shows what `error` means to the user.
  void ApplicationException(std::exception_ptr error);

  // ---- controls (named as the windows' controls are) --------------------------------
  QPushButton* BtnControlMenu;
  QPushButton* BtnInstructions;
  QPushButton* BtnContent;
  QPushButton* BtnPublish;
  QPushButton* BtnFtp;
  QPushButton* BtnCd;
  QPushButton* BtnExe;
  QPushButton* BtnNetwork;
  QLabel* ImgLogo;
  std::array<QPushButton*, 10> BtnStep{};
  QLabel* LbProject;
  QLabel* LbProjectName;
  QLabel* LbProvider;
  QLabel* LbProviderName;
  QPushButton* BtnSubscribers;
  QPushButton* BtnPlay;
  QPushButton* BtnMoveUp;
  QPushButton* BtnMoveDown;
  QPushButton* BtnMinimize;
  QPushButton* BtnClose;
  QMenu* PMnControl;
  QMenu* PMnSubscribers;
  QAction* MChSaveProjectAs;
  QAction* MChRenameProject;
  std::array<QAction*, 5> MChRecent{};

  bool atTop() const { return y() == 0; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void buildControls();
  void buildControlMenu();
  void placeBar(bool top);
  void updatePresentationCommands();
  void copyOrRenamePresentation(bool rename);
  // Closes the wizard through its Close button when it is open.
  void closeWizard();
  // Makes a chosen presentation current (saving the old one's providers) and
  // opens the wizard at step 1.
  void openPresentation(const std::string& name);

  platform::Platform& platform_;
  CreatorDialogs& dialogs_;
  Publisher& publisher_;
  Presentation presentation_;
  CreatorSettings settings_;
  bool debugMode_ = false;
  bool shownOnce_ = false;
  bool closed_ = false;
  bool painted_ = false;
  bool opened_ = false;
  // Marks "ready" once the bar is painted and the last presentation is open.
  void markReady();
  QMediaPlayer* helpSoundPlayer_ = nullptr;
  QAudioOutput* helpSoundOutput_ = nullptr;
  std::unique_ptr<TFmWizard> wizard_;
};

}  // namespace tavo::creator
