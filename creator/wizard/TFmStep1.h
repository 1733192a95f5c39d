#pragma once
// Step 1: the content providers of the current presentation, one per grid
// row. Typing, changing and clearing a name creates, renames and deletes its
// folder at once (creator/logic/ProviderNames.h); the list and the current
// provider reach Project.ini when the page closes.

#include <QCheckBox>
#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "creator/logic/ProviderNames.h"
#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo::creator {

class TFmStep1 : public TFmCustWizardPage {
  Q_OBJECT

 public:
  TFmStep1(TFmMain& main, QWidget* panel);

  void FormShow() override;
  void closePage() override;
  TQxGrid* reportGrid() override { return GridSubscribers; }
  void moveItemUp() override;
  void moveItemDown() override;

  // The grid's events.
  void GridSubscribersSelectCell(int col, int row);
  // The text typed into the current row (the grid's edit-text event).
  void GridSubscribersSetEditText(const QString& text);
  void GridSubscribersBeforeDelete();
  void CkBxQuietClick();
  // Copies or imports a provider; Copy asks through the copy dialog.
  void BtnCopyClick();
  void BtnImportClick();
  // The shared copy of a provider folder into the presentation under `name`.
  void copyProvider(const std::string& sourceFolder, const std::string& name);

  // Shows the copy dialog; the provider's folder and name, or nothing when cancelled.
  std::function<std::optional<std::pair<std::string, std::string>>()> askProviderToCopy;

  TQxGrid* GridSubscribers;
  QCheckBox* CkBxQuiet;
  QPushButton* BtnCopy;
  QPushButton* BtnImport;
  QGroupBox* GBxExamples;
  QLabel* LbDoNotUse;

  std::string oldName;
  std::string newName;
  // The start-with selection, kept by name: it becomes currentProvider on close.
  std::string startWith;

 private:
  ProviderFolderOps folderOps();
  // Carries out a pending edit of the row entered last.
  void applyPendingEdit();
  void enterRow(int row);
  int enteredRow_ = 1;
};

}  // namespace tavo::creator
