#include "creator/wizard/TFmStep6.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <filesystem>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {
QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
constexpr int kLinesShort = 154, kLinesTall = 327;
}  // namespace

TFmStep6::TFmStep6(TFmMain& main, QWidget* panel) : TFmCustWizardPage(main, panel) {
  stepNumber = 6;
  LbTitle->setText("Step 6 - Assign Playlist Text");
  BtnMoreInfo->setToolTip("More info on playlist text");
  MemoInstructions->setPlainText(
      "Create synchronized text files below that will display in the ticker while the Tavo Player is playing your "
      "playlist you created in Step 5.  Each item in your playlist can have information synced to it with an "
      "Internet URL link.\n\nComplete this step for each playlist item that you want to have ticker text synced to.");

  auto* itemLabel = new QLabel("Playlist Item:", PnContent);
  itemLabel->setGeometry(10, 4, 90, 22);
  CBxItems = new QComboBox(PnContent);
  CBxItems->setGeometry(100, 2, 300, 24);
  BtnPriorItem = new QPushButton("<", PnContent);
  BtnPriorItem->setGeometry(404, 2, 30, 24);
  BtnNextItem = new QPushButton(">", PnContent);
  BtnNextItem->setGeometry(438, 2, 30, 24);
  connect(CBxItems, &QComboBox::activated, this, [this](int i) { changeItem(i); });
  connect(BtnPriorItem, &QPushButton::clicked, this, [this] { changeItem(CBxItems->currentIndex() - 1); });
  connect(BtnNextItem, &QPushButton::clicked, this, [this] { changeItem(CBxItems->currentIndex() + 1); });
  BtnAskQuestion = new QPushButton("Ask a Question", PnContent);
  BtnAskQuestion->setGeometry(480, 2, 120, 24);
  BtnFlashBanner = new QPushButton("Flash Banner Ad", PnContent);
  BtnFlashBanner->setGeometry(604, 2, 120, 24);
  connect(BtnAskQuestion, &QPushButton::clicked, this, [this] { BtnAskQuestionClick(); });
  connect(BtnFlashBanner, &QPushButton::clicked, this, [this] { BtnFlashBannerClick(); });
  BtnLines = new QPushButton("Show 16 Lines", PnContent);
  BtnLines->setGeometry(10, 30, 110, 22);
  connect(BtnLines, &QPushButton::clicked, this, [this] { toggleLines(); });

  PnLines = new QWidget(PnContent);
  PnLines->setGeometry(10, 56, 730, kLinesShort);
  Grid = new TQxGrid(PnLines);
  Grid->setFixedCols(0);
  Grid->setColCount(5);
  Grid->setTitles({"Mode", "Time", "Playlist Text", "Hot Links", ""});
  Grid->showTitles();
  const int widths[] = {36, 38, 532, 82};
  for (int c = 0; c < 4; ++c) Grid->setColWidth(c, widths[c]);
  Grid->hideColumn(kColMadeByDialog);
  Grid->setGeometry(0, 0, 730, kLinesShort - 25);
  Grid->setEditing(true);
  Grid->OnSelectCell = [this](int col, int row) {
    if (col == kColMode)
      Grid->setCell(kColMode, row, Grid->cell(kColMode, row) == "Scroll" ? "Flash" : "Scroll");
  };
  connect(Grid->model(), &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex& from, const QModelIndex&) {
            refuseBarInTypedText(from.column() + Grid->FixedCols(), from.row() + Grid->FixedRows());
          });

  askHotlink = [this](TFmGetWebHotlink::Mode mode, const QString& time, QString& link, QString& question,
                      QString& playTime) {
    TFmGetWebHotlink dialog(mode, time, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    link = dialog.link();
    question = dialog.question();
    playTime = dialog.playTime();
    return true;
  };
}

void TFmStep6::refuseBarInTypedText(int col, int row) {
  if (guard_ || col != kColText || row < 1 || row >= Grid->RowCount()) return;
  QString text = Grid->cell(kColText, row);
  if (!Grid->cell(kColMadeByDialog, row).isEmpty()) {
    if (!text.contains('|')) Grid->setCell(kColMadeByDialog, row, QString());  // retyped as plain text
    return;
  }
  if (typedTickerTextAllowed(text.toStdString())) return;
  // A "|" would make the line read back as a banner or question line.
  guard_ = true;
  Grid->setCell(kColText, row, text.remove('|'));
  guard_ = false;
  main_.platformServices().messages.showInfo(
      "Ticker text cannot hold \"|\".  Use \"Flash Banner Ad\" or \"Ask a Question\" for those lines.");
}

void TFmStep6::presetGrid() {
  guard_ = true;
  Grid->clearCells();
  if (Grid->RowCount() <= kSyncPresetRows) Grid->setRowCount(kSyncPresetRows + 1);
  for (int r = 1; r < Grid->RowCount(); ++r) {
    Grid->setCell(kColMode, r, "Scroll");
    Grid->setCell(kColTime, r, q(presetSyncTime(r)));
  }
  guard_ = false;
}

void TFmStep6::FormShow() {
  TFmCustWizardPage::FormShow();
  presetGrid();
  pictureFolder = programFolder + "FileSet";
  fillItems();
  playStepSound("Step6.wav");
}

void TFmStep6::closePage() {
  saveLines();
  TFmCustWizardPage::closePage();
}

void TFmStep6::fillItems() {
  items = providerFolder.empty() ? std::vector<PlaylistTextItem>() : loadPlaylistTextItems(providerFolder);
  CBxItems->clear();
  for (const auto& item : items) CBxItems->addItem(q(item.entry));
  const bool any = !items.empty();
  for (QWidget* w : std::initializer_list<QWidget*>{Grid, CBxItems, BtnAskQuestion, BtnFlashBanner, BtnLines})
    w->setEnabled(any);
  BtnPriorItem->setEnabled(false);
  BtnNextItem->setEnabled(items.size() >= 2);
  currentItem = -1;
  currentFile.clear();
  if (!any) {
    presetGrid();
    return;
  }
  CBxItems->setCurrentIndex(0);
  currentItem = 0;
  loadLines();
}

void TFmStep6::changeItem(int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  CBxItems->setCurrentIndex(index);
  BtnPriorItem->setEnabled(index != 0);
  BtnNextItem->setEnabled(index != static_cast<int>(items.size()) - 1);
  saveLines();
  currentItem = index;
  loadLines();
}

void TFmStep6::loadLines() {
  presetGrid();
  currentFile.clear();
  if (currentItem < 0) return;
  // The options value may have changed since the list was filled (a save of
  // another item records its new file).
  items = loadPlaylistTextItems(providerFolder);
  if (currentItem >= static_cast<int>(items.size())) return;
  const PlaylistTextItem& item = items[currentItem];
  if (item.syncFile.empty()) return;
  const auto inside = resolveInside(main_.presentation().presentationFolder, withTrailingSeparator(providerFolder),
                                    item.syncFile);
  if (!inside) return;
  currentFile = *inside;
  if (!isFile(currentFile)) return;
  const auto rows = readSyncRows(currentFile);
  guard_ = true;
  if (Grid->RowCount() <= static_cast<int>(rows.size())) Grid->setRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    Grid->setCell(kColMode, r, "Scroll");
    Grid->setCell(kColTime, r, q(rows[i].time));
    Grid->setCell(kColText, r, q(rows[i].text));
    Grid->setCell(kColLinks, r, q(rows[i].hotlink));
    Grid->setCell(kColMadeByDialog, r, rows[i].text.find('|') != std::string::npos ? "1" : "");
  }
  guard_ = false;
}

void TFmStep6::saveLines() {
  if (currentItem < 0 || currentItem >= static_cast<int>(items.size()) || providerFolder.empty()) return;
  const PlaylistTextItem& item = items[currentItem];
  if (currentFile.empty()) {
    const std::string candidate = defaultSyncFileName(providerFolder, item.entry);
    std::string name = candidate;
    QString title = "File name";
    QString proposal = q(candidate);
    for (;;) {
      const auto answer = main_.dialogs().inputBox(title, "Enter a file name", proposal);
      if (!answer) break;  // Cancel: the proposal
      const SyncNameAnswer checked = checkSyncFileName(answer->toStdString());
      if (!checked.accepted()) {
        main_.platformServices().messages.showInfo(q(checked.message));
        proposal = *answer;
        continue;
      }
      if (!fileExistsIn(withTrailingSeparator(providerFolder), checked.name)) {
        name = checked.name;
        break;
      }
      title = "File exists";
      proposal = q(checked.name);
    }
    setPlaylistSyncFile(providerFolder, item.key, name);
    currentFile = withTrailingSeparator(providerFolder) + name;
  }
  std::vector<SyncRow> rows;
  for (int r = 1; r < Grid->RowCount(); ++r)
    rows.push_back({Grid->cell(kColTime, r).toStdString(), Grid->cell(kColText, r).toStdString(),
                    Grid->cell(kColLinks, r).toStdString()});
  std::string error;
  if (!writeSyncLines(currentFile, rows, &error))
    main_.platformServices().messages.showError("The text file could not be written: " + q(error));
}

void TFmStep6::CBxProvidersChange() {
  saveLines();
  TFmCustWizardPage::CBxProvidersChange();
  fillItems();
}

void TFmStep6::BtnNextProviderClick() {
  if (CBxProviders->currentIndex() < CBxProviders->count() - 1)
    CBxProviders->setCurrentIndex(CBxProviders->currentIndex() + 1);
  CBxProvidersChange();
}

void TFmStep6::BtnPriorProviderClick() {
  if (CBxProviders->currentIndex() > 0) CBxProviders->setCurrentIndex(CBxProviders->currentIndex() - 1);
  CBxProvidersChange();
}

void TFmStep6::putDialogLine(const QString& text, const QString& time) {
  const int row = std::max(1, Grid->Row());
  guard_ = true;
  Grid->setCell(kColText, row, text);
  Grid->setCell(kColMadeByDialog, row, "1");
  Grid->setCell(kColTime, row, time);
  guard_ = false;
  if (row + 1 >= Grid->RowCount()) Grid->setRowCount(row + 2);
  Grid->setCurrentCell(kColText, row + 1);
}

void TFmStep6::BtnAskQuestionClick() {
  QString link, question, time;
  if (!askHotlink(TFmGetWebHotlink::Mode::Question, Grid->cell(kColTime, std::max(1, Grid->Row())), link, question, time))
    return;
  putDialogLine(link + "|" + question, time);
}

void TFmStep6::BtnFlashBannerClick(const QString& picture) {
  if (providerFolder.empty()) return;
  QString chosen = picture;
  if (chosen.isEmpty()) {
    OpenDialog.filter = "Bitmaps (*.bmp)|*.bmp|JPEG Image File (*.jpg, *jpeg)|*.jpg;*.jpeg|All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp";
    OpenDialog.initialFolder = pictureFolder;
    OpenDialog.filterIndex = 0;
    chosen = executeOpenDialog();
  }
  if (chosen.isEmpty()) return;
  const std::string source = platform::toPath(chosen);
  if (!importFile(source, providerFolder)) {
    main_.platformServices().messages.showError("The file " + chosen + " could not be copied");
    return;
  }
  pictureFolder = std::filesystem::path(source).parent_path().string();
  QString link, question, time;
  if (!askHotlink(TFmGetWebHotlink::Mode::Banner, Grid->cell(kColTime, std::max(1, Grid->Row())), link, question, time))
    return;
  putDialogLine(q(std::filesystem::path(source).filename().string()) + "|" + link, time);
}

void TFmStep6::toggleLines() {
  const bool tall = PnLines->height() < kLinesTall;
  PnLines->resize(PnLines->width(), tall ? kLinesTall : kLinesShort);
  Grid->resize(Grid->width(), PnLines->height() - 25);
  BtnLines->setText(tall ? "Show 6 Lines" : "Show 16 Lines");
}

}  // namespace tavo::creator
