#pragma once
// Step 7: per playlist item, whether the player's bar stays visible, which
// media controls the viewer gets and which synchronized text file goes with
// it; per content provider, the browser its links open in; and the
// presentation parameters box.

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimeEdit>

#include "creator/logic/PlaylistEditing.h"
#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo::creator {

class TFmStep7 : public TFmCustWizardPage {
  Q_OBJECT

 public:
  static constexpr int kColNumber = 0, kColEntry = 1, kColTime = 2, kColPlayer = 3, kColControls = 4, kColSync = 5;

  TFmStep7(TFmMain& main, QWidget* panel);
  void FormShow() override;
  void closePage() override;
  TQxGrid* reportGrid() override { return Grid; }

  void CBxProvidersChange() override;
  void BtnNextProviderClick() override;
  void BtnPriorProviderClick() override;

  void loadProvider();
  void saveProvider();
  std::vector<PlaylistGridRow> gridRows() const;
  void selectCell(int col, int row);
  // The sync file browse with the open dialog's answer (asked when empty).
  void browseSyncFile(const QString& file = QString());
  void addTypedName();

  TQxGrid* Grid;
  QComboBox* CBxPlayer;
  QComboBox* CBxControls;
  QPushButton* BtnSyncBrowse;
  QGroupBox* GbParameters;
  QComboBox* CBxPresentationName;
  QDateEdit* DtDate;
  QTimeEdit* DtTime;
  QRadioButton* RbLaunchYes;
  QRadioButton* RbLaunchNo;
  QRadioButton* RbBrowserDefault;
  QRadioButton* RbBrowserTavo;

  std::string tickerLocation;  // read with the provider and written back unchanged
};

}  // namespace tavo::creator
