#include "creator/wizard/WizardPrinting.h"

#include <QPrinter>

#include "common/widgets/TPrintGrid.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"

namespace tavo::creator {

bool printGridReport(TFmMain& main, const TQxGrid& grid, const QString& title, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  if (!TPrintGrid::choosePrinter(printer, parent)) return false;
  TPrintGrid report(printer);
  report.title = title;
  const ReportSettings settings = main.settings().readReports();
  report.setFontName(QString::fromStdString(settings.fontName));
  report.setFontSize(static_cast<int>(settings.fontSize));
  report.headerFontSize = static_cast<int>(settings.headerFontSize);
  report.setLeftMargin(settings.leftMargin);
  report.setTopMargin(settings.topMargin);
  report.printGrid(grid);
  return true;
}

}  // namespace tavo::creator
