#pragma once
// The base of the wizard's step pages: the step title, the instructions, the
// help buttons, the content-provider selector, and the services the step
// editors share (file import, the remembered dialog folder, link targets,
// file-type filters, row numbers, the step sound).

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "creator/logic/PageRules.h"
#include "creator/logic/SetLibrary.h"
#include "creator/wizard/TFmEmbedded.h"

namespace tavo {
class TQxGrid;
}

namespace tavo::creator {

class TFmMain;

class TFmCustWizardPage : public TFmEmbedded {
  Q_OBJECT

 public:
  TFmCustWizardPage(TFmMain& main, QWidget* panel);

  void FormShow() override;
  // Writes OverwritePrompt and InitialDir back and stops the step sound.
  void closePage() override;

  // The grid that Print reports; pages without one return nullptr.
  virtual TQxGrid* reportGrid() { return nullptr; }
  // Item Up / Item Down move the current row of that grid.
  void moveItemUp() override;
  void moveItemDown() override;

  // ---- fields ----------------------------------------------------------------------------
  std::string programFolder;
  std::string providerFolder;  // no trailing separator; empty when there is no provider
  bool showProviderSelector = true;
  int stepNumber = 0;
  bool overwritePrompt = false;
  std::string initialDir;
  int linkKind = 0;

  // ---- the content-provider selector ---------------------------------------------------------
  // Pages that keep data per provider replace these: save, run the base, load.
  virtual void CBxProvidersChange();
  virtual void BtnNextProviderClick();
  virtual void BtnPriorProviderClick();

  // ---- services -------------------------------------------------------------------------------
  // Writes the row numbers into `column` of rows 1 to the last.
  static void numberRows(TQxGrid& grid, int column);
  bool importFile(const std::string& source, const std::string& folder);
  bool copyHtmlFolder(const std::string& source, const std::string& folder);
  void rememberFolder(const std::string& file);
  // Copies every "*.jpg" of a chosen folder into `folder` and lists it in
  // `column` from row 1 on; a picture that cannot be copied is left out and named.
  void importFolderImages(TQxGrid& grid, int column, const std::string& folder, const QString& words);
  // importFile with the outcome told apart: copied, the folder's own file of
  // that name kept (No to overwriting), failed.
  CopyOutcome importChosenFile(const std::string& source, const std::string& folder);
  // The Enter key: next column, or the first editable column of the next row
  // (a new row at the end when on the last one).
  static void nextCell(TQxGrid& grid);
  std::string chooseLinkTarget(int kind);
  void selectExtension(QLabel& label, QWidget& typePanel);
  void selectFileType(QLabel& label, QWidget& typePanel, QWidget& extensionPanel);
  void playStepSound(const std::string& name);
  void stopStepSound();

  // The open dialog's set-up, as the file-type labels left it.
  DialogChoice OpenDialog;
  // Shows the open dialog; the chosen file, or empty.
  QString executeOpenDialog();

  // ---- controls ----------------------------------------------------------------------------
  QLabel* LbTitle;
  QPlainTextEdit* MemoInstructions;
  QWidget* PnHelp;
  QPushButton* BtnMoreInfo;
  QPushButton* BtnSamples;
  QWidget* PnProviders;
  QLabel* LbProviders;
  QComboBox* CBxProviders;
  QPushButton* BtnPriorProvider;
  QPushButton* BtnNextProvider;
  // Where a step page puts its own controls.
  QWidget* PnContent;

  void BtnMoreInfoClick();
  void BtnSamplesClick();

 protected:
  TFmMain& main_;

 private:
  static void colourLabels(QWidget& panel, const char* colour);
};

// The colour of a chosen file-type label.
inline constexpr const char* kHighlightColour = "maroon";

}  // namespace tavo::creator
