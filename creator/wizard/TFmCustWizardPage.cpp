#include "creator/wizard/TFmCustWizardPage.h"

#include <QFileDialog>
#include <QMediaPlayer>
#include <QProgressDialog>
#include <QUrl>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/widgets/TQxGrid.h"
#include "creator/logic/WizardSteps.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmMoreInfo.h"
#include "creator/wizard/TFmSamples.h"
#include "creator/wizard/TFmWizard.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

QList<QLabel*> labelsOf(QWidget& panel) { return panel.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly); }

int tagOf(const QLabel& label) { return label.property("tag").toInt(); }

// "desc|pattern|desc|pattern" as the Qt dialog's name filters.
QStringList nameFilters(const std::string& filter) {
  QStringList parts = q(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << parts[i] + " (" + patterns + ")";
  }
  return filters;
}

}  // namespace

TFmCustWizardPage::TFmCustWizardPage(TFmMain& main, QWidget* panel) : TFmEmbedded(panel), main_(main) {
  stepNumber = 0;
  programFolder = main.programFolder();
  showProviderSelector = true;
  const PageSettings page = main.settings().readPage();
  initialDir = page.initialDir;
  overwritePrompt = page.overwritePrompt;
  OpenDialog.filter = "All files (*.*)|*.*";
  OpenDialog.initialFolder = initialDir;

  const int w = TFmWizard::kWidth;
  LbTitle = new QLabel(this);
  LbTitle->setGeometry(10, 2, w - 20, 28);
  LbTitle->setStyleSheet("QLabel { color: navy; font: bold 19px; }");
  MemoInstructions = new QPlainTextEdit(this);
  MemoInstructions->setGeometry(10, 32, w - 20, 72);
  MemoInstructions->setReadOnly(true);
  MemoInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoInstructions->setStyleSheet("QPlainTextEdit { color: navy; font-family: Arial; background: palette(button); }");

  PnProviders = new QWidget(this);
  PnProviders->setGeometry(10, 108, 470, 26);
  LbProviders = new QLabel("Content Providers", PnProviders);
  LbProviders->setGeometry(0, 4, 120, 18);
  LbProviders->setStyleSheet("QLabel { font-weight: bold; }");
  CBxProviders = new QComboBox(PnProviders);
  CBxProviders->setGeometry(122, 0, 270, 24);
  BtnPriorProvider = new QPushButton("<", PnProviders);
  BtnPriorProvider->setGeometry(396, 0, 30, 24);
  BtnPriorProvider->setToolTip("Prior Content Provider");
  BtnNextProvider = new QPushButton(">", PnProviders);
  BtnNextProvider->setGeometry(430, 0, 30, 24);
  BtnNextProvider->setToolTip("Next Content Provider");
  connect(CBxProviders, &QComboBox::activated, this, [this](int) { CBxProvidersChange(); });
  connect(BtnPriorProvider, &QPushButton::clicked, this, [this] { BtnPriorProviderClick(); });
  connect(BtnNextProvider, &QPushButton::clicked, this, [this] { BtnNextProviderClick(); });

  PnHelp = new QWidget(this);
  PnHelp->setGeometry(w - 200, 108, 190, 26);
  BtnMoreInfo = new QPushButton("More Info", PnHelp);
  BtnMoreInfo->setGeometry(0, 0, 92, 24);
  BtnMoreInfo->setToolTip("More info");
  BtnSamples = new QPushButton("Samples", PnHelp);
  BtnSamples->setGeometry(96, 0, 92, 24);
  connect(BtnMoreInfo, &QPushButton::clicked, this, [this] { BtnMoreInfoClick(); });
  connect(BtnSamples, &QPushButton::clicked, this, [this] { BtnSamplesClick(); });

  PnContent = new QWidget(this);
  PnContent->setGeometry(0, 138, w, 270);
}

void TFmCustWizardPage::FormShow() {
  const Presentation& p = main_.presentation();
  if (showProviderSelector) {
    CBxProviders->clear();
    for (const std::string& name : p.contentProviders) CBxProviders->addItem(q(name));
    CBxProviders->setMaxVisibleItems(std::max(1, CBxProviders->count()));
    CBxProviders->setCurrentIndex(p.currentProvider);
    TFmCustWizardPage::CBxProvidersChange();
    if (CBxProviders->count() == 1) {
      BtnPriorProvider->setEnabled(false);
      BtnNextProvider->setEnabled(false);
    }
  } else {
    PnProviders->hide();
    const std::string name = p.currentProviderName();
    providerFolder = name.empty() ? std::string() : p.presentationFolder + name;
  }
}

void TFmCustWizardPage::closePage() {
  main_.settings().writePage({initialDir, overwritePrompt});
  stopStepSound();
}

void TFmCustWizardPage::CBxProvidersChange() {
  const int position = CBxProviders->currentIndex();
  const int last = CBxProviders->count() - 1;
  if (position < 0) {
    BtnPriorProvider->setEnabled(false);
    BtnNextProvider->setEnabled(false);
    providerFolder.clear();
    return;
  }
  BtnPriorProvider->setEnabled(position != 0);
  BtnNextProvider->setEnabled(position != last);
  Presentation& p = main_.presentation();
  p.currentProvider = position;
  providerFolder = p.presentationFolder + CBxProviders->currentText().toStdString();
}

void TFmCustWizardPage::BtnNextProviderClick() {
  if (CBxProviders->currentIndex() < CBxProviders->count() - 1)
    CBxProviders->setCurrentIndex(CBxProviders->currentIndex() + 1);
  CBxProvidersChange();
}

void TFmCustWizardPage::BtnPriorProviderClick() {
  if (CBxProviders->currentIndex() > 0) CBxProviders->setCurrentIndex(CBxProviders->currentIndex() - 1);
  CBxProvidersChange();
}

void TFmCustWizardPage::numberRows(TQxGrid& grid, int column) {
  for (int r = 1; r < grid.RowCount(); ++r) grid.setCell(column, r, q(rowNumberText(r)));
}

void TFmCustWizardPage::moveItemUp() {
  if (TQxGrid* grid = reportGrid()) grid->moveRowUp();
}

void TFmCustWizardPage::moveItemDown() {
  if (TQxGrid* grid = reportGrid()) grid->moveRowDown();
}

bool TFmCustWizardPage::copyHtmlFolder(const std::string& source, const std::string& folder) {
  return creator::copyHtmlFolder(source, folder, [](const std::string& from, const std::string& to) {
    return platform::copyFolderQuiet(platform::fromPath(from), platform::fromPath(to));
  });
}

bool TFmCustWizardPage::importFile(const std::string& source, const std::string& folder) {
  platform::Messages& messages = main_.platformServices().messages;
  return creator::importFile(
      source, folder, overwritePrompt,
      [&messages] { return messages.askYesNo("This file already exists, do you want to overwrite it?", "Overwrite file?"); },
      [](const std::string& from, const std::string& to) {
        return platform::copyFolderQuiet(platform::fromPath(from), platform::fromPath(to));
      });
}

void TFmCustWizardPage::rememberFolder(const std::string& file) {
  initialDir = rememberedFolder(file, programFolder, initialDir);
}

void TFmCustWizardPage::importFolderImages(TQxGrid& grid, int column, const std::string& folder,
                                           const QString& words) {
  const QString chosen = main_.platformServices().folderBrowser.browseForFolder("Select a folder containing " + words);
  if (chosen.isEmpty()) return;
  const std::string from = withTrailingSeparator(platform::toPath(chosen));
  const std::vector<std::string> names = jpegFilesIn(from);
  QProgressDialog progress("Importing " + words + "...", "Cancel", 0, static_cast<int>(names.size()), this);
  progress.setWindowTitle("Import");
  progress.setMinimumDuration(500);
  QStringList failed;
  int done = 0;
  int n = 0;  // the last row written
  for (const std::string& name : names) {
    if (progress.wasCanceled()) break;
    progress.setValue(done++);
    // A picture that did not reach the set folder is not listed: the set would
    // name a file it does not hold.
    const CopyOutcome outcome = importChosenFile(from + name, folder);
    if (outcome == CopyOutcome::Failed) {
      failed << platform::fromPath(name);
      continue;
    }
    ++n;
    if (grid.RowCount() <= n) grid.setRowCount(n + 1);
    grid.setCell(column, n, platform::fromPath(name));
  }
  progress.setValue(static_cast<int>(names.size()));
  if (!failed.isEmpty())
    main_.platformServices().messages.showError("Could not copy into the set folder: " + failed.join(", "));
  grid.setFocus();
}

CopyOutcome TFmCustWizardPage::importChosenFile(const std::string& source, const std::string& folder) {
  platform::Messages& messages = main_.platformServices().messages;
  return copyIntoSet(
      {source, folder, overwritePrompt},
      [&messages] { return messages.askYesNo("This file already exists, do you want to overwrite it?", "Overwrite file?"); },
      [](const std::string& from, const std::string& to, bool prompt, const std::function<bool()>& ask) {
        try {
          return creator::importFile(from, to, prompt, ask, [](const std::string& a, const std::string& b) {
            return platform::copyFolderQuiet(platform::fromPath(a), platform::fromPath(b));
          });
        } catch (const std::exception&) {
          return false;
        }
      });
}

void TFmCustWizardPage::nextCell(TQxGrid& grid) {
  const CellMove move = creator::nextCell(grid.Col(), grid.Row(), grid.ColCount(), grid.RowCount(), grid.FixedCols());
  if (move.addRow) grid.setRowCount(grid.RowCount() + 1);
  grid.setCurrentCell(move.column, move.row);
}

std::string TFmCustWizardPage::chooseLinkTarget(int kind) {
  const Presentation& p = main_.presentation();
  const LinkTargetDialog dialog = linkTargetDialog(kind, p.presentationFolder, programFolder);
  if (dialog.caption.empty()) return {};
  const CreatorDialogs::Pick pick = main_.dialogs().pickFolder(q(dialog.caption), q(dialog.path), q(dialog.prompt));
  return pick.choice ? pick.choice->toStdString() : std::string();
}

void TFmCustWizardPage::colourLabels(QWidget& panel, const char* colour) {
  for (QLabel* label : labelsOf(panel)) label->setStyleSheet(QString("QLabel { color: %1; }").arg(colour));
}

void TFmCustWizardPage::selectExtension(QLabel& label, QWidget& typePanel) {
  linkKind = linkKindOf(label.text().toStdString());
  colourLabels(typePanel, "black");
  if (QWidget* own = label.parentWidget()) colourLabels(*own, "black");
  label.setStyleSheet(QString("QLabel { color: %1; }").arg(kHighlightColour));
  OpenDialog = extensionDialog(label.text().toStdString(), tagOf(label), programFolder, initialDir);
}

void TFmCustWizardPage::selectFileType(QLabel& label, QWidget& typePanel, QWidget& extensionPanel) {
  colourLabels(extensionPanel, "black");
  colourLabels(typePanel, "black");
  label.setStyleSheet(QString("QLabel { color: %1; }").arg(kHighlightColour));
  std::vector<TypeLabel> groups, extensions;
  for (QLabel* group : labelsOf(typePanel)) groups.push_back({group->text().toStdString(), tagOf(*group)});
  for (QLabel* ext : labelsOf(extensionPanel)) extensions.push_back({ext->text().toStdString(), tagOf(*ext)});
  const std::string folder = OpenDialog.initialFolder;
  OpenDialog = fileTypeDialog(tagOf(label), groups, extensions);
  OpenDialog.initialFolder = folder.empty() ? initialDir : folder;
}

QString TFmCustWizardPage::executeOpenDialog() {
  QFileDialog dialog(this);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList filters = nameFilters(OpenDialog.filter);
  dialog.setNameFilters(filters);
  if (OpenDialog.filterIndex >= 1 && OpenDialog.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[OpenDialog.filterIndex - 1]);
  dialog.setDirectory(q(OpenDialog.initialFolder));
  dialog.selectFile(QString());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

void TFmCustWizardPage::playStepSound(const std::string& name) {
  if (!main_.playHelpSound) return;
  const std::string path = programFolder + "Help/" + name;
  if (!isFile(path)) return;
  QMediaPlayer* player = main_.helpSoundPlayer(true);
  player->stop();
  const QUrl source = QUrl::fromLocalFile(platform::fromPath(path));
  if (player->source() != source) player->setSource(source);
  // A failing audio device reports through the player's error signal, which
  // nothing listens to: the sound just does not play.
  player->play();
}

void TFmCustWizardPage::stopStepSound() {
  if (QMediaPlayer* player = main_.helpSoundPlayer(false)) player->stop();
}

void TFmCustWizardPage::BtnMoreInfoClick() {
  TFmMoreInfo info(main_, stepNumber, &main_.wizard());
  info.exec();
}

void TFmCustWizardPage::BtnSamplesClick() {
  if (!hasSamples(stepNumber)) return;
  TFmSamples samples(stepNumber, &main_.wizard());
  samples.exec();
}

}  // namespace tavo::creator
