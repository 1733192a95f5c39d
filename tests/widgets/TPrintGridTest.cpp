#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "common/widgets/TPrintGrid.h"
#include "common/widgets/TQxGrid.h"
#include "platform/QtText.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

// A grid like the creator's editors print: a number column, titles in row 0.
void fillReportGrid(TQxGrid& grid, int rows) {
  grid.setColCount(4);
  grid.setTitles({"", "Picture", "Caption", "Link"});
  grid.showTitles();
  grid.setRowCount(rows + 1);
  for (int r = 1; r <= rows; ++r) {
    grid.setCell(1, r, QString("pic%1.jpg").arg(r));
    grid.setCell(2, r, QString("Caption %1").arg(r));
    grid.setCell(3, r, QString("Slideshow Beach %1").arg(r));
  }
  grid.setColWidth(1, 120);
  grid.setColWidth(2, 160);
  grid.setColWidth(3, 200);
}

struct PdfPrinter {
  explicit PdfPrinter(const std::string& file) : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(platform::fromPath(file));
    printer.setPageSize(QPageSize(QPageSize::A4));
  }
  QPrinter printer;
};

// The text of each page, as pdftotext reads it back.
QStringList pdfPages(const std::string& file) {
  QProcess p;
  p.start("pdftotext", {"-layout", platform::fromPath(file), "-"});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

TEST(TPrintGrid, MarginsAndGapFollowTheResolution) {
  test::TempFolder tmp;
  PdfPrinter pdf(tmp / "x.pdf");
  TPrintGrid report(pdf.printer);
  EXPECT_EQ(report.resolutionY, pdf.printer.logicalDpiY());
  EXPECT_EQ(report.gap, report.resolutionY / 10);
  EXPECT_EQ(report.leftMargin, report.resolutionX / 2);
  report.setLeftMargin(0.75);
  report.setTopMargin(1.0 / 3.0);
  EXPECT_EQ(report.leftMargin, int(std::lround(report.resolutionX * 0.75)));
  EXPECT_EQ(report.topMargin, int(std::lround(report.resolutionY / 3.0)));
  EXPECT_TRUE(report.showRowNumbers);
  EXPECT_TRUE(report.title.isEmpty());
}

TEST(TPrintGrid, EveryPageCarriesTheTitleAndHeaders) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
  test::TempFolder tmp;
  TQxGrid grid;
  fillReportGrid(grid, 90);  // about 36 rows fit on an A4 page
  PdfPrinter pdf(tmp / "report.pdf");
  TPrintGrid report(pdf.printer);
  report.title = "Harbour Town Slideshow";
  int processed = 0;
  report.processEvents = [&] { ++processed; };
  report.printGrid(grid);
  EXPECT_EQ(processed, 1 + 90);  // once at the start, once per row
  EXPECT_GT(report.widthRatio, 1.0);  // bold headers are wider

  const QStringList pages = pdfPages(tmp / "report.pdf");
  ASSERT_EQ(pages.size(), 3) << pages.join("\n----\n").toStdString();
  for (const QString& page : pages) {
    EXPECT_TRUE(page.contains("Harbour Town Slideshow"));
    EXPECT_TRUE(page.contains("Picture"));
    EXPECT_TRUE(page.contains("Caption "));
    EXPECT_TRUE(page.contains("Link"));
    EXPECT_TRUE(page.contains("#"));
  }
  // Every row once, in order, numbered.
  const QString all = pages.join("");
  qsizetype at = 0;
  for (int r = 1; r <= 90; ++r) {
    const qsizetype next = all.indexOf(QString("Caption %1").arg(r), at);
    ASSERT_GE(next, at) << r;
    at = next;
  }
  EXPECT_TRUE(QRegularExpression("\\b90 +pic90\\.jpg +Caption 90 +Slideshow Beach 90").match(all).hasMatch());
}

TEST(TPrintGrid, AbortStopsBetweenRowsAndLeavesNoFile) {
  test::TempFolder tmp;
  TQxGrid grid;
  fillReportGrid(grid, 200);
  PdfPrinter pdf(tmp / "aborted.pdf");
  TPrintGrid report(pdf.printer);
  int processed = 0;
  report.processEvents = [&] {
    if (++processed == 11) report.abort();  // the user cancels while row 10 is printed
  };
  report.printGrid(grid);
  EXPECT_TRUE(report.aborted());
  EXPECT_EQ(processed, 11);
  EXPECT_FALSE(QFile::exists(platform::fromPath(tmp / "aborted.pdf")));
}

}  // namespace
}  // namespace tavo
