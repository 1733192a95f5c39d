#include "creator/wizard/TFmStep1.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QGuiApplication>
#include <filesystem>

#include "common/NameRules.h"
#include "common/QxMisc.h"

#include "common/Exceptions.h"
#include "common/PresentationPath.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmCopySubscriber.h"
#include "platform/QtText.h"
#include "platform/TFileOperation.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int h, const char* style = nullptr) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, h);
  if (style) l->setStyleSheet(style);
  return l;
}

constexpr const char* kRedBold = "QLabel { color: red; font-weight: bold; }";

const char* const kExampleNames[] = {"My Company",  "Products",     "Services",      "www.example.com",
                                     "The Band",    "New Album",    "Tour Dates",    "Music Videos",
                                     "Our Artists", "Special Offers", "Events",      "Contact Us"};

}  // namespace

TFmStep1::TFmStep1(TFmMain& main, QWidget* panel) : TFmCustWizardPage(main, panel) {
  stepNumber = 1;
  showProviderSelector = false;
  LbTitle->setText("Step 1 - Define Content Providers");
  MemoInstructions->setPlainText(
      "You can have up to 100 Content Providers in your presentation.  A content provider can be your company or "
      "organization name, the name of your product or categories of products, your URL, an artist, a song, an "
      "album, or anything!\n\n"
      "Click on 'Samples' below to see some sample Content Provider setups.  Also, you can import or copy content "
      "providers from other presentations easily by clicking one of the two buttons at the bottom of the grid.\n\n"
      "Mandatory features are indicated by a red '*' in Steps 1 & 4.");

  askProviderToCopy = [this]() -> std::optional<std::pair<std::string, std::string>> {
    const Presentation& pr = main_.presentation();
    TFmCopySubscriber dialog(main_.platformServices().messages, pr.projectsFolder(), pr.presentationName, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(dialog.sourceFolder, dialog.providerName);
  };

  QWidget* p = PnContent;
  label("Enter the name of", p, 10, 0, 200, 16, kRedBold);
  label("at least one Content Provider:", p, 10, 15, 200, 16, kRedBold);
  label("*", p, 212, 15, 10, 16, kRedBold);
  label("*", p, 250, 0, 10, 16, kRedBold);
  label("= Mandatory Item", p, 262, 0, 120, 16);
  LbDoNotUse = label(QString("DO NOT USE ") + q(forbiddenCharLine()), p, 250, 15, 330, 16);

  GridSubscribers = new TQxGrid(p);
  GridSubscribers->setColCount(2);
  GridSubscribers->setTitles({"#", "Content Providers"});
  GridSubscribers->showTitles();
  GridSubscribers->LeftColNumber(true);
  GridSubscribers->setColWidth(0, 25);
  GridSubscribers->setColWidth(1, 190);
  GridSubscribers->RowsDisplayed(13);
  GridSubscribers->setRowCount(15);  // the title row and 14 rows
  GridSubscribers->setEditing(true);
  GridSubscribers->AutoInsert = true;
  GridSubscribers->AutoDelete = true;
  GridSubscribers->setGeometry(10, 34, 240, 13 * GridSubscribers->DefaultRowHeight() + 24);
  GridSubscribers->OnSelectCell = [this](int col, int row) { GridSubscribersSelectCell(col, row); };
  GridSubscribers->BeforeDelete = [this](TQxGrid&) { GridSubscribersBeforeDelete(); };
  connect(GridSubscribers->itemDelegate(), &QAbstractItemDelegate::commitData, this,
          [this](QWidget*) { GridSubscribersSetEditText(GridSubscribers->cell(1, enteredRow_)); });

  const int below = GridSubscribers->geometry().bottom() + 4;
  BtnCopy = new QPushButton("Copy Content\nProvider", p);
  BtnCopy->setGeometry(10, below, 118, 34);
  BtnImport = new QPushButton("Import Content\nProvider", p);
  BtnImport->setGeometry(132, below, 118, 34);
  connect(BtnCopy, &QPushButton::clicked, this, [this] { BtnCopyClick(); });
  connect(BtnImport, &QPushButton::clicked, this, [this] { BtnImportClick(); });

  CkBxQuiet = new QCheckBox("Quiet Please", p);
  CkBxQuiet->setGeometry(600, 0, 130, 18);
  connect(CkBxQuiet, &QCheckBox::clicked, this, [this] { CkBxQuietClick(); });

  GBxExamples = new QGroupBox(" Example Content Provider Names ", p);
  GBxExamples->setGeometry(270, 40, 460, 130);
  int i = 0;
  for (const char* name : kExampleNames) {
    label(name, GBxExamples, 12 + (i % 3) * 150, 22 + (i / 3) * 24, 145, 18);
    ++i;
  }
}

void TFmStep1::FormShow() {
  TFmCustWizardPage::FormShow();
  const Presentation& pr = main_.presentation();
  GridSubscribers->clearCells();
  const int rows = static_cast<int>(pr.contentProviders.size());
  if (GridSubscribers->RowCount() < rows + 1) GridSubscribers->setRowCount(rows + 1);
  for (int i = 0; i < rows; ++i) GridSubscribers->setCell(1, i + 1, q(pr.contentProviders[std::size_t(i)]));
  startWith = pr.currentProviderName();
  if (startWith.empty() && !pr.contentProviders.empty()) startWith = pr.contentProviders.front();
  GridSubscribers->setFocus();
  enterRow(GridSubscribers->Row());
  {
    const QSignalBlocker block(CkBxQuiet);
    CkBxQuiet->setChecked(!main_.playHelpSound);
  }
  playStepSound("Step1.wav");
}

ProviderFolderOps TFmStep1::folderOps() {
  platform::Messages& messages = main_.platformServices().messages;
  ProviderFolderOps ops;
  ops.rename = [](const std::string& from, const std::string& to) {
    platform::TFileOperation op;
    op.ShowProgress = false;
    return op.rename(platform::fromPath(from), platform::fromPath(to));
  };
  ops.removeAll = [](const std::string& folder) {
    platform::TFileOperation op;
    op.ShowProgress = false;
    return op.deleteFiles(platform::fromPath(folder));
  };
  ops.create = [](const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(folder), ec);
    return !ec && isFolder(folder);
  };
  ops.askYesNo = [&messages](const std::string& question, const std::string& caption) {
    return messages.askYesNo(q(question), q(caption));
  };
  ops.showError = [&messages](const std::string& m) { messages.showError(q(m)); };
  ops.showInfo = [&messages](const std::string& m) { messages.showInfo(q(m)); };
  return ops;
}

void TFmStep1::applyPendingEdit() {
  if (newName == oldName) return;
  const ProviderEditResult result =
      applyProviderEdit(main_.presentation().presentationFolder, oldName, newName, folderOps());
  if (enteredRow_ >= 1 && enteredRow_ < GridSubscribers->RowCount())
    GridSubscribers->setCell(1, enteredRow_, q(result.cellText));
  if (result.outcome == ProviderEdit::Renamed && startWith == oldName) startWith = result.cellText;
  if (result.outcome == ProviderEdit::Deleted && startWith == oldName) startWith.clear();
  if (result.outcome == ProviderEdit::KeptFolder && startWith == oldName) startWith.clear();
  oldName = newName = result.cellText;
  if (!newName.empty() && startWith.empty()) startWith = newName;
}

void TFmStep1::enterRow(int row) {
  enteredRow_ = row;
  oldName = newName = (row >= 1 && row < GridSubscribers->RowCount()) ? GridSubscribers->cell(1, row).toStdString()
                                                                      : std::string();
}

void TFmStep1::GridSubscribersSelectCell(int, int row) {
  applyPendingEdit();
  enterRow(row);
}

void TFmStep1::GridSubscribersSetEditText(const QString& text) { newName = text.toStdString(); }

void TFmStep1::GridSubscribersBeforeDelete() {
  applyPendingEdit();
  const int row = GridSubscribers->Row();
  const std::string name = GridSubscribers->cell(1, row).toStdString();
  if (!confirmProviderRowDeletion(main_.presentation().presentationFolder, name, folderOps())) throw SilentAbort();
  if (trimName(name) == startWith) startWith.clear();
  // The row the grid makes current once this one is gone.
  const int last = GridSubscribers->RowCount() - 1;
  std::string next;
  if (GridSubscribers->RowCount() > 2) next = GridSubscribers->cell(1, row < last ? row + 1 : row - 1).toStdString();
  enteredRow_ = row < last ? row : last - 1;
  oldName = newName = next;
}

void TFmStep1::moveItemUp() {
  applyPendingEdit();
  GridSubscribers->moveRowUp();
  enterRow(GridSubscribers->Row());
}

void TFmStep1::moveItemDown() {
  applyPendingEdit();
  GridSubscribers->moveRowDown();
  enterRow(GridSubscribers->Row());
}

void TFmStep1::closePage() {
  TFmCustWizardPage::closePage();
  // An editor still open holds the last typed text.
  if (QWidget* focus = QApplication::focusWidget(); focus && focus != GridSubscribers && GridSubscribers->isAncestorOf(focus))
    focus->clearFocus();
  applyPendingEdit();
  std::vector<std::string> cells;
  for (int r = 1; r < GridSubscribers->RowCount(); ++r) cells.push_back(GridSubscribers->cell(1, r).toStdString());
  Presentation& pr = main_.presentation();
  pr.contentProviders = providersFromCells(cells);
  pr.currentProvider = currentProviderByName(pr.contentProviders, startWith);
  main_.saveContentProviders();
}

void TFmStep1::CkBxQuietClick() {
  if (CkBxQuiet->isChecked()) {
    main_.playHelpSound = false;
    stopStepSound();
  } else {
    main_.playHelpSound = true;
    playStepSound("Step1.wav");
  }
}

void TFmStep1::BtnCopyClick() {
  if (const auto choice = askProviderToCopy()) copyProvider(choice->first, choice->second);
}

void TFmStep1::BtnImportClick() {
  platform::Messages& messages = main_.platformServices().messages;
  for (;;) {
    const QString chosen = main_.platformServices().folderBrowser.browseForFolder(
        "Select the folder that contains the Tavo presentation that you want to import.");
    if (chosen.isEmpty()) return;
    std::string folder = platform::toPath(chosen);
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    if (!providerFolder.empty() && QString::compare(q(folder), q(providerFolder), Qt::CaseInsensitive) == 0) {
      messages.showInfo("You have selected the current content provider directory.  Please select a different directory.");
      continue;
    }
    if (!fileExistsIn(folder + "/", "!Tavo.ini")) {
      messages.showInfoTitled(
          "Cannot import content provider.  This folder does not contain the readable file \rset required by the "
          "Rezorer Irozu Dudovu.  Please try a different folder.",
          "Import Incomplete");
      continue;
    }
    copyProvider(folder, folder.substr(folder.find_last_of("/\\") + 1));
    return;
  }
}

void TFmStep1::copyProvider(const std::string& sourceFolder, const std::string& name) {
  platform::Messages& messages = main_.platformServices().messages;
  Presentation& pr = main_.presentation();
  const NameCheck check = checkNewName(name, "content provider", pr.presentationFolder);
  if (check.verdict == NameVerdict::Exists) {
    messages.showInfoTitled(
        "Cannot copy content provider.  A content provider already exists in this presentation with\rthe same "
        "name.  Rename the content provider in your presentation and try again",
        "Copy Incomplete");
  } else if (!check.accepted()) {
    messages.showInfo(q(check.message));
    return;
  } else {
    applyPendingEdit();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    int row = 1;
    while (true) {
      if (GridSubscribers->RowCount() <= row) GridSubscribers->setRowCount(row + 1);
      if (GridSubscribers->cell(1, row).trimmed().isEmpty()) break;
      ++row;
    }
    GridSubscribers->setCell(1, row, q(check.name));
    if (row == enteredRow_) oldName = newName = check.name;
    bool copied = false;
    try {
      copied = platform::copyFolderQuiet(platform::fromPath(sourceFolder), platform::fromPath(pr.presentationFolder + check.name));
    } catch (const std::exception&) {
      copied = false;
    }
    if (copied) {
      setReadOnly(pr.presentationFolder + check.name + "/*", false);
      QGuiApplication::restoreOverrideCursor();
      messages.showInfo("Content provider copied");
    } else {
      QGuiApplication::restoreOverrideCursor();
      messages.showError("Could not copy content provider");
    }
  }
  startWith = check.name;
  std::vector<std::string> cells;
  for (int r = 1; r < GridSubscribers->RowCount(); ++r) cells.push_back(GridSubscribers->cell(1, r).toStdString());
  pr.currentProvider = currentProviderByName(providersFromCells(cells), startWith);
}

}  // namespace tavo::creator
