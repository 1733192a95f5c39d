#include "creator/wizard/TFmTickerText.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QValidator>

#include "common/PresentationPath.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "format/TickerText.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Refuses the field separator as it is typed or pasted, and says why.
class NoSeparatorValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    if (!input.contains(QChar(kTickerFieldSeparator))) return Acceptable;
    if (auto* edit = qobject_cast<QLineEdit*>(parent()))
      QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), kNoSeparatorHint, edit);
    return Invalid;
  }
};

class TickerCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
      edit->setValidator(new NoSeparatorValidator(edit));
      edit->setToolTip(kNoSeparatorHint);
    }
    return editor;
  }
};

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

}  // namespace

TFmTickerText::TFmTickerText(TFmMain& main, QWidget* owner, const std::string& fileName,
                             const std::string& providerFolder)
    : QDialog(owner), main_(main) {
  currentFile = providerFolder + "/" + fileName;
  libraryFolder = main.programFolder() + "Custom/Text Files/";
  mode = tickerTextMode(fileName);
  chooseFile = [this](const QString& filter, const QString& folder) {
    QString selected = filter.section(";;", 1, 1);  // the text files
    return QFileDialog::getOpenFileName(this, "Open", folder, filter, &selected);
  };
  setFixedSize(600, 300);
  LbTop = new QLabel(this);
  LbTop->setGeometry(10, 6, 580, 44);
  LbTop->setWordWrap(true);
  Grid = new TQxGrid(this);
  Grid->setColCount(2);
  Grid->setFixedCols(0);
  Grid->setTitles({"Ticker Idle Text", "Hotlink"});
  Grid->showTitles();
  Grid->setColWidth(0, 479);
  Grid->setColWidth(1, 83);
  Grid->RowsDisplayed(7);
  Grid->setRowCount(10);  // the title row and 9 lines
  Grid->setEditing(true);
  Grid->AutoInsert = false;
  Grid->AutoDelete = false;
  Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Grid->setItemDelegate(new TickerCellDelegate(Grid));
  Grid->setGeometry(10, 52, 580, 7 * Grid->DefaultRowHeight() + 26);
  LbSecond = new QLabel(this);
  LbSecond->setGeometry(10, Grid->geometry().bottom() + 6, 580, 18);
  const int y = 300 - 34;
  BtnOpen = new QPushButton("Open", this);
  BtnOpen->setGeometry(10, y, 90, 26);
  BtnSaveAs = new QPushButton("Save As", this);
  BtnSaveAs->setGeometry(106, y, 90, 26);
  BtnOK = new QPushButton("OK", this);
  BtnOK->setGeometry(500, y, 90, 26);
  BtnOK->setDefault(true);
  connect(BtnOpen, &QPushButton::clicked, this, [this] { BtnOpenClick(); });
  connect(BtnSaveAs, &QPushButton::clicked, this, [this] { BtnSaveAsClick(); });
  connect(BtnOK, &QPushButton::clicked, this, [this] { accept(); });
}

void TFmTickerText::loadLines(const std::string& path) {
  const std::vector<TickerLine> lines = readTickerText(path, ReadMode::Editor);
  const int needed = static_cast<int>(lines.size()) + 1;
  if (Grid->RowCount() < needed) Grid->setRowCount(needed);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Grid->setCell(0, int(i) + 1, q(lines[i].text));
    Grid->setCell(1, int(i) + 1, q(lines[i].hotlink));
  }
}

void TFmTickerText::FormShow() {
  Grid->clearCells();
  setWindowTitle(q(mode.captionPrefix + fileNameOf(currentFile)));
  LbTop->setText(q(mode.topInstruction));
  LbSecond->setText(q(mode.secondInstruction));
  LbSecond->setVisible(!mode.streamingAd);
  loadLines(currentFile);
}

int TFmTickerText::ShowModal() {
  FormShow();
  return exec();
}

void TFmTickerText::saveLines() {
  std::vector<TickerLine> rows;
  for (int r = 1; r < Grid->RowCount(); ++r) {
    // A "|" that reached a cell some other way would split the line when read again.
    std::string text = Grid->cell(0, r).toStdString(), link = Grid->cell(1, r).toStdString();
    std::erase(text, kTickerFieldSeparator);
    std::erase(link, kTickerFieldSeparator);
    rows.push_back({std::move(text), std::move(link)});
  }
  // The file on disk whatever its letter case, so that no second file appears beside it.
  const std::size_t cut = currentFile.find_last_of('/');
  const std::string target = cut == std::string::npos
                                 ? currentFile
                                 : resolveName(currentFile.substr(0, cut + 1), currentFile.substr(cut + 1));
  std::string error;
  if (!writeTickerText(target, rows, &error))
    throw std::runtime_error("Could not write " + target + (error.empty() ? std::string() : ": " + error));
}

void TFmTickerText::BtnOpenClick() {
  const QString chosen = chooseFile("All files (*.*);;Text files (*.txt)", platform::fromPath(libraryFolder));
  if (chosen.isEmpty()) return;
  saveLines();
  currentFile = platform::toPath(chosen);
  Grid->clearCells();
  loadLines(currentFile);
  setWindowTitle(q(mode.captionPrefix + currentFile));
}

void TFmTickerText::BtnSaveAsClick() {
  platform::Messages& messages = main_.platformServices().messages;
  const std::string name = fileNameOf(currentFile);
  QString proposed = q(name);
  for (;;) {
    const std::optional<QString> answer = main_.dialogs().inputBox("Save As", q("Save " + name + " As"), proposed);
    if (!answer) return;
    const NameCheck check = checkTickerSaveAs(answer->toStdString(), libraryFolder);
    if (check.verdict == NameVerdict::ExistsAskOverwrite) {
      if (!messages.askYesNo(q(check.message), "Confirm")) {
        proposed = *answer;
        continue;
      }
    } else if (!check.accepted()) {
      messages.showInfo(q(check.message));
      proposed = *answer;
      continue;
    }
    currentFile = libraryFolder + check.name;
    setWindowTitle(q(mode.captionPrefix + currentFile));
    saveLines();
    return;
  }
}

void TFmTickerText::done(int result) {
  // OK and the close box both save; a write failure reaches the application's error handler
  // and the editor stays open, so nothing typed is lost.
  Grid->setFocus();  // an open cell editor hands its text to the grid
  saveLines();
  QDialog::done(result);
}

}  // namespace tavo::creator
