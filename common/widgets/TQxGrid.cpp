#include "common/widgets/TQxGrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "common/Exceptions.h"
#include "common/FileText.h"
#include "common/GridRules.h"
#include "platform/QtText.h"

namespace tavo {

// All cells of the grid, fixed ones included, row by row. The view sees the
// scrollable part; the fixed row and column are shown by the headers.
class TQxGridModel : public QAbstractTableModel {
 public:
  TQxGridModel(TQxGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(0, int(rows_.size()) - grid_->FixedRows());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(0, cols_ - grid_->FixedCols());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return at(index.column() + grid_->FixedCols(), index.row() + grid_->FixedRows());
  }
  bool setData(const QModelIndex& index, const QVariant& value, int role) override {
    if (role != Qt::EditRole) return false;
    set(index.column() + grid_->FixedCols(), index.row() + grid_->FixedRows(), value.toString());
    emit dataChanged(index, index);
    return true;
  }
  Qt::ItemFlags flags(const QModelIndex&) const override {
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (role == Qt::SizeHintRole && o == Qt::Vertical) return QSize(0, grid_->DefaultRowHeight());
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return grid_->FixedRows() ? at(section + grid_->FixedCols(), 0) : QString();
    return grid_->FixedCols() ? at(0, section + grid_->FixedRows()) : QString();
  }

  const QString& at(int col, int row) const {
    static const QString empty;
    if (row < 0 || row >= int(rows_.size()) || col < 0 || col >= cols_) return empty;
    return rows_[std::size_t(row)][std::size_t(col)];
  }
  void set(int col, int row, QString text) {
    if (row < 0 || row >= int(rows_.size()) || col < 0 || col >= cols_) return;
    rows_[std::size_t(row)][std::size_t(col)] = std::move(text);
  }
  // Changes of shape and bulk changes; each tells the views.
  void resizeRows(int rows) {
    const int old = int(rows_.size());
    if (rows == old) return;
    const int f = grid_->FixedRows();
    if (rows > old) {
      const int first = std::max(0, old - f), last = rows - f - 1;
      if (last >= first) beginInsertRows({}, first, last);
      rows_.resize(std::size_t(rows), std::vector<QString>(std::size_t(cols_)));
      if (last >= first) endInsertRows();
    } else {
      const int first = std::max(0, rows - f), last = old - f - 1;
      if (last >= first) beginRemoveRows({}, first, last);
      rows_.resize(std::size_t(rows));
      if (last >= first) endRemoveRows();
    }
  }
  void resizeCols(int cols) {
    beginResetModel();
    cols_ = cols;
    for (auto& r : rows_) r.resize(std::size_t(cols));
    endResetModel();
  }
  void removeGridRow(int row) {
    const int f = grid_->FixedRows();
    beginRemoveRows({}, row - f, row - f);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
  }
  void replaceRows(std::vector<std::vector<QString>>&& rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }
  void reshape() {
    beginResetModel();
    endResetModel();
  }
  void changedRows(int fromRow, int toRow) {
    const int f = grid_->FixedRows();
    fromRow = std::max(fromRow, f);
    if (toRow < fromRow || columnCount() == 0) return;
    emit dataChanged(index(fromRow - f, 0), index(toRow - f, columnCount() - 1));
    if (grid_->FixedCols()) emit headerDataChanged(Qt::Vertical, fromRow - f, toRow - f);
  }
  void changedHeader() {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  }

  std::vector<std::vector<QString>> rows_;
  int cols_ = 5;

 private:
  TQxGrid* grid_;
};

// The fixed column: row numbers, or the texts of column 0, on a button-face background.
class TQxGridRowHeader : public QHeaderView {
 public:
  TQxGridRowHeader(TQxGrid* grid) : QHeaderView(Qt::Vertical, grid), grid_(grid) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    if (!rect.isValid()) return;
    painter->save();
    painter->fillRect(rect, palette().button());
    painter->setPen(palette().mid().color());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setPen(palette().buttonText().color());
    const int row = section + grid_->FixedRows();
    if (grid_->LeftColNumber()) {
      const QRect text(rect.left() + rowNumberLeftOffset(row),
                       rect.top() + rowNumberTopOffset(grid_->DefaultRowHeight()), rect.width(), rect.height());
      painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, QString::number(row));
    } else {
      painter->drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, grid_->cell(0, row));
    }
    painter->restore();
  }

 private:
  TQxGrid* grid_;
};

namespace {

ColumnControlKind kindOf(QWidget* w) {
  if (qobject_cast<QComboBox*>(w)) return ColumnControlKind::ComboBox;
  if (qobject_cast<QDateTimeEdit*>(w)) return ColumnControlKind::DateTimePicker;
  return ColumnControlKind::Button;
}

// A picker that shows no date edits a time.
bool editsTime(const QDateTimeEdit* e) {
  return !(e->displayedSections() & QDateTimeEdit::DateSections_Mask);
}

// The system's long time format without the time zone, which a cell does not keep.
QString longTimeFormat() {
  QString f = QLocale::system().timeFormat(QLocale::LongFormat);
  f.remove(QLatin1Char('t'));
  return f.trimmed();
}

// The system's short date format with the year in four digits: a two-digit
// year would read back in another century.
QString shortDateFormat() {
  QString f = QLocale::system().dateFormat(QLocale::ShortFormat);
  if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return f;
}

}  // namespace

TQxGrid::TQxGrid(QWidget* parent) : QTableView(parent), model_(new TQxGridModel(this)) {
  model_->rows_.assign(8, std::vector<QString>(5));
  setVerticalHeader(new TQxGridRowHeader(this));
  setModel(model_);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(defaultRowHeight_);
  verticalHeader()->setFixedWidth(64);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(64);
  horizontalHeader()->setFixedHeight(defaultRowHeight_);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  verticalHeader()->setSectionsClickable(false);
  setCornerButtonEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  resize(width(), 147);
  applyEditTriggers();
  auto follow = [this] { repositionVisibleControl(); };
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, follow);
  ensureCurrent();
}

TQxGrid::~TQxGrid() = default;

// ---- string grid ---------------------------------------------------------------

int TQxGrid::RowCount() const { return int(model_->rows_.size()); }

void TQxGrid::setRowCount(int rows) {
  model_->resizeRows(std::max(rows, fixedRows_ + 1));
  ensureCurrent();
}

int TQxGrid::ColCount() const { return model_->cols_; }

void TQxGrid::setColCount(int cols) {
  cols = std::max(cols, fixedCols_ + 1);
  if (cols == model_->cols_) return;
  const int col = Col(), row = Row();
  model_->resizeCols(cols);
  setCurrentCell(std::min(col, cols - 1), row);
}

void TQxGrid::setFixedRows(int rows) {
  fixedRows_ = std::clamp(rows, 0, 1);
  if (RowCount() < fixedRows_ + 1) model_->rows_.resize(std::size_t(fixedRows_ + 1), std::vector<QString>(std::size_t(ColCount())));
  model_->reshape();
  horizontalHeader()->setVisible(fixedRows_ > 0);
  ensureCurrent();
}

void TQxGrid::setFixedCols(int cols) {
  const int w = colWidth(0);
  fixedCols_ = std::clamp(cols, 0, 1);
  if (ColCount() < fixedCols_ + 1) model_->resizeCols(fixedCols_ + 1);
  model_->reshape();
  verticalHeader()->setVisible(fixedCols_ > 0);
  setColWidth(0, w);
  ensureCurrent();
}

QString TQxGrid::cell(int col, int row) const { return model_->at(col, row); }

void TQxGrid::setCell(int col, int row, const QString& text) {
  model_->set(col, row, text);
  if (row < fixedRows_) {
    model_->changedHeader();
  } else if (col < fixedCols_) {
    model_->changedRows(row, row);
  } else {
    const QModelIndex i = indexOf(col, row);
    emit model_->dataChanged(i, i);
  }
}

int TQxGrid::colWidth(int col) const {
  if (col < fixedCols_) return verticalHeader()->width();
  return horizontalHeader()->sectionSize(col - fixedCols_);
}

void TQxGrid::setColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  if (col < fixedCols_)
    verticalHeader()->setFixedWidth(width);
  else
    horizontalHeader()->resizeSection(col - fixedCols_, width);
}

void TQxGrid::setDefaultRowHeight(int height) {
  defaultRowHeight_ = height;
  verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(height);
}

int TQxGrid::Row() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.row() + fixedRows_ : fixedRows_;
}

int TQxGrid::Col() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.column() + fixedCols_ : fixedCols_;
}

void TQxGrid::setCurrentCell(int col, int row) {
  const QModelIndex i = indexOf(col, row);
  if (i.isValid()) setCurrentIndex(i);
}

int TQxGrid::TopRow() const {
  const int r = rowAt(0);
  return (r < 0 ? 0 : r) + fixedRows_;
}

void TQxGrid::setTopRow(int row) {
  const QModelIndex i = indexOf(std::max(Col(), fixedCols_), row);
  if (i.isValid()) scrollTo(i, QAbstractItemView::PositionAtTop);
}

int TQxGrid::VisibleRowCount() const { return std::max(1, viewport()->height() / defaultRowHeight_); }

void TQxGrid::setEditing(bool on) {
  editing_ = on;
  applyEditTriggers();
}

void TQxGrid::applyEditTriggers() {
  if (editing_ && !controlSuppressesEditing_)
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  else
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QModelIndex TQxGrid::indexOf(int col, int row) const {
  return model_->index(row - fixedRows_, col - fixedCols_);
}

void TQxGrid::ensureCurrent() {
  if (!currentIndex().isValid() && model_->rowCount() > 0 && model_->columnCount() > 0)
    setCurrentIndex(model_->index(0, 0));
}

// ---- rows ----------------------------------------------------------------------

void TQxGrid::LeftColNumber(bool on) {
  leftColNumber_ = on;
  setColWidth(0, 25);
  verticalHeader()->viewport()->update();
}

void TQxGrid::RowsDisplayed(int rows) {
  rowsDisplayed_ = rows;
  raiseToRowsDisplayed();
}

void TQxGrid::raiseToRowsDisplayed() {
  if (RowCount() < rowsDisplayed_ + 1) setRowCount(rowsDisplayed_ + 1);
}

void TQxGrid::appendRow() { setRowCount(RowCount() + 1); }

void TQxGrid::insertRow() {
  const int at = Row(), col = Col();
  appendRow();
  auto& rows = model_->rows_;
  for (int r = RowCount() - 1; r > at; --r)
    for (int c = fixedCols_; c < ColCount(); ++c) rows[std::size_t(r)][std::size_t(c)] = std::move(rows[std::size_t(r - 1)][std::size_t(c)]);
  for (int c = fixedCols_; c < ColCount(); ++c) rows[std::size_t(at)][std::size_t(c)].clear();
  model_->changedRows(at, RowCount() - 1);
  setCurrentCell(col, at);
  if (OnInsert) OnInsert(*this);
}

void TQxGrid::deleteCurrentRow() {
  if (BeforeDelete) {
    try {
      BeforeDelete(*this);
    } catch (const SilentAbort&) {
      return;
    }
  }
  const int row = Row(), col = Col();
  if (row < fixedRows_ || row >= RowCount()) return;
  for (auto& text : model_->rows_[std::size_t(row)]) text.clear();
  model_->changedRows(row, row);
  const int lastRow = RowCount() - 1;
  if (topRowTitle_ ? RowCount() > 2 : RowCount() > 1) {
    if (RowCount() - 1 >= fixedRows_ + 1) {  // a grid keeps one scrollable row
      model_->removeGridRow(row);
      setCurrentCell(col, row < lastRow ? row : RowCount() - 1);
    }
  }
  raiseToRowsDisplayed();
}

void TQxGrid::clearCells() {
  for (int r = fixedRows_; r < RowCount(); ++r)
    for (int c = fixedCols_; c < ColCount(); ++c) model_->rows_[std::size_t(r)][std::size_t(c)].clear();
  model_->changedRows(fixedRows_, RowCount() - 1);
}

void TQxGrid::moveRowUp() {
  // Rows never move into the fixed row, titled or not.
  const int firstMovable = std::max(fixedRows_, topRowTitle_ ? 1 : 0);
  const int row = Row(), col = Col();
  if (row <= firstMovable) return;
  std::swap(model_->rows_[std::size_t(row)], model_->rows_[std::size_t(row - 1)]);
  model_->changedRows(row - 1, row);
  setCurrentCell(col, row - 1);
  scrollTo(currentIndex());
}

void TQxGrid::moveRowDown() {
  const int row = Row(), col = Col();
  if (row < fixedRows_ || row >= RowCount() - 1) return;
  std::swap(model_->rows_[std::size_t(row)], model_->rows_[std::size_t(row + 1)]);
  model_->changedRows(row, row + 1);
  setCurrentCell(col, row + 1);
  scrollTo(currentIndex());
}

void TQxGrid::setTitles(const QStringList& titles) {
  titles_ = titles;
  topRowTitle_ = true;
}

void TQxGrid::showTitles() {
  if (ColCount() < titles_.size()) setColCount(int(titles_.size()));
  for (int i = 0; i < titles_.size(); ++i) model_->set(i, 0, titles_[i]);
  model_->changedHeader();
}

// ---- files ---------------------------------------------------------------------

void TQxGrid::loadFromFile(const QString& path) {
  const std::optional<std::string> bytes = readFileBytes(platform::toPath(path));
  if (!bytes) throw FileError("Cannot open file \"" + platform::toPath(path) + "\"");
  const QString text = platform::fromFileText(*bytes);
  if (ColCount() < 2) setColCount(2);

  const int col = Col(), row = Row();
  const qsizetype n = text.size();
  qsizetype start = 0;
  int line = 1;
  std::vector<std::vector<QString>> rows = std::move(model_->rows_);
  const std::size_t cols = std::size_t(model_->cols_);
  while (start < n) {
    qsizetype end = start;
    while (end < n && text[end] != u'\n' && text[end] != u'\r') ++end;
    const QStringView l = QStringView(text).mid(start, end - start);
    if (std::size_t(line) >= rows.size()) rows.resize(std::size_t(line) + 1, std::vector<QString>(cols));
    const qsizetype bar1 = l.indexOf(u'|');
    auto& r = rows[std::size_t(line)];
    if (bar1 < 0) {
      r[0] = l.toString();
      r[1].clear();
    } else {
      const qsizetype bar2 = l.indexOf(u'|', bar1 + 1);
      r[0] = l.left(bar1).toString();
      r[1] = l.mid(bar1 + 1, bar2 < 0 ? -1 : bar2 - bar1 - 1).toString();
    }
    ++line;
    start = (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') ? end + 2 : end + 1;
  }
  model_->replaceRows(std::move(rows));
  setCurrentCell(col, std::min(row, RowCount() - 1));
  ensureCurrent();
}

void TQxGrid::saveToFile(const QString& path, bool* storedAsUtf8) {
  QString text;
  // A line end inside a cell would split its row into two lines of the file.
  auto oneLine = [](QString s) {
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
  };
  for (int r = 1; r < RowCount(); ++r) {
    const QString& a = cell(0, r);
    const QString& b = cell(1, r);
    if (a.isEmpty() && b.isEmpty()) continue;
    text += oneLine(a);
    text += u'|';
    text += oneLine(b);
    text += u"\r\n";
  }
  std::string error;
  if (!writeFileAtomic(platform::toPath(path), platform::toFileText(text, storedAsUtf8), &error))
    throw FileError("Cannot write file \"" + platform::toPath(path) + "\": " + error);
}

// ---- keys and selection --------------------------------------------------------

void TQxGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_Down && mods == Qt::NoModifier && AutoInsert && Row() == RowCount() - 1)
    appendRow();
  else if (event->key() == Qt::Key_Insert && mods == Qt::NoModifier && AutoInsert)
    insertRow();
  else if (event->key() == Qt::Key_Delete && mods == Qt::ControlModifier && AutoDelete)
    deleteCurrentRow();
  QTableView::keyPressEvent(event);
}

void TQxGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!current.isValid()) return;
  const int col = current.column() + fixedCols_, row = current.row() + fixedRows_;
  if (OnSelectCell) OnSelectCell(col, row);  // the selection is allowed whatever the handler does
  if (!colComponentNames_.isEmpty()) placeColumnControl(col, row);
}

// ---- column controls -----------------------------------------------------------

void TQxGrid::setColComponents(const QStringList& names, const QList<QWidget*>& controls) {
  for (auto& c : colControls_)
    if (c) {
      c->removeEventFilter(this);
      disconnect(c, nullptr, this, nullptr);
    }
  colComponentNames_ = names;
  colControls_.assign(std::size_t(names.size()), nullptr);
  for (qsizetype i = 0; i < names.size() && i < controls.size(); ++i) {
    colControls_[std::size_t(i)] = controls[i];
    if (controls[i]) wireControl(controls[i]);
  }
  if (!names.isEmpty() && currentIndex().isValid()) placeColumnControl(Col(), Row());
}

QWidget* TQxGrid::colComponent(int col) const {
  return col >= 0 && col < int(colControls_.size()) ? colControls_[std::size_t(col)].data() : nullptr;
}

void TQxGrid::wireControl(QWidget* control) {
  control->hide();
  control->raise();
  control->installEventFilter(this);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
    connect(combo, &QComboBox::currentTextChanged, this, [this, combo] { writeControlIntoCell(combo); });
  } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
    connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, picker] { writeControlIntoCell(picker); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    connect(button, &QAbstractButton::clicked, this, [this, button] {
      if (OnButton1Click) OnButton1Click(button);
    });
  }
}

void TQxGrid::writeControlIntoCell(QWidget* control) {
  if (placing_ || control != shownControl_) return;
  QString text;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    text = combo->currentText();
  } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
    text = editsTime(picker) ? QLocale::system().toString(picker->time(), longTimeFormat())
                             : QLocale::system().toString(picker->date(), shortDateFormat());
  } else {
    return;
  }
  setCell(Col(), Row(), text);
}

void TQxGrid::placeColumnControl(int col, int row) {
  for (auto& c : colControls_)
    if (c) c->hide();
  shownControl_ = nullptr;
  shownControlCol_ = -1;
  QWidget* control = colComponent(col);
  const bool wasSuppressed = controlSuppressesEditing_;
  controlSuppressesEditing_ = control && kindOf(control) != ColumnControlKind::Button;
  if (wasSuppressed != controlSuppressesEditing_) applyEditTriggers();
  if (!control) return;

  const QModelIndex index = indexOf(col, row);
  if (!index.isValid()) return;
  scrollTo(index);  // a cell out of view comes into view first
  shownControl_ = control;
  shownControlCol_ = col;
  placing_ = true;
  const QString text = cell(col, row);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
  } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control)) {
    if (!text.isEmpty()) {
      if (editsTime(picker)) {
        QTime t = QLocale::system().toTime(text, longTimeFormat());
        if (!t.isValid()) t = QLocale::system().toTime(text, QLocale::ShortFormat);
        if (!t.isValid()) t = QTime::fromString(text, Qt::ISODate);
        if (t.isValid()) picker->setTime(t);
      } else {
        QDate d = QLocale::system().toDate(text, shortDateFormat());
        if (!d.isValid()) d = QLocale::system().toDate(text, QLocale::ShortFormat);
        if (!d.isValid()) d = QDate::fromString(text, Qt::ISODate);
        if (d.isValid()) picker->setDate(d);
      }
    }
  }
  placing_ = false;
  repositionVisibleControl();
  if (!control->isHidden() && kindOf(control) != ColumnControlKind::Button) control->setFocus();
}

void TQxGrid::repositionVisibleControl() {
  QWidget* control = shownControl_;
  if (!control) return;
  const QModelIndex index = indexOf(shownControlCol_, Row());
  const QRect cellRect = visualRect(index);
  if (!index.isValid() || !cellRect.intersects(viewport()->rect())) {
    control->hide();  // scrolled away; shown again when the cell is selected or in view
    if (index.isValid()) return;
    shownControl_ = nullptr;
    return;
  }
  QWidget* parent = control->parentWidget();
  QPoint topLeft = cellRect.topLeft();
  if (!parent)
    topLeft = viewport()->mapToGlobal(topLeft);
  else if (parent == viewport() || parent->isAncestorOf(viewport()))
    topLeft = viewport()->mapTo(parent, topLeft);
  else
    topLeft = parent->mapFromGlobal(viewport()->mapToGlobal(topLeft));
  const ControlRect r = columnControlRect(kindOf(control), topLeft.x(), topLeft.y(), colWidth(shownControlCol_),
                                          defaultRowHeight_, control->width());
  control->setGeometry(r.left, r.top, r.width, r.height);
  control->show();
  control->raise();
}

bool TQxGrid::passKeyToGrid(QWidget* control, QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  if (mods != Qt::NoModifier) return false;
  int k = key->key();
  switch (k) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Tab:
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      k = Qt::Key_Tab;
      break;
    default:
      return false;
  }
  if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->view()->isVisible()) return false;
  // Handled here, at once, as if the key had been pressed in the grid.
  setFocus(Qt::OtherFocusReason);
  QKeyEvent gridKey(QEvent::KeyPress, k, Qt::NoModifier);
  if (k == Qt::Key_Tab)
    focusNextPrevChild(true);
  else
    keyPressEvent(&gridKey);
  return true;
}

bool TQxGrid::eventFilter(QObject* watched, QEvent* event) {
  QWidget* control = nullptr;
  for (auto& c : colControls_)
    if (c && (c == watched || c->isAncestorOf(qobject_cast<QWidget*>(watched)))) control = c;
  if (!control) return QTableView::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && kindOf(control) != ColumnControlKind::Button) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (passKeyToGrid(control, key)) return true;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
      const QString t = key->text();
      if (!t.isEmpty() && t.at(0).unicode() > 32 && !combo->view()->isVisible()) combo->showPopup();
    }
  }
  return QTableView::eventFilter(watched, event);
}

}  // namespace tavo
