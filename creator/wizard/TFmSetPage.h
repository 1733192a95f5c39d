#pragma once
// What the slideshow editor (step 2) and the thumbnail editor (step 3) share:
// the library's set list with its arrows, the cycle interval and sound file,
// Import / New / Save As / Test, the picture grid with its Browse button and
// the small preview of the selected row's picture. Each step adds its own
// columns and buttons.

#include <QLineEdit>
#include <QPointer>
#include <string>

#include "creator/logic/SetLibrary.h"
#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo {
class TQxGrid;
}

namespace tavo::creator {

class PicturePreview;

class TFmSetPage : public TFmCustWizardPage {
  Q_OBJECT

 public:
  TFmSetPage(TFmMain& main, QWidget* panel, int step, SetKind kind);

  void FormShow() override;
  void closePage() override;
  TQxGrid* reportGrid() override { return Grid1; }

  // ---- state ---------------------------------------------------------------------------
  std::string currentSet;
  std::string setFolder;  // with a trailing separator; empty when no set is current
  const SetKind kind;
  std::string library() const { return libraryFolder(programFolder, kind); }

  // ---- operations -------------------------------------------------------------------------
  void setCurrentSet(const std::string& name);
  void saveCurrentSet();
  void loadCurrentSet();
  void CBxSetsChange();
  void BtnNextSetClick();
  void BtnPriorSetClick();
  virtual void BtnNewClick();
  void BtnSaveAsClick();
  void BtnImportClick();
  void BtnBrowseClick();
  void BtnSoundClick();
  // Copies a chosen file into the set folder and writes its name into the cell;
  // a failed copy leaves the cell as it was and says so. True when the cell was written.
  bool importIntoCell(const QString& chosen, int col, int row);

  // ---- controls ------------------------------------------------------------------------
  QLabel* LbSetName;
  QComboBox* CBxSets;
  QPushButton* BtnPriorSet;
  QPushButton* BtnNextSet;
  QLabel* LbInterval;
  QLineEdit* EdInterval;
  QLabel* LbSound;
  QLineEdit* EdSound;
  QPushButton* BtnSound;
  QPushButton* BtnImport;
  QPushButton* BtnNew;
  QLabel* LbStartHere;
  QPushButton* BtnSaveAs;
  QPushButton* BtnTest;
  TQxGrid* Grid1;
  QPushButton* BtnBrowse;
  PicturePreview* Preview;

 protected:
  // Enter in the grid moves to the next cell.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The step's rows to and from the grid, and what it keeps besides.
  virtual void rowsToGrid(const EditorSet& set) = 0;
  virtual EditorSet setFromGrid() const = 0;
  // The settings key of the set last edited.
  virtual const char* settingsSection() const = 0;
  virtual const char* settingsKey() const = 0;
  // The Browse dialog's filter and its selected entry.
  virtual DialogChoice browseDialog() const = 0;
  // Empties the grid to its first rows.
  void emptyGrid();
  // The interval text as shown ("  :  " when cleared).
  std::string intervalText() const;
  // An incomplete interval is refused when the field is left.
  void checkInterval();
  void showSelectedPicture();
  // Adds `name` at the end of the list, selects it and makes it current.
  void addAndSelect(const std::string& name);
  QString word() const { return kind == SetKind::Slideshow ? "slideshow" : "thumbnail"; }

 private:
  void writeCurrentSetting();
};

}  // namespace tavo::creator
