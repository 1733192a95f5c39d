#pragma once
// The setup wizard: installs the running presentation on this computer,
// records it for later start-ups and adds launchers for the installed player.
// The page flow and the installation are plain rules (player/logic/SetupFlow.h,
// player/logic/InstallPlan.h); this form shows them.

#include <QDialog>
#include <QString>
#include <string>

#include "platform/Platform.h"
#include "player/logic/InstallPlan.h"
#include "player/logic/SetupFlow.h"
#include "player/setup/ThrottledFileOperationUi.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;

namespace tavo::player {

// Address of the product page about the creator, opened by the footer's "Tavo Creator" label.
inline constexpr const char* kCreatorPageAddress = "http://www.example.com/tavo/creator";

class TFmTavoSetup : public QDialog {
  Q_OBJECT

 public:
  // `projectFile`: the running presentation's Project.ini; `programFile`: the
  // running player program, copied beside the installed presentation.
  TFmTavoSetup(platform::Platform& platform, std::string projectFile, std::string programFile,
               QWidget* parent = nullptr);

  const setup::SetupFlow& flow() const { return flow_; }
  setup::Page page() const { return flow_.page(); }
  const QString& presentationName() const { return name_; }
  // The folder the installation went to (after a successful "&Install").
  const setup::InstallResult& installResult() const { return result_; }

  // The least time between two updates of the installation's progress window.
  std::chrono::milliseconds ProgressInterval = ThrottledFileOperationUi::kDefaultInterval;

  // Handlers.
  void FormShow();
  void BtnBackClick();
  void BtnNextClick();
  void BtnCancelClick();
  void BtnReasonsYesClick();
  void BtnReasonsNoClick();
  void BtnBrowseClick();
  void RBtnAutoUpdateClick();
  void BtnUniversalUpdateClick();
  void BtnOKClick();
  void BtnDownloadAnswerClick();
  void LbCreatorClick();

  // Header and footer.
  QWidget* PnTop = nullptr;
  QLabel* LbTitle = nullptr;
  QWidget* PnBottom = nullptr;
  QLabel* LbCreator = nullptr;
  QPushButton* BtnBack = nullptr;
  QPushButton* BtnNext = nullptr;
  QPushButton* BtnCancel = nullptr;
  QStackedWidget* Pages = nullptr;
  // Page 1.
  QLabel* LbReasonsName = nullptr;
  QListWidget* LBxReasons = nullptr;
  QPushButton* BtnReasonsYes = nullptr;
  QPushButton* BtnReasonsNo = nullptr;
  // Page 2.
  QLabel* LbInstallIntro = nullptr;
  QLineEdit* EdInstallPath = nullptr;
  QPushButton* BtnBrowse = nullptr;
  // Page 3.
  QRadioButton* RBtnAutoYes = nullptr;
  QRadioButton* RBtnAutoNo = nullptr;
  QCheckBox* CkBxUniversal = nullptr;
  QLabel* LbUniversal = nullptr;
  QPushButton* BtnUniversalUpdate = nullptr;
  // Page 4.
  QLabel* LbAutoUpdateValue = nullptr;
  QLabel* LbInstallPathValue = nullptr;
  QLabel* LbReadyLine1 = nullptr;
  QLabel* LbReadyLine2 = nullptr;
  // Page 5.
  QCheckBox* CkBxDesktop = nullptr;
  QCheckBox* CkBxStartMenu = nullptr;
  QPushButton* BtnOK = nullptr;
  // Page 6.
  QPushButton* BtnDownloadYes = nullptr;
  QPushButton* BtnDownloadNo = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void apply(const setup::Move& move);
  void showPage();
  void runInstallation();
  void centre();

  platform::Platform& platform_;
  std::string projectFile_;
  std::string programFile_;
  std::string nameBytes_;  // as the presentation file holds it
  QString name_;
  setup::SetupFlow flow_;
  setup::PresentationPlace presentation_;
  setup::InstallResult result_;
  std::string home_;
  bool shown_ = false;
};

}  // namespace tavo::player
