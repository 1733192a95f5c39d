#include "creator/wizard/WizardPrinting.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QTextDocument>

#include "creator/main/TFmMain.h"

namespace tavo::creator {

bool printGridReport(TFmMain& main, const QTableWidget& grid, const QString& title, QWidget* parent) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const ReportSettings report = main.settings().readReports();
  printer.setPageMargins(QMarginsF(report.leftMargin, report.topMargin, report.leftMargin, report.topMargin),
                         QPageLayout::Inch);
  QString html = QString("<h1 style='font-family:%1; font-size:%2pt'>%3</h1><table border=1 cellspacing=0 "
                         "cellpadding=2 style='font-family:%1; font-size:%4pt'><tr>")
                     .arg(QString::fromStdString(report.fontName).toHtmlEscaped())
                     .arg(report.headerFontSize)
                     .arg(title.toHtmlEscaped())
                     .arg(report.fontSize);
  for (int c = 0; c < grid.columnCount(); ++c) {
    const QTableWidgetItem* header = grid.horizontalHeaderItem(c);
    html += "<th>" + (header ? header->text().toHtmlEscaped() : QString()) + "</th>";
  }
  html += "</tr>";
  for (int r = 0; r < grid.rowCount(); ++r) {
    html += "<tr>";
    for (int c = 0; c < grid.columnCount(); ++c) {
      const QTableWidgetItem* cell = grid.item(r, c);
      html += "<td>" + (cell ? cell->text().toHtmlEscaped() : QString()) + "</td>";
    }
    html += "</tr>";
  }
  html += "</table>";
  QTextDocument document;
  document.setHtml(html);
  document.print(&printer);
  return true;
}

}  // namespace tavo::creator
