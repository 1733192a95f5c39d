#pragma once
// Step 5: the playlist of each content provider. A grid of entries and play
// times, the file-type labels that choose what Browse offers, the library of
// saved playlists, and Test.
//
// The grid has a fourth, hidden column holding each row's [Playlist Options]
// value, so that moving, inserting and deleting rows carries an item's ticker,
// media-control and synchronized-text settings with it.

#include <QListWidget>
#include <vector>

#include "creator/logic/PlaylistEditing.h"
#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo::creator {

class TFmStep5 : public TFmCustWizardPage {
  Q_OBJECT

 public:
  static constexpr int kColNumber = 0, kColEntry = 1, kColTime = 2, kColOptions = 3;

  TFmStep5(TFmMain& main, QWidget* panel);
  void FormShow() override;
  void closePage() override;
  TQxGrid* reportGrid() override { return Grid; }

  void CBxProvidersChange() override;
  void BtnNextProviderClick() override;
  void BtnPriorProviderClick() override;

  void loadPlaylist();
  void savePlaylist();
  std::vector<PlaylistGridRow> gridRows() const;

  // Browse for the current row by linkKind; `file` is the open dialog's answer
  // for file kinds (asked when empty).
  void browse(const QString& file = QString());
  void BtnNewClick();
  void BtnTestClick();
  void chooseSavedPlaylist(const QString& name);
  void showPlaylistInfo();
  void selectCell(int col, int row);

  QString currentSavedPlaylist;
  std::string libraryFolder() const;

  TQxGrid* Grid;
  QPushButton* BtnBrowse;
  QPushButton* BtnNew;
  QPushButton* BtnTest;
  QPushButton* BtnInfo;
  QListWidget* LBxSaved;
  QWidget* PnTypes;
  QWidget* PnExtensions;
  QLabel* LbChange;

 private:
  void fillSaved();
  bool changingSelection_ = false;
};

}  // namespace tavo::creator
