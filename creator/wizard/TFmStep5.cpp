#include "creator/wizard/TFmStep5.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <filesystem>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "platform/QtText.h"
#include "platform/TFileOperation.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

constexpr const char* kInfoText = "The Playlist you create will start when user's click the 'Play' button.";

struct TypeRow {
  const char* type;
  std::vector<const char*> extensions;
};
const TypeRow kTypes[] = {
    {"1.  Web Links -", {"HTM,", "HTML,", "RAM"}},
    {"2.  Video Formats -", {"AVI,", "MOV,", "MPG,", "MPEG,", "WMV"}},
    {"3.  Audio Formats -", {"RAM,", "MP3,", "WAV", "MIDI,"}},
    {"4.  Executable Formats -", {"EXE,"}},
    {"5.  Office File Formats -", {"DOC,", "XLS,", "PPT,", "RTF,", "TXT,", "PDF"}},
    {"6.  Image Formats -", {"BMP,", "EPS,", "GIF,", "JPG,", "TIF,", "LYX,", "SCR"}},
    {"7.  Tavo Formats -", {"Provider,", "Slideshows,", "Thumbnails", "TavoSetup.exe"}},
};

// A label that reports clicks and double-clicks.
class ClickLabel : public QLabel {
 public:
  ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setCursor(Qt::PointingHandCursor); }
  std::function<void()> onClick, onDoubleClick;

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (onClick) onClick();
  }
  void mouseDoubleClickEvent(QMouseEvent*) override {
    if (onDoubleClick) onDoubleClick();
  }
};

}  // namespace

TFmStep5::TFmStep5(TFmMain& main, QWidget* panel) : TFmCustWizardPage(main, panel) {
  stepNumber = 5;
  LbTitle->setText("Step 5 - Create Playlists");
  MemoInstructions->setPlainText(
      "Each content provider you create can have a playlist of files.  Build a playlist for each content provider "
      "or just leave the grid blank.\n\nVideo & music files already have 'Playtime' pre-defined.  Other files like "
      "PowerPoint and Flash Presentations, virtual Tours, Exe files, and Image files need an assigned amount of "
      "'Playtime' entered in the field like this- 01:14.");

  Grid = new TQxGrid(PnContent);
  Grid->setColCount(4);
  Grid->setTitles({"#", "Playlist File Name", "Play Time", ""});
  Grid->showTitles();
  Grid->LeftColNumber(true);
  Grid->setColWidth(kColNumber, 25);
  Grid->setColWidth(kColEntry, 257);
  Grid->setColWidth(kColTime, 59);
  Grid->hideColumn(kColOptions);
  Grid->AutoInsert = Grid->AutoDelete = true;
  Grid->RowsDisplayed(8);
  Grid->setGeometry(10, 4, 362, 200);
  Grid->OnSelectCell = [this](int col, int row) { selectCell(col, row); };

  BtnBrowse = new QPushButton("Browse ... ", PnContent);
  BtnBrowse->setGeometry(376, 26, 70, 22);
  BtnBrowse->hide();
  connect(BtnBrowse, &QPushButton::clicked, this, [this] { browse(); });

  PnTypes = new QWidget(PnContent);
  PnTypes->setGeometry(452, 4, 150, 150);
  PnExtensions = new QWidget(PnContent);
  PnExtensions->setGeometry(600, 4, 150, 150);
  LbChange = new QLabel("Change", PnContent);
  LbChange->setGeometry(600, 156, 60, 18);
  int y = 0, tag = 1;
  for (const TypeRow& t : kTypes) {
    auto* type = new ClickLabel(t.type, PnTypes);
    type->setProperty("tag", tag);
    type->setGeometry(0, y, 150, 18);
    type->onClick = [this, type] { selectFileType(*type, *PnTypes, *PnExtensions); };
    type->onDoubleClick = [this, type] {
      type->onClick();
      browse();
    };
    int x = 0;
    for (const char* e : t.extensions) {
      auto* ext = new ClickLabel(e, PnExtensions);
      ext->setProperty("tag", tag);
      const int w = 7 * static_cast<int>(std::string_view(e).size()) + 4;
      ext->setGeometry(x, y, w, 18);
      x += w;
      ext->onClick = [this, ext] {
        selectExtension(*ext, *PnTypes);
        LbChange->setStyleSheet(linkKind == 1 ? "QLabel { color: rgb(128, 0, 0); }" : "QLabel { color: black; }");
      };
      ext->onDoubleClick = [this, ext] {
        ext->onClick();
        browse();
      };
    }
    y += 20;
    ++tag;
  }

  LBxSaved = new QListWidget(PnContent);
  LBxSaved->setGeometry(452, 178, 150, 80);
  auto* savedTitle = new QLabel("Saved Playlists", PnContent);
  savedTitle->setGeometry(608, 178, 120, 18);
  connect(LBxSaved, &QListWidget::currentTextChanged, this, [this](const QString& name) {
    if (!changingSelection_ && !name.isEmpty()) chooseSavedPlaylist(name);
  });
  BtnNew = new QPushButton("New", PnContent);
  BtnNew->setGeometry(608, 200, 60, 22);
  connect(BtnNew, &QPushButton::clicked, this, [this] { BtnNewClick(); });
  BtnTest = new QPushButton("Test", PnContent);
  BtnTest->setGeometry(672, 200, 60, 22);
  connect(BtnTest, &QPushButton::clicked, this, [this] { BtnTestClick(); });
  auto* info = new QLabel(kInfoText, PnContent);
  info->setGeometry(40, 210, 400, 18);
  BtnInfo = new QPushButton("i", PnContent);
  BtnInfo->setGeometry(10, 208, 22, 22);
  connect(BtnInfo, &QPushButton::clicked, this, [this] { showPlaylistInfo(); });
}

void TFmStep5::FormShow() {
  TFmCustWizardPage::FormShow();
  fillSaved();
  currentSavedPlaylist.clear();
  loadPlaylist();
  Grid->setFocus();
  playStepSound("Step5.wav");
}

void TFmStep5::closePage() {
  savePlaylist();
  TFmCustWizardPage::closePage();
}

std::string TFmStep5::libraryFolder() const { return programFolder + "Custom/Playlist/"; }

void TFmStep5::fillSaved() {
  changingSelection_ = true;
  LBxSaved->clear();
  for (const std::string& name : listVisibleSubfoldersSorted(libraryFolder())) LBxSaved->addItem(q(name));
  LBxSaved->setCurrentRow(-1);
  changingSelection_ = false;
}

std::vector<PlaylistGridRow> TFmStep5::gridRows() const {
  std::vector<PlaylistGridRow> rows;
  for (int r = 1; r < Grid->RowCount(); ++r) {
    PlaylistGridRow row{Grid->cell(kColEntry, r).toStdString(), Grid->cell(kColTime, r).toStdString(), {}};
    const QString options = Grid->cell(kColOptions, r);
    if (!options.isEmpty()) row.options = options.toStdString();
    rows.push_back(std::move(row));
  }
  return rows;
}

void TFmStep5::loadPlaylist() {
  Grid->clearCells();
  if (providerFolder.empty()) return;
  const auto rows = loadPlaylistGrid(providerFolder);
  if (Grid->RowCount() <= static_cast<int>(rows.size())) Grid->setRowCount(static_cast<int>(rows.size()) + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    Grid->setCell(kColEntry, r, q(rows[i].entry));
    Grid->setCell(kColTime, r, q(rows[i].playTime));
    Grid->setCell(kColOptions, r, q(rows[i].options.value_or(std::string())));
  }
  numberRows(*Grid, kColNumber);
}

void TFmStep5::savePlaylist() {
  if (providerFolder.empty()) return;
  std::string error;
  if (!savePlaylistGrid(providerFolder, gridRows(), PlaylistWriter::PlaylistEditor, &error))
    main_.platformServices().messages.showError("The playlist could not be saved: " + q(error));
}

void TFmStep5::CBxProvidersChange() {
  changingSelection_ = true;
  LBxSaved->setCurrentRow(-1);
  changingSelection_ = false;
  savePlaylist();
  TFmCustWizardPage::CBxProvidersChange();
  currentSavedPlaylist.clear();
  loadPlaylist();
}

void TFmStep5::BtnNextProviderClick() {
  if (CBxProviders->currentIndex() < CBxProviders->count() - 1)
    CBxProviders->setCurrentIndex(CBxProviders->currentIndex() + 1);
  CBxProvidersChange();
}

void TFmStep5::BtnPriorProviderClick() {
  if (CBxProviders->currentIndex() > 0) CBxProviders->setCurrentIndex(CBxProviders->currentIndex() - 1);
  CBxProvidersChange();
}

void TFmStep5::selectCell(int col, int row) {
  if (col == kColEntry) {
    Grid->setEditing(true);
    const QRect cell = Grid->visualRect(Grid->model()->index(row, col));
    BtnBrowse->move(Grid->x() + Grid->width() + 4, Grid->y() + cell.y() + Grid->horizontalHeader()->height());
    BtnBrowse->show();
  } else if (col == kColTime) {
    BtnBrowse->hide();
    if (isMediaFile(Grid->cell(kColEntry, row).toStdString())) {
      Grid->setCell(kColTime, row, kNotApplicable);
      Grid->setEditing(false);
    } else {
      Grid->setEditing(true);
    }
  } else {
    Grid->setEditing(false);
    BtnBrowse->hide();
  }
}

void TFmStep5::browse(const QString& file) {
  if (providerFolder.empty()) return;
  const int row = Grid->Row();
  if (linkKind == 4) {
    Grid->setCell(kColEntry, row, "TavoSetup");
    return;
  }
  if (linkKind >= 1 && linkKind <= 3) {
    const std::string name = chooseLinkTarget(linkKind);
    if (name.empty()) return;
    if (linkKind != 1) {
      const std::string from = programFolder + (linkKind == 2 ? "Custom/Slideshow/" : "Custom/Thumbnail/") + name;
      if (!platform::copyFolderQuiet(platform::fromPath(from), platform::fromPath(providerFolder + "/" + name))) {
        main_.platformServices().messages.showError("The set " + q(name) + " could not be copied");
        return;
      }
    }
    const char* word = linkKind == 1 ? "Subscriber " : linkKind == 2 ? "Slideshow " : "Thumbnail ";
    Grid->setCell(kColEntry, row, q(word + name));
    return;
  }
  const QString chosen = file.isEmpty() ? executeOpenDialog() : file;
  if (chosen.isEmpty()) return;
  const std::string source = platform::toPath(chosen);
  // A file that did not reach the provider folder would be a broken entry:
  // the row stays as it was.
  if (!importFile(source, providerFolder)) {
    main_.platformServices().messages.showError("The file " + chosen + " could not be copied");
    return;
  }
  const std::string name = std::filesystem::path(source).filename().string();
  Grid->setCell(kColEntry, row, q(name));
  Grid->setCell(kColOptions, row, QString());  // another file: the old item's options do not apply
  if (isMediaFile(name)) {
    Grid->setCell(kColTime, row, kNotApplicable);
  } else {
    Grid->setCell(kColTime, row, "00:00");
    Grid->setCurrentCell(kColTime, row);
  }
  rememberFolder(source);
}

void TFmStep5::BtnNewClick() {
  const QString name = main_.dialogs().askNewName("playlist", q(libraryFolder()));
  if (name.isEmpty()) return;
  savePlaylist();
  Grid->clearCells();
  std::error_code ec;
  std::filesystem::create_directories(platform::toPath(q(libraryFolder()) + name), ec);
  changingSelection_ = true;
  LBxSaved->addItem(name);
  LBxSaved->setCurrentRow(LBxSaved->count() - 1);
  changingSelection_ = false;
  currentSavedPlaylist = name;
}

void TFmStep5::BtnTestClick() { main_.BtnPlayClick(); }

void TFmStep5::showPlaylistInfo() { main_.platformServices().messages.showInfo(kInfoText); }

void TFmStep5::chooseSavedPlaylist(const QString& name) {
  if (providerFolder.empty()) return;
  platform::Messages& messages = main_.platformServices().messages;
  // Replacing deletes the channel's playlist and its files: only on the
  // author's word, and only files that nothing else in the channel names.
  if (!messages.askYesNo("Replace the playlist of " + CBxProviders->currentText() + " with the saved playlist " +
                             name + "?  Files of the current playlist that the channel uses nowhere else are deleted.",
                         "Replace Playlist")) {
    changingSelection_ = true;
    LBxSaved->setCurrentRow(-1);
    changingSelection_ = false;
    return;
  }
  const std::string folder = withTrailingSeparator(providerFolder);
  for (const std::string& file : filesOnlyThePlaylistNames(providerFolder, gridRows())) {
    std::error_code ec;
    std::filesystem::remove(folder + file, ec);
  }
  std::error_code ec;
  std::filesystem::remove(playlistFilePath(providerFolder), ec);
  Grid->clearCells();
  currentSavedPlaylist = name;
  if (!platform::copyFolderQuiet(q(libraryFolder()) + name, platform::fromPath(folder) + name))
    messages.showError("The saved playlist " + name + " could not be copied");
}

}  // namespace tavo::creator
