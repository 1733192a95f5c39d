#pragma once
// Prints a grid as a report: a centred title, a header line with the titles
// of row 0, then one line per row with the cells clipped to their columns'
// widths (screen widths scaled to the printer), title and header repeated on
// every page. Made for one print run:
//
//   QPrinter printer(QPrinter::HighResolution);
//   if (!TPrintGrid::choosePrinter(printer, this)) return;   // also offers PDF files
//   TPrintGrid report(printer);
//   report.title = "Ticker Text";
//   report.setFontName("Arial");  report.setFontSize(10);  report.headerFontSize = 12;
//   report.printGrid(*GridTicker);
//
// Pending events are processed once per printed row, so the program stays
// responsive and abort() (from a Cancel button) stops the job between rows;
// an aborted job issues no further pages and leaves no output file.

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace tavo {

class TQxGrid;

class TPrintGrid {
 public:
  explicit TPrintGrid(QPrinter& printer);

  // The standard print dialog; false when cancelled.
  static bool choosePrinter(QPrinter& printer, QWidget* parent);

  void setFontName(const QString& name);
  void setFontSize(int points);
  void setLeftMargin(double inches);
  void setTopMargin(double inches);

  const int resolutionX;  // printer dots per inch
  const int resolutionY;
  int gap;                // resolutionY / 10
  int lineHeight = 0;
  int y = 0;
  int leftMargin;         // in printer dots
  int topMargin;
  QString title;
  int headerFontSize = 12;
  bool showRowNumbers = true;
  double widthRatio = 1.0;

  // Runs once per printed row, before the row; replaceable where no event loop runs.
  std::function<void()> processEvents;

  void printGrid(const TQxGrid& grid);
  // Stops the running job before its next row.
  void abort();
  bool aborted() const { return aborted_; }

 private:
  using Piece = std::pair<QString, int>;  // text, width in screen pixels
  void printTitleLine();
  void printHeaderLine(const TQxGrid& grid);
  void printLine(const std::vector<Piece>& pieces);
  int textHeight() const;

  QPrinter& printer_;
  QPainter* painter_ = nullptr;
  QFont font_;
  bool aborted_ = false;
};

}  // namespace tavo
