// A window with the creator's kind of grid, to look at by hand or in a
// screenshot: row numbers, a title row, a combo column (opened on start with
// --open-combo), a date column and a button column. Quits after --quit-after
// milliseconds when given; --edit opens a cell's editor, --print-dialog the
// print dialog. With --print <file.pdf> it prints the grid as a
// report to that file instead and ends.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "common/widgets/TPrintGrid.h"
#include "common/widgets/TQxGrid.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();

  QWidget form;
  form.setWindowTitle("Grid");
  form.resize(560, 260);
  auto* grid = new tavo::TQxGrid(&form);
  grid->setGeometry(10, 10, 540, 240);
  grid->setColCount(5);
  grid->LeftColNumber(true);
  grid->AutoInsert = grid->AutoDelete = true;
  grid->setTitles({"", "Text", "Link", "Date", "File"});
  grid->showTitles();
  grid->setColWidth(1, 170);
  grid->setColWidth(2, 150);
  grid->setColWidth(3, 90);
  grid->setColWidth(4, 90);

  auto* combo = new QComboBox(&form);
  combo->addItems({"Slideshow Beach", "Thumbnail Boats", "Subscriber Sports Club", "http://harbour.example"});
  auto* date = new QDateEdit(&form);
  auto* button = new QPushButton("...", &form);
  button->resize(22, 19);
  grid->setColComponents({"", "", "link", "date", "file"}, {nullptr, nullptr, combo, date, button});

  grid->setRowCount(120);
  for (int r = 1; r < 120; ++r) {
    grid->setCell(1, r, QString("Harbour news item %1").arg(r));
    grid->setCell(2, r, r % 3 == 0 ? "Thumbnail Boats" : "Slideshow Beach");
    grid->setCell(3, r, QLocale::system().toString(QDate(2026, 12, 1).addDays(r), "M/d/yyyy"));
    grid->setCell(4, r, QString("file%1.txt").arg(r));
  }
  if (const qsizetype p = args.indexOf("--print"); p >= 0 && p + 1 < args.size()) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(args[p + 1]);
    tavo::TPrintGrid report(printer);
    report.title = "Harbour Town Ticker";
    report.printGrid(*grid);
    return 0;
  }
  form.show();
  grid->setCurrentCell(2, 104);  // far below the view: the grid scrolls it in first

  if (args.contains("--edit"))
    QTimer::singleShot(300, grid, [grid] {
      grid->setCurrentCell(1, 103);
      grid->edit(grid->currentIndex());
    });
  if (args.contains("--print-dialog"))
    QTimer::singleShot(300, &form, [&form] {
      QPrinter printer;
      tavo::TPrintGrid::choosePrinter(printer, &form);
    });
  if (args.contains("--open-combo")) QTimer::singleShot(300, combo, [combo] { combo->showPopup(); });
  const qsizetype q = args.indexOf("--quit-after");
  if (q >= 0 && q + 1 < args.size()) QTimer::singleShot(args[q + 1].toInt(), &app, &QApplication::quit);
  return app.exec();
}
