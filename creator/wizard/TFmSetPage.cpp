#include "creator/wizard/TFmSetPage.h"

#include <QEvent>
#include <QKeyEvent>

#include <filesystem>

#include "common/PresentationPath.h"
#include "common/TextEncoding.h"
#include "creator/logic/Presentations.h"
#include "common/QxMisc.h"
#include "common/widgets/NamePrompts.h"
#include "common/widgets/TQxGrid.h"
#include "creator/logic/ErrorReport.h"
#include "creator/logic/WizardSteps.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/PicturePreview.h"
#include "format/ProfileFile.h"
#include "platform/QtText.h"
#include "platform/TFileOperation.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& text) { return text.toStdString(); }

// The creator's prompts as the shared name prompts want them.
class PagePrompts : public TextPrompts {
 public:
  PagePrompts(CreatorDialogs& dialogs, platform::Messages& messages) : dialogs_(dialogs), messages_(messages) {}
  std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) override {
    return dialogs_.inputBox(caption, prompt, text);
  }
  std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) override {
    return dialogs_.getTwoStrings(request);
  }
  platform::Messages& messages() override { return messages_; }

 private:
  CreatorDialogs& dialogs_;
  platform::Messages& messages_;
};

}  // namespace

TFmSetPage::TFmSetPage(TFmMain& main, QWidget* panel, int step, SetKind setKind)
    : TFmCustWizardPage(main, panel), kind(setKind) {
  stepNumber = step;
  showProviderSelector = false;
  const std::string title(stepInfo(step).title);
  LbTitle->setText(q(title));

  const bool slides = kind == SetKind::Slideshow;
  LbSetName = new QLabel(slides ? "Slideshow Name" : "Thumbnail Name", PnContent);
  LbSetName->setGeometry(10, 0, 160, 16);
  BtnPriorSet = new QPushButton("<", PnContent);
  BtnPriorSet->setGeometry(130, 0, 22, 16);
  BtnNextSet = new QPushButton(">", PnContent);
  BtnNextSet->setGeometry(154, 0, 22, 16);
  CBxSets = new QComboBox(PnContent);
  CBxSets->setGeometry(10, 18, 166, 22);

  LbInterval = new QLabel(slides ? "Slideshow Cycle Interval" : "Cycle Interval", PnContent);
  LbInterval->setGeometry(186, 0, 150, 16);
  LbInterval->setWordWrap(false);
  EdInterval = new QLineEdit(PnContent);
  // First minute digit optional, the colon kept, blanks shown as spaces.
  EdInterval->setInputMask("09:99; ");
  EdInterval->setMaxLength(5);
  EdInterval->setText(kDefaultCycleInterval);
  EdInterval->setGeometry(186, 18, 50, 22);
  auto* lbMinSec = new QLabel("(Min/Sec)", PnContent);
  lbMinSec->setGeometry(240, 21, 60, 16);
  connect(EdInterval, &QLineEdit::editingFinished, this, [this] { checkInterval(); });

  LbSound = new QLabel("Music/Sound File", PnContent);
  LbSound->setGeometry(340, 0, 116, 16);
  EdSound = new QLineEdit(PnContent);
  EdSound->setGeometry(340, 18, 116, 22);
  BtnSound = new QPushButton("...", PnContent);
  BtnSound->setGeometry(458, 18, 24, 22);

  BtnImport = new QPushButton("Import", PnContent);
  BtnImport->setGeometry(490, 18, 60, 22);
  BtnNew = new QPushButton("New", PnContent);
  BtnNew->setGeometry(554, 18, 60, 22);
  BtnNew->setToolTip(slides ? "New slideshow" : "New thumbnail");
  LbStartHere = new QLabel("Start Here", PnContent);
  LbStartHere->setGeometry(558, 2, 70, 16);
  LbStartHere->setStyleSheet("QLabel { color: red; font-weight: bold; }");
  BtnSaveAs = new QPushButton("Save As", PnContent);
  BtnSaveAs->setGeometry(618, 18, 60, 22);
  BtnTest = new QPushButton("Test", PnContent);
  BtnTest->setGeometry(682, 18, 60, 22);
  BtnTest->setToolTip("Test Slideshow");
  BtnTest->setEnabled(false);

  Grid1 = new TQxGrid(PnContent);
  Grid1->setGeometry(10, 46, 600, 166);
  Grid1->RowsDisplayed(8);
  Grid1->setRowCount(9);
  Grid1->setEditing(false);
  BtnBrowse = new QPushButton("Browse ... ", Grid1);
  BtnBrowse->hide();
  Preview = new PicturePreview(PnContent);
  Preview->setGeometry(616, 46, 128, 96);

  connect(CBxSets, &QComboBox::activated, this, [this](int) {
    BtnPriorSet->setEnabled(true);
    BtnNextSet->setEnabled(true);
    CBxSetsChange();
  });
  connect(BtnNextSet, &QPushButton::clicked, this, [this] { BtnNextSetClick(); });
  connect(BtnPriorSet, &QPushButton::clicked, this, [this] { BtnPriorSetClick(); });
  connect(BtnNew, &QPushButton::clicked, this, [this] { BtnNewClick(); });
  connect(BtnSaveAs, &QPushButton::clicked, this, [this] { BtnSaveAsClick(); });
  connect(BtnImport, &QPushButton::clicked, this, [this] { BtnImportClick(); });
  connect(BtnSound, &QPushButton::clicked, this, [this] { BtnSoundClick(); });
  Grid1->OnSelectCell = [this](int col, int row) {
    // Typing goes on with the first cell chosen.
    if (!Grid1->Editing()) Grid1->setEditing(true);
    (void)col;
    (void)row;
  };
  connect(Grid1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { showSelectedPicture(); });
  Grid1->installEventFilter(this);
  setCurrentSet({});
}

void TFmSetPage::FormShow() {
  TFmCustWizardPage::FormShow();
  const ProfileFile settings = ProfileFile::load(main_.settings().path());
  const std::string name = fileTextToUtf8(settings.readString(settingsSection(), settingsKey(), ""));
  CBxSets->clear();
  for (const std::string& set : setsIn(library())) CBxSets->addItem(q(set));
  // Only a plain name is taken, so the settings file cannot lead out of the library.
  setCurrentSet(isPlainFolderName(name) ? name : std::string());
  if (!currentSet.empty()) {
    loadCurrentSet();
    CBxSets->setCurrentIndex(CBxSets->findText(q(currentSet), Qt::MatchFixedString));
    Grid1->setFocus();
  } else {
    CBxSets->setCurrentIndex(-1);
  }
  playStepSound("Step" + std::to_string(stepNumber) + ".wav");
}

void TFmSetPage::closePage() {
  TFmCustWizardPage::closePage();
  saveCurrentSet();
  writeCurrentSetting();
}

void TFmSetPage::writeCurrentSetting() {
  const std::string path = main_.settings().path();
  ProfileFile settings = ProfileFile::load(path);
  if (settings.unreadable()) return;
  const std::string selected = CBxSets->currentIndex() < 0 ? std::string() : s(CBxSets->currentText());
  settings.writeString(settingsSection(), settingsKey(), utf8ToFileText(selected).bytes);
  settings.save(path);
}

void TFmSetPage::setCurrentSet(const std::string& name) {
  currentSet = name;
  if (!name.empty()) {
    setFolder = library() + name + "/";
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(setFolder), ec);
    BtnSaveAs->setEnabled(true);
    Grid1->setEnabled(true);
    Grid1->setStyleSheet("QTableView { background: palette(base); }");
  } else {
    setFolder.clear();
    BtnSaveAs->setEnabled(false);
    Grid1->setEnabled(false);
    Grid1->setStyleSheet("QTableView { background: palette(button); }");
    BtnPriorSet->setEnabled(false);
  }
}

void TFmSetPage::saveCurrentSet() {
  if (setFolder.empty()) return;
  if (!saveEditorSet(setFolder, kind, setFromGrid()))
    throw StreamWriteError("Could not write the " + s(word()) + " " + currentSet);
}

void TFmSetPage::loadCurrentSet() {
  if (setFolder.empty()) return;
  emptyGrid();
  const EditorSet set = loadEditorSet(setFolder, kind);
  EdInterval->setText(q(set.cycleInterval));
  EdSound->setText(q(set.audioFile));
  if (Grid1->RowCount() <= static_cast<int>(set.rows.size())) Grid1->setRowCount(static_cast<int>(set.rows.size()) + 1);
  rowsToGrid(set);
  numberRows(*Grid1, 0);
}

void TFmSetPage::emptyGrid() {
  Grid1->clearCells();
  Grid1->setRowCount(9);
  numberRows(*Grid1, 0);
  Preview->showFile({});
}

std::string TFmSetPage::intervalText() const { return s(EdInterval->displayText()); }

void TFmSetPage::checkInterval() {
  const std::string text = intervalText();
  if (text == "  :  " || EdInterval->hasAcceptableInput()) return;
  QPointer<QLineEdit> field(EdInterval);
  throw InvalidTimeInput([field](const std::string& reset) {
    if (field) field->setText(q(reset));
  });
}

void TFmSetPage::CBxSetsChange() {
  saveCurrentSet();
  emptyGrid();
  setCurrentSet(CBxSets->currentIndex() < 0 ? std::string() : s(CBxSets->currentText()));
  loadCurrentSet();
}

void TFmSetPage::BtnNextSetClick() {
  BtnPriorSet->setEnabled(true);
  if (CBxSets->currentIndex() < CBxSets->count() - 1)
    CBxSets->setCurrentIndex(CBxSets->currentIndex() + 1);
  else
    BtnNextSet->setEnabled(false);
  CBxSetsChange();
}

void TFmSetPage::BtnPriorSetClick() {
  BtnNextSet->setEnabled(true);
  if (CBxSets->currentIndex() <= 0)
    BtnPriorSet->setEnabled(false);
  else
    CBxSets->setCurrentIndex(CBxSets->currentIndex() - 1);
  CBxSetsChange();
  if (CBxSets->currentIndex() <= 0) BtnPriorSet->setEnabled(false);
}

void TFmSetPage::addAndSelect(const std::string& name) {
  CBxSets->addItem(q(name));
  CBxSets->setCurrentIndex(CBxSets->count() - 1);
  setCurrentSet(name);
}

void TFmSetPage::BtnNewClick() {
  const QString name = main_.dialogs().askNewName(word(), q(library()));
  if (name.isEmpty()) return;
  saveCurrentSet();
  emptyGrid();
  addAndSelect(s(name));
}

void TFmSetPage::BtnSaveAsClick() {
  if (currentSet.empty()) return;
  PagePrompts prompts(main_.dialogs(), main_.platformServices().messages);
  const QString answer = askSaveAsName(prompts, word(), q(currentSet), q(library()), false);
  if (answer.isEmpty()) return;
  const std::string old = currentSet;
  platform::TFileOperation operation;
  operation.ShowProgress = false;
  operation.RenameOnCollision = false;
  operation.ShowWin32Errors = false;
  if (!operation.rename(q(library() + old), q(library()) + answer)) {
    main_.platformServices().messages.showError(q("Could not save " + old + " as ") + answer);
    return;
  }
  const int index = CBxSets->findText(q(old), Qt::MatchFixedString);
  if (index >= 0) CBxSets->removeItem(index);
  addAndSelect(s(answer));
}

void TFmSetPage::BtnImportClick() {
  if (currentSet.empty()) BtnNewClick();
  if (currentSet.empty()) return;
  importFolderImages(*Grid1, 1, setFolder, kind == SetKind::Slideshow ? "slideshow images" : "thumbmnail images");
  numberRows(*Grid1, 0);
  showSelectedPicture();
}

bool TFmSetPage::importIntoCell(const QString& chosen, int col, int row) {
  const CopyOutcome outcome = importChosenFile(s(chosen), setFolder);
  if (outcome == CopyOutcome::Failed) {
    main_.platformServices().messages.showError(q(copyFailedMessage(s(chosen))));
    return false;
  }
  Grid1->setCell(col, row, q(cellTextAfter(outcome, s(chosen))));
  return true;
}

void TFmSetPage::BtnBrowseClick() {
  const DialogChoice previous = OpenDialog;
  OpenDialog = browseDialog();
  OpenDialog.initialFolder = initialDir;
  const QString chosen = executeOpenDialog();
  OpenDialog = previous;
  if (chosen.isEmpty()) return;
  if (importIntoCell(chosen, 1, Grid1->Row())) rememberFolder(s(chosen));
  showSelectedPicture();
}

void TFmSetPage::BtnSoundClick() {
  const DialogChoice previous = OpenDialog;
  OpenDialog.filter =
      "Sound files (*.mp3, *.wav, *.mid)|*.mp3;*.wav;*.mid;*.midi|MP3 files (*.mp3)|*.mp3|WAV files "
      "(*.wav)|*.wav|MIDI files (*.mid)|*.mid;*.midi|All files (*.*)|*.*";
  OpenDialog.filterIndex = 1;
  OpenDialog.initialFolder = initialDir;
  const QString chosen = executeOpenDialog();
  OpenDialog = previous;
  if (chosen.isEmpty() || setFolder.empty()) return;
  const CopyOutcome outcome = importChosenFile(s(chosen), setFolder);
  if (outcome == CopyOutcome::Failed) {
    main_.platformServices().messages.showError(q(copyFailedMessage(s(chosen))));
    return;
  }
  EdSound->setText(q(cellTextAfter(outcome, s(chosen))));
  rememberFolder(s(chosen));
}

bool TFmSetPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Grid1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      nextCell(*Grid1);
      return true;
    }
  }
  return TFmCustWizardPage::eventFilter(watched, event);
}

void TFmSetPage::showSelectedPicture() {
  if (setFolder.empty() || Grid1->Row() < 1) return Preview->showFile({});
  const std::string name = s(Grid1->cell(1, Grid1->Row()).trimmed());
  if (name.empty()) return Preview->showFile({});
  const std::optional<std::string> path = resolveInside(setFolder, setFolder, utf8ToFileText(name).bytes);
  Preview->showFile(path ? q(*path) : QString());
}

}  // namespace tavo::creator
