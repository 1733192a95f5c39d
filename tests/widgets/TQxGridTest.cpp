#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "common/Exceptions.h"
#include "common/widgets/TQxGrid.h"
#include "platform/QtText.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

// A form holding a grid with a fixed title row, as the creator's editors have.
struct GridForm {
  GridForm() {
    form.resize(500, 300);
    grid = new TQxGrid(&form);
    grid->move(10, 20);
    grid->resize(400, 147);
  }
  // Data rows 1..n get "r<i>" in column 1 and "k<i>" in column 2; column 0 holds "f<i>".
  void fill(int n) {
    grid->setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
      grid->setCell(0, r, QString("f%1").arg(r));
      grid->setCell(1, r, QString("r%1").arg(r));
      grid->setCell(2, r, QString("k%1").arg(r));
    }
  }
  QStringList column(int col) const {
    QStringList out;
    for (int r = 1; r < grid->RowCount(); ++r) out << grid->cell(col, r);
    return out;
  }
  QWidget form;
  TQxGrid* grid;
};

TEST(TQxGrid, ConstructionDefaults) {
  TQxGrid grid;
  EXPECT_EQ(grid.RowCount(), 8);
  EXPECT_EQ(grid.DefaultRowHeight(), 17);
  EXPECT_EQ(grid.height(), 147);
  EXPECT_EQ(grid.RowsDisplayed(), 7);
  EXPECT_FALSE(grid.AutoInsert);
  EXPECT_FALSE(grid.AutoDelete);
  EXPECT_FALSE(grid.LeftColNumber());
  EXPECT_FALSE(grid.TopRowTitle());
  grid.LeftColNumber(true);
  EXPECT_EQ(grid.colWidth(0), 25);
  grid.RowsDisplayed(12);
  EXPECT_EQ(grid.RowCount(), 13);
}

TEST(TQxGrid, CtrlDeleteOnTheOnlyDataRowEmptiesIt) {
  GridForm f;
  f.grid->AutoDelete = true;
  f.grid->RowsDisplayed(1);
  f.grid->setTitles({"", "Text", "Link"});
  f.fill(1);
  ASSERT_EQ(f.grid->RowCount(), 2);
  f.grid->setCurrentCell(1, 1);
  QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(f.grid->RowCount(), 2);
  EXPECT_EQ(f.grid->cell(0, 1), "");
  EXPECT_EQ(f.grid->cell(1, 1), "");
  EXPECT_EQ(f.grid->cell(2, 1), "");
}

TEST(TQxGrid, DeletingKeepsRowsDisplayedPlusOneRowsAndTheCurrentRow) {
  GridForm f;
  f.grid->RowsDisplayed(3);
  f.grid->TopRowTitle(true);
  f.fill(5);
  f.grid->setCurrentCell(1, 2);
  f.grid->deleteCurrentRow();
  EXPECT_EQ(f.column(1), QStringList({"r1", "r3", "r4", "r5"}));
  EXPECT_EQ(f.grid->Row(), 2);  // the next row moved up under the selection
  f.grid->setCurrentCell(1, 4);  // the last row
  f.grid->deleteCurrentRow();
  EXPECT_EQ(f.grid->Row(), 3);
  f.grid->deleteCurrentRow();
  f.grid->deleteCurrentRow();
  // Down to fewer than RowsDisplayed + 1 rows: empty rows come back.
  EXPECT_EQ(f.grid->RowCount(), 4);
  EXPECT_EQ(f.column(1), QStringList({"r1", "", ""}));
}

TEST(TQxGrid, BeforeDeleteCanCancelSilently) {
  GridForm f;
  f.fill(4);
  int asked = 0;
  f.grid->BeforeDelete = [&](TQxGrid& g) {
    ++asked;
    EXPECT_EQ(&g, f.grid);
    throw SilentAbort();
  };
  f.grid->setCurrentCell(1, 2);
  EXPECT_NO_THROW(f.grid->deleteCurrentRow());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(f.column(1), QStringList({"r1", "r2", "r3", "r4"}));
}

TEST(TQxGrid, InsertKeyOnRowThreeOfFiveMovesTheRowsBelowDown) {
  GridForm f;
  f.grid->AutoInsert = true;
  f.grid->RowsDisplayed(1);
  f.fill(4);  // five rows with the title row
  int inserted = 0;
  f.grid->OnInsert = [&](TQxGrid&) { ++inserted; };
  f.grid->setCurrentCell(2, 3);
  QTest::keyClick(f.grid, Qt::Key_Insert);
  EXPECT_EQ(inserted, 1);
  EXPECT_EQ(f.grid->RowCount(), 6);
  EXPECT_EQ(f.column(1), QStringList({"r1", "r2", "", "r3", "r4"}));
  EXPECT_EQ(f.column(2), QStringList({"k1", "k2", "", "k3", "k4"}));
  // The fixed column does not move.
  EXPECT_EQ(f.column(0), QStringList({"f1", "f2", "f3", "f4", ""}));
  EXPECT_EQ(f.grid->Row(), 3);
  EXPECT_EQ(f.grid->Col(), 2);
}

TEST(TQxGrid, DownOnTheLastRowAddsARowOnlyWithAutoInsert) {
  GridForm f;
  f.grid->RowsDisplayed(1);
  f.fill(3);
  f.grid->setCurrentCell(1, 3);
  QTest::keyClick(f.grid, Qt::Key_Down);
  EXPECT_EQ(f.grid->RowCount(), 4);
  f.grid->AutoInsert = true;
  QTest::keyClick(f.grid, Qt::Key_Down);
  EXPECT_EQ(f.grid->RowCount(), 5);
  EXPECT_EQ(f.grid->Row(), 4);  // and the grid moved into it
}

TEST(TQxGrid, MovingRows) {
  GridForm f;
  f.grid->RowsDisplayed(1);
  f.grid->setTitles({"", "Text"});
  f.grid->showTitles();
  f.fill(4);
  f.grid->setCurrentCell(1, 1);
  f.grid->moveRowUp();  // the title row stays where it is
  EXPECT_EQ(f.column(1), QStringList({"r1", "r2", "r3", "r4"}));
  EXPECT_EQ(f.grid->cell(1, 0), "Text");
  f.grid->setCurrentCell(1, 3);
  f.grid->moveRowUp();
  EXPECT_EQ(f.column(1), QStringList({"r1", "r3", "r2", "r4"}));
  EXPECT_EQ(f.grid->Row(), 2);
  f.grid->setCurrentCell(1, 4);
  f.grid->moveRowDown();  // already the last row
  EXPECT_EQ(f.column(1), QStringList({"r1", "r3", "r2", "r4"}));
  f.grid->setCurrentCell(1, 1);
  f.grid->moveRowDown();
  EXPECT_EQ(f.column(1), QStringList({"r3", "r1", "r2", "r4"}));
  EXPECT_EQ(f.grid->Row(), 2);
}

TEST(TQxGrid, MovingDownScrollsTheRowIntoView) {
  GridForm f;
  f.form.show();
  f.fill(40);
  f.grid->setCurrentCell(1, 1);
  const int visible = f.grid->VisibleRowCount();
  for (int i = 0; i < visible + 3; ++i) f.grid->moveRowDown();
  EXPECT_EQ(f.grid->cell(1, f.grid->Row()), "r1");
  const QRect r = f.grid->visualRect(f.grid->currentIndex());
  EXPECT_TRUE(f.grid->viewport()->rect().contains(r)) << r.top() << " " << f.grid->viewport()->height();
  EXPECT_GT(f.grid->TopRow(), 1);
}

TEST(TQxGrid, TitlesRaiseTheColumnCount) {
  TQxGrid grid;
  grid.setColCount(2);
  grid.setTitles({"#", "Picture", "Caption", "Link"});
  EXPECT_TRUE(grid.TopRowTitle());
  grid.showTitles();
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.cell(3, 0), "Link");
  EXPECT_EQ(grid.model()->headerData(2, Qt::Horizontal).toString(), "Link");
}

class TQxGridFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid.setFixedCols(0);
    grid.setColCount(2);
    grid.setRowCount(10);
  }
  QString path(const char* name) const { return platform::fromPath(tmp / name); }
  test::TempFolder tmp;
  TQxGrid grid;
};

TEST_F(TQxGridFileTest, SaveSkipsRowsWithBothCellsEmptyAndWritesCrLf) {
  grid.setCell(0, 1, "Ferry news");
  grid.setCell(1, 1, "http://ferry");
  grid.setCell(0, 3, "Only text");
  grid.setCell(1, 5, "Only link");
  grid.setCell(0, 6, "two\nlines");
  grid.saveToFile(path("Ticker.txt"));
  EXPECT_EQ(test::readFile(tmp / "Ticker.txt"),
            "Ferry news|http://ferry\r\nOnly text|\r\n|Only link\r\ntwo lines|\r\n");

  TQxGrid back;
  back.setFixedCols(0);
  back.setColCount(2);
  back.loadFromFile(path("Ticker.txt"));
  EXPECT_EQ(back.cell(0, 2), "Only text");  // the empty rows closed up
  EXPECT_EQ(back.cell(1, 3), "Only link");
}

TEST_F(TQxGridFileTest, LoadGrowsTheGridAndKeepsRowsAfterTheLastLine) {
  std::string text;
  for (int i = 1; i <= 25; ++i) text += "line " + std::to_string(i) + "|link " + std::to_string(i) + "|dropped\r\n";
  tmp.write("long.txt", text);
  grid.loadFromFile(path("long.txt"));
  EXPECT_GE(grid.RowCount(), 26);
  EXPECT_EQ(grid.cell(0, 1), "line 1");
  EXPECT_EQ(grid.cell(1, 25), "link 25");

  tmp.write("short.txt", "a|b\nc\rd|\n");
  grid.loadFromFile(path("short.txt"));
  EXPECT_EQ(grid.cell(0, 1), "a");
  EXPECT_EQ(grid.cell(1, 1), "b");
  EXPECT_EQ(grid.cell(0, 2), "c");
  EXPECT_EQ(grid.cell(1, 2), "");
  EXPECT_EQ(grid.cell(0, 3), "d");
  EXPECT_EQ(grid.cell(0, 4), "line 4");  // rows after the last line keep their contents
}

TEST_F(TQxGridFileTest, SingleByteTextReadsAndWritesBack) {
  tmp.write("w.txt", "Caf\xe9|\r\n");
  grid.loadFromFile(path("w.txt"));
  EXPECT_EQ(grid.cell(0, 1), QString::fromUtf8("Caf\xc3\xa9"));
  bool utf8 = true;
  grid.saveToFile(path("w2.txt"), &utf8);
  EXPECT_FALSE(utf8);
  EXPECT_EQ(test::readFile(tmp / "w2.txt"), "Caf\xe9|\r\n");
  grid.setCell(1, 1, QString::fromUtf8("\xe2\x86\x92"));  // an arrow has no single-byte code
  grid.saveToFile(path("w3.txt"), &utf8);
  EXPECT_TRUE(utf8);
  EXPECT_EQ(test::readFile(tmp / "w3.txt"), "Caf\xc3\xa9|\xe2\x86\x92\r\n");
}

TEST_F(TQxGridFileTest, FileErrorsReachTheCaller) {
  EXPECT_THROW(grid.loadFromFile(path("missing.txt")), FileError);
  EXPECT_THROW(grid.saveToFile(path("no/such/folder/x.txt")), FileError);
}

// A form with a combo column (2), a date column (3) and a button column (4).
struct ControlsForm : GridForm {
  ControlsForm() {
    grid->setColCount(5);
    combo = new QComboBox(&form);
    combo->addItems({"Slideshow Beach", "Thumbnail Boats", "Subscriber News"});
    picker = new QDateEdit(&form);
    button = new QPushButton("...", &form);
    button->resize(20, 19);
    grid->setColComponents({"", "", "links", "dates", "pick"}, {nullptr, nullptr, combo, picker, button});
    fill(12);
    form.show();
    QApplication::setActiveWindow(&form);
  }
  QRect cellOnForm(int col, int row) const {
    QRect r = grid->visualRect(grid->model()->index(row - 1, col - 1));
    return QRect(grid->viewport()->mapTo(&form, r.topLeft()), r.size());
  }
  QComboBox* combo;
  QDateEdit* picker;
  QPushButton* button;
};

TEST(TQxGridControls, ComboFollowsTheSelectionAndWritesIntoTheCell) {
  ControlsForm f;
  f.grid->setCell(2, 4, "Thumbnail Boats");
  f.grid->setCurrentCell(2, 4);
  ASSERT_TRUE(f.combo->isVisible());
  EXPECT_FALSE(f.picker->isVisible());
  EXPECT_EQ(f.combo->currentText(), "Thumbnail Boats");
  const QRect cell = f.cellOnForm(2, 4);
  EXPECT_EQ(f.combo->geometry(), QRect(cell.left(), cell.top(), f.grid->colWidth(2) + 2, 17));
  EXPECT_EQ(f.grid->editTriggers(), QAbstractItemView::NoEditTriggers);

  f.combo->setCurrentIndex(2);
  EXPECT_EQ(f.grid->cell(2, 4), "Subscriber News");

  // A cell whose text is no entry selects none, and placing does not touch the cell.
  f.grid->setCurrentCell(2, 5);
  EXPECT_EQ(f.combo->currentIndex(), -1);
  EXPECT_EQ(f.grid->cell(2, 5), "k5");

  // Another column: the combo goes away and the cell is editable again.
  f.grid->setCurrentCell(1, 5);
  EXPECT_FALSE(f.combo->isVisible());
  EXPECT_NE(f.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(TQxGridControls, ControlIsPlacedOverACellScrolledIntoView) {
  ControlsForm f;
  f.grid->setCurrentCell(2, 12);  // below the visible rows
  ASSERT_TRUE(f.combo->isVisible());
  const QRect cell = f.cellOnForm(2, 12);
  EXPECT_TRUE(f.grid->viewport()->rect().contains(f.grid->visualRect(f.grid->currentIndex())));
  EXPECT_EQ(f.combo->pos(), cell.topLeft());
  // Scrolling back moves the combo out of view with its cell.
  f.grid->verticalScrollBar()->setValue(0);
  EXPECT_FALSE(f.combo->isVisible());
  f.grid->verticalScrollBar()->setValue(f.grid->verticalScrollBar()->maximum());
  EXPECT_TRUE(f.combo->isVisible());
  EXPECT_EQ(f.combo->pos(), f.cellOnForm(2, 12).topLeft());
}

TEST(TQxGridControls, NavigationKeysInTheComboMoveTheGrid) {
  ControlsForm f;
  f.grid->setCurrentCell(2, 2);
  ASSERT_TRUE(f.combo->hasFocus());
  QTest::keyClick(f.combo, Qt::Key_Return);  // Enter moves like Tab
  EXPECT_EQ(f.grid->Col(), 3);
  EXPECT_EQ(f.grid->Row(), 2);
  EXPECT_FALSE(f.combo->isVisible());
  EXPECT_TRUE(f.picker->isVisible());
  EXPECT_TRUE(f.picker->hasFocus());
  QTest::keyClick(f.picker, Qt::Key_Left);
  EXPECT_EQ(f.grid->Col(), 2);
  QTest::keyClick(f.combo, Qt::Key_Down);  // the closed combo does not change its entry
  EXPECT_EQ(f.grid->Row(), 3);
  EXPECT_EQ(f.grid->cell(2, 2), "k2");
  QTest::keyClick(f.combo, Qt::Key_Tab);
  EXPECT_EQ(f.grid->Col(), 3);
}

TEST(TQxGridControls, TypingInTheClosedComboDropsItsListAndKeysThenStayInIt) {
  ControlsForm f;
  f.grid->setCurrentCell(2, 2);
  ASSERT_FALSE(f.combo->view()->isVisible());
  QTest::keyClick(f.combo, Qt::Key_T);
  EXPECT_TRUE(f.combo->view()->isVisible());
  // With the list open, Down moves in the list, not in the grid.
  QTest::keyClick(f.combo->view(), Qt::Key_Down);
  EXPECT_EQ(f.grid->Row(), 2);
  f.combo->hidePopup();
}

// The number column as drawn: the first dark pixel of each number sits at its
// offset (a glyph may start a pixel or two inside its advance).
TEST(TQxGrid, RowNumbersAreDrawnAtTheirOffsets) {
  GridForm f;
  f.grid->LeftColNumber(true);
  f.fill(130);
  f.form.show();
  for (const auto& [row, offset] : {std::pair{7, 12}, {42, 7}, {123, 2}}) {
    f.grid->setTopRow(row);
    QHeaderView* header = f.grid->verticalHeader();
    const int section = row - 1;
    const QImage image = header->grab().toImage();
    const int top = header->sectionViewportPosition(section), height = header->sectionSize(section);
    int firstDark = -1;
    for (int x = 0; x < image.width() && firstDark < 0; ++x)
      for (int y = top + 1; y < top + height - 1; ++y)
        if (qGray(image.pixel(x, y)) < 100) {
          firstDark = x;
          break;
        }
    EXPECT_GE(firstDark, offset) << row;
    EXPECT_LE(firstDark, offset + 2) << row;
  }
}

TEST(TQxGridControls, DatePickerAndButton) {
  ControlsForm f;
  f.picker->setDate(QDate(2020, 1, 2));
  f.grid->setCell(3, 2, "not a date");
  f.grid->setCurrentCell(3, 2);
  EXPECT_EQ(f.picker->date(), QDate(2020, 1, 2));  // kept
  EXPECT_EQ(f.picker->height(), 17 + 4);
  f.picker->setDate(QDate(2021, 3, 4));
  const QString written = f.grid->cell(3, 2);
  EXPECT_TRUE(written.contains("2021")) << written.toStdString();  // the century is kept
  f.grid->setCurrentCell(1, 3);
  f.picker->setDate(QDate(2000, 1, 1));  // while hidden: writes nowhere
  EXPECT_EQ(f.grid->cell(3, 2), written);
  f.grid->setCell(3, 3, written);
  f.grid->setCurrentCell(3, 3);
  EXPECT_EQ(f.picker->date(), QDate(2021, 3, 4));  // read back from the cell

  QObject* sender = nullptr;
  f.grid->OnButton1Click = [&](QObject* s) { sender = s; };
  f.grid->setCurrentCell(4, 2);
  ASSERT_TRUE(f.button->isVisible());
  const QRect cell = f.cellOnForm(4, 2);
  EXPECT_EQ(f.button->geometry(), QRect(cell.left() + f.grid->colWidth(4) - 20 + 1, cell.top(), 20, 19));
  EXPECT_NE(f.grid->editTriggers(), QAbstractItemView::NoEditTriggers);  // the cell stays editable
  f.button->click();
  EXPECT_EQ(sender, f.button);
}

}  // namespace
}  // namespace tavo
