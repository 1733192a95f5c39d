#pragma once
// The creator's editable string grid: a grid of text cells addressed as
// cell(column, row) with row 0 and column 0 as the fixed title row and
// number column (FixedRows / FixedCols, 0 or 1 each), row numbers, keyboard
// row insertion and deletion, row moving, two-column line files, and column
// controls (a combo box, a date-time picker or a button owned by the form)
// placed over the selected cell of their column.
//
//   auto* grid = new TQxGrid(this);
//   grid->setColCount(3);
//   grid->setTitles({"#", "Text", "Link"});  grid->showTitles();
//   grid->LeftColNumber(true);  grid->AutoInsert = grid->AutoDelete = true;
//   grid->setColComponents({"", "", "link"}, {nullptr, nullptr, CBxLinks});
//   grid->OnInsert = [](TQxGrid&) { ... };
//   grid->loadFromFile(folder + "Ticker.txt");     // throws FileError when missing
//
// Cells live in a model of plain texts (no widget or item per cell), so a grid
// of ten thousand rows loads, scrolls and edits at the speed of a small one.
// The fixed row is the grid's column header and the fixed column its row
// header, so both stay in place while the cells scroll.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <vector>

namespace tavo {

class TQxGridModel;

class TQxGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TQxGrid(QWidget* parent = nullptr);
  ~TQxGrid() override;

  // ---- the string grid ------------------------------------------------------
  int RowCount() const;
  void setRowCount(int rows);  // at least FixedRows + 1
  int ColCount() const;
  void setColCount(int cols);  // at least FixedCols + 1
  int FixedRows() const { return fixedRows_; }
  void setFixedRows(int rows);  // 0 or 1
  int FixedCols() const { return fixedCols_; }
  void setFixedCols(int cols);  // 0 or 1
  QString cell(int col, int row) const;
  void setCell(int col, int row, const QString& text);
  int colWidth(int col) const;
  void setColWidth(int col, int width);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void setDefaultRowHeight(int height);
  // The current cell (never inside the fixed rows or columns).
  int Row() const;
  int Col() const;
  void setCurrentCell(int col, int row);
  // First scrollable row shown at the top, and how many rows fit in view.
  int TopRow() const;
  void setTopRow(int row);
  int VisibleRowCount() const;
  // Whether cells can be edited in place (typing, F2, double-click). Columns
  // with a combo box or date-time picker are edited through their control.
  bool Editing() const { return editing_; }
  void setEditing(bool on);

  // ---- what this grid adds --------------------------------------------------
  bool AutoInsert = false;  // Down on the last row adds a row; Insert inserts one
  bool AutoDelete = false;  // Ctrl+Delete deletes the current row
  // Entry i names column i; a control given for it becomes that column's control
  // (QComboBox, QDateTimeEdit or a button). The controls stay the form's.
  void setColComponents(const QStringList& names, const QList<QWidget*>& controls);
  const QStringList& ColComponents() const { return colComponentNames_; }
  QWidget* colComponent(int col) const;
  bool LeftColNumber() const { return leftColNumber_; }
  void LeftColNumber(bool on);  // either way, column 0 becomes 25 pixels wide
  bool TopRowTitle() const { return topRowTitle_; }
  void TopRowTitle(bool on) { topRowTitle_ = on; }
  int RowsDisplayed() const { return rowsDisplayed_; }
  void RowsDisplayed(int rows);  // raises the row count to rows + 1 when lower

  std::function<void(QObject* sender)> OnButton1Click;  // a column button was clicked
  std::function<void(TQxGrid&)> BeforeDelete;           // throw SilentAbort to keep the row
  std::function<void(TQxGrid&)> OnInsert;               // after insertRow
  std::function<void(int col, int row)> OnSelectCell;   // before the column control is placed

  void appendRow();
  void insertRow();  // at the current row
  void deleteCurrentRow();
  void clearCells();  // every cell outside the fixed rows and columns
  void moveRowUp();
  void moveRowDown();
  void setTitles(const QStringList& titles);  // also sets TopRowTitle
  const QStringList& titles() const { return titles_; }
  void showTitles();
  // Line n of the file (from 1) goes to row n: the text before the first "|"
  // into column 0, the text up to the next "|" into column 1. Throws FileError.
  void loadFromFile(const QString& path);
  // Every row from 1 with column 0 or 1 filled, as column 0 + "|" + column 1 +
  // CR LF, written atomically. `storedAsUtf8` tells whether a character forced
  // the file into UTF-8. Throws FileError.
  void saveToFile(const QString& path, bool* storedAsUtf8 = nullptr);
  void placeColumnControl(int col, int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TQxGridRowHeader;
  QModelIndex indexOf(int col, int row) const;
  void ensureCurrent();
  void raiseToRowsDisplayed();
  void applyEditTriggers();
  void repositionVisibleControl();
  void wireControl(QWidget* control);
  void writeControlIntoCell(QWidget* control);
  bool passKeyToGrid(QWidget* control, QKeyEvent* key);

  TQxGridModel* model_;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  int defaultRowHeight_ = 17;
  bool editing_ = true;
  bool leftColNumber_ = false;
  bool topRowTitle_ = false;
  int rowsDisplayed_ = 7;
  bool placing_ = false;
  bool controlSuppressesEditing_ = false;
  QStringList colComponentNames_;
  std::vector<QPointer<QWidget>> colControls_;
  QPointer<QWidget> shownControl_;
  int shownControlCol_ = -1;
  QStringList titles_;
};

}  // namespace tavo
