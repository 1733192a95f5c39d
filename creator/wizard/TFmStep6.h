#pragma once
// Step 6: the synchronized ticker lines of each playlist item. An item list
// from the provider's playlist, a grid of timed lines, and the banner-ad and
// question dialogs.

#include <QComboBox>
#include <QSplitter>

#include "creator/logic/PlaylistEditing.h"
#include "creator/wizard/TFmCustWizardPage.h"
#include "creator/wizard/TFmGetWebHotlink.h"

namespace tavo::creator {

class TFmStep6 : public TFmCustWizardPage {
  Q_OBJECT

 public:
  static constexpr int kColMode = 0, kColTime = 1, kColText = 2, kColLinks = 3;
  // Not shown: which rows were made by the banner or question dialog (their
  // text holds a "|" by design).
  static constexpr int kColMadeByDialog = 4;

  TFmStep6(TFmMain& main, QWidget* panel);
  void FormShow() override;
  void closePage() override;
  TQxGrid* reportGrid() override { return Grid; }

  void CBxProvidersChange() override;
  void BtnNextProviderClick() override;
  void BtnPriorProviderClick() override;

  void fillItems();
  void changeItem(int index);
  void presetGrid();
  void loadLines();
  void saveLines();
  // The banner and question lines, given what their dialog answered.
  void putDialogLine(const QString& text, const QString& time);
  // Opens the link dialog for the current row; false on Cancel.
  std::function<bool(TFmGetWebHotlink::Mode, const QString& time, QString& link, QString& question, QString& playTime)>
      askHotlink;
  void BtnAskQuestionClick();
  void BtnFlashBannerClick(const QString& picture = QString());
  void toggleLines();

  std::vector<PlaylistTextItem> items;
  int currentItem = -1;
  std::string currentFile;  // full path of the item's file, empty while it has none

  QComboBox* CBxItems;
  QPushButton* BtnPriorItem;
  QPushButton* BtnNextItem;
  QWidget* PnLines;
  TQxGrid* Grid;
  QPushButton* BtnAskQuestion;
  QPushButton* BtnFlashBanner;
  QPushButton* BtnLines;
  std::string pictureFolder;

 private:
  void refuseBarInTypedText(int col, int row);
  bool guard_ = false;
};

}  // namespace tavo::creator
