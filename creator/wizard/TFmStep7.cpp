#include "creator/wizard/TFmStep7.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "format/ProfileFile.h"
#include "format/ProviderSettings.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
constexpr const char* kSectionPresentationName = "Presentation Name";

}  // namespace

TFmStep7::TFmStep7(TFmMain& main, QWidget* panel) : TFmCustWizardPage(main, panel) {
  stepNumber = 7;
  LbTitle->setText("Step 7 - Presentation Options");
  MemoInstructions->setPlainText(
      "Define the presentation parameters in the boxes below.\n\nAssign the 'Ticker On/Off', the 'Media Control "
      "Options' at the bottom.  The 'Sync File Name' should appear automatically if you added a syncronized file in "
      "Step 6.");

  GbParameters = new QGroupBox("Presentation Parameters", PnContent);
  GbParameters->setGeometry(10, 0, 734, 84);
  auto* nameLabel = new QLabel("Name of Content Provider Presentation", GbParameters);
  nameLabel->setGeometry(8, 16, 230, 18);
  CBxPresentationName = new QComboBox(GbParameters);
  CBxPresentationName->setEditable(true);
  CBxPresentationName->lineEdit()->setMaxLength(36);
  CBxPresentationName->setGeometry(8, 34, 230, 22);
  connect(CBxPresentationName->lineEdit(), &QLineEdit::editingFinished, this, [this] { addTypedName(); });
  auto* dateLabel = new QLabel("Play Date & Time  (EARLIEST play time)", GbParameters);
  dateLabel->setGeometry(250, 16, 230, 18);
  DtDate = new QDateEdit(GbParameters);
  DtDate->setGeometry(250, 34, 110, 22);
  DtTime = new QTimeEdit(GbParameters);
  DtTime->setGeometry(364, 34, 90, 22);
  auto* launchLabel = new QLabel("Launch Automatically", GbParameters);
  launchLabel->setGeometry(466, 16, 130, 18);
  launchLabel->setToolTip("Rarely do you want to force a presentation on someone.");
  RbLaunchYes = new QRadioButton("Yes", GbParameters);
  RbLaunchYes->setGeometry(466, 34, 50, 20);
  RbLaunchNo = new QRadioButton("No", GbParameters);
  RbLaunchNo->setGeometry(520, 34, 50, 20);
  auto* launchGroup = new QButtonGroup(this);
  launchGroup->addButton(RbLaunchYes);
  launchGroup->addButton(RbLaunchNo);
  auto* browserLabel = new QLabel("Launch Browser", GbParameters);
  browserLabel->setGeometry(600, 16, 120, 18);
  browserLabel->setToolTip("Use Tavo Browser only   to restrict internet access");
  RbBrowserDefault = new QRadioButton("Default", GbParameters);
  RbBrowserDefault->setGeometry(600, 34, 120, 18);
  RbBrowserTavo = new QRadioButton("Tavo Browser", GbParameters);
  RbBrowserTavo->setGeometry(600, 54, 120, 18);
  auto* browserGroup = new QButtonGroup(this);
  browserGroup->addButton(RbBrowserDefault);
  browserGroup->addButton(RbBrowserTavo);

  Grid = new TQxGrid(PnContent);
  Grid->setColCount(6);
  Grid->setTitles({"#", "Playlist File Name", "PlayTime", "Tavo Player", "Media Controls", "Sync File Name"});
  Grid->showTitles();
  Grid->LeftColNumber(true);
  const int widths[] = {25, 206, 69, 63, 104, 218};
  for (int c = 0; c < 6; ++c) Grid->setColWidth(c, widths[c]);
  Grid->RowsDisplayed(8);
  Grid->setGeometry(10, 88, 712, 180);
  Grid->OnSelectCell = [this](int col, int row) { selectCell(col, row); };

  CBxPlayer = new QComboBox(PnContent);
  CBxPlayer->addItems({kTickerVisible, kTickerInvisible});
  CBxPlayer->hide();
  CBxControls = new QComboBox(PnContent);
  CBxControls->addItems({kControlsOn, kControlsOff, kControlsFfDisabled});
  CBxControls->hide();
  BtnSyncBrowse = new QPushButton("...", PnContent);
  BtnSyncBrowse->hide();
  connect(CBxPlayer, &QComboBox::activated, this,
          [this](int) { Grid->setCell(kColPlayer, Grid->Row(), CBxPlayer->currentText()); });
  connect(CBxControls, &QComboBox::activated, this,
          [this](int) { Grid->setCell(kColControls, Grid->Row(), CBxControls->currentText()); });
  connect(BtnSyncBrowse, &QPushButton::clicked, this, [this] { browseSyncFile(); });
}

void TFmStep7::FormShow() {
  TFmCustWizardPage::FormShow();
  RbBrowserDefault->setChecked(true);
  RbLaunchNo->setChecked(true);
  const QDateTime now = QDateTime::currentDateTime();
  DtDate->setDate(now.date());
  DtTime->setTime(now.time());
  loadProvider();
  CBxPresentationName->clear();
  const ProfileFile settings = ProfileFile::load(main_.settings().path());
  for (const auto& e : settings.sectionEntries(kSectionPresentationName))
    if (CBxPresentationName->findText(q(e.value), Qt::MatchExactly) < 0) CBxPresentationName->addItem(q(e.value));
  CBxPresentationName->setCurrentIndex(-1);
  Grid->setFocus();
  playStepSound("Step7.wav");
}

void TFmStep7::closePage() {
  saveProvider();
  ProfileFile settings = ProfileFile::load(main_.settings().path());
  std::vector<ProfileEntry> names;
  for (int i = 0; i < CBxPresentationName->count(); ++i)
    names.push_back({"Name" + std::to_string(i), CBxPresentationName->itemText(i).toStdString()});
  settings.eraseSection(kSectionPresentationName);
  if (!names.empty()) settings.rewriteSection(kSectionPresentationName, names);
  settings.save(main_.settings().path());
  TFmCustWizardPage::closePage();
}

void TFmStep7::addTypedName() {
  const QString name = CBxPresentationName->currentText().trimmed();
  if (!name.isEmpty() && CBxPresentationName->findText(name, Qt::MatchExactly) < 0) CBxPresentationName->addItem(name);
}

void TFmStep7::loadProvider() {
  Grid->clearCells();
  tickerLocation.clear();
  RbBrowserDefault->setChecked(true);
  if (providerFolder.empty()) return;
  const auto rows = loadPlaylistGrid(providerFolder, false);
  if (Grid->RowCount() <= static_cast<int>(rows.size())) Grid->setRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    Grid->setCell(kColEntry, r, q(rows[i].entry));
    Grid->setCell(kColTime, r, q(rows[i].playTime));
    const OptionCells cells = optionCellsFrom(rows[i].options);
    Grid->setCell(kColPlayer, r, q(cells.player));
    Grid->setCell(kColControls, r, q(cells.controls));
    Grid->setCell(kColSync, r, q(cells.syncFile));
  }
  numberRows(*Grid, kColNumber);
  const auto browser = provider::readBrowserOptions(ProfileFile::load(provider::settingsFilePath(providerFolder)),
                                                    ReadMode::Editor);
  tickerLocation = browser.tickerLocation;
  RbBrowserTavo->setChecked(browser.ownBrowser);
  RbBrowserDefault->setChecked(!browser.ownBrowser);
}

std::vector<PlaylistGridRow> TFmStep7::gridRows() const {
  std::vector<PlaylistGridRow> rows;
  for (int r = 1; r < Grid->RowCount(); ++r) {
    PlaylistGridRow row{Grid->cell(kColEntry, r).toStdString(), Grid->cell(kColTime, r).toStdString(), {}};
    row.options = optionsValueFrom({Grid->cell(kColPlayer, r).toStdString(), Grid->cell(kColControls, r).toStdString(),
                                    Grid->cell(kColSync, r).toStdString()});
    rows.push_back(std::move(row));
  }
  return rows;
}

void TFmStep7::saveProvider() {
  if (providerFolder.empty()) return;
  std::string error;
  if (!savePlaylistGrid(providerFolder, gridRows(), PlaylistWriter::PresentationOptions, &error))
    main_.platformServices().messages.showError("The presentation options could not be saved: " + q(error));
  if (!provider::writeBrowserOptions(providerFolder, RbBrowserTavo->isChecked(), tickerLocation))
    main_.platformServices().messages.showError("The browser choice could not be saved");
}

void TFmStep7::CBxProvidersChange() {
  saveProvider();
  TFmCustWizardPage::CBxProvidersChange();
  loadProvider();
}

void TFmStep7::BtnNextProviderClick() {
  if (CBxProviders->currentIndex() < CBxProviders->count() - 1)
    CBxProviders->setCurrentIndex(CBxProviders->currentIndex() + 1);
  CBxProvidersChange();
}

void TFmStep7::BtnPriorProviderClick() {
  if (CBxProviders->currentIndex() > 0) CBxProviders->setCurrentIndex(CBxProviders->currentIndex() - 1);
  CBxProvidersChange();
}

void TFmStep7::selectCell(int col, int row) {
  CBxPlayer->hide();
  CBxControls->hide();
  BtnSyncBrowse->hide();
  const QRect rect = Grid->visualRect(Grid->model()->index(row, col));
  const QPoint at(Grid->x() + Grid->verticalHeader()->width() + rect.x(),
                  Grid->y() + Grid->horizontalHeader()->height() + rect.y());
  if (col == kColPlayer) {
    Grid->setEditing(false);
    CBxPlayer->setCurrentIndex(Grid->cell(col, row) == kTickerInvisible ? 1 : 0);
    CBxPlayer->setGeometry(at.x(), at.y(), rect.width(), rect.height());
    CBxPlayer->show();
  } else if (col == kColControls) {
    Grid->setEditing(false);
    const int index = CBxControls->findText(Grid->cell(col, row));
    CBxControls->setCurrentIndex(index < 0 ? 0 : index);
    CBxControls->setGeometry(at.x(), at.y(), rect.width(), rect.height());
    CBxControls->show();
  } else if (col == kColSync) {
    Grid->setEditing(true);
    BtnSyncBrowse->setGeometry(at.x() + rect.width() - 22, at.y(), 22, rect.height());
    BtnSyncBrowse->show();
  } else {
    Grid->setEditing(false);
  }
}

void TFmStep7::browseSyncFile(const QString& file) {
  if (providerFolder.empty()) return;
  const int row = Grid->Row();
  const QString chosen = file.isEmpty() ? executeOpenDialog() : file;
  if (chosen.isEmpty()) return;
  const std::string source = platform::toPath(chosen);
  if (!importFile(source, providerFolder)) {
    main_.platformServices().messages.showError("The file " + chosen + " could not be copied");
    return;
  }
  Grid->setCell(kColSync, row, q(std::filesystem::path(source).filename().string()));
  rememberFolder(source);
}

}  // namespace tavo::creator
