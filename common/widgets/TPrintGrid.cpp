#include "common/widgets/TPrintGrid.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <cmath>

#include "common/widgets/TQxGrid.h"

namespace tavo {

namespace {
constexpr double kScreenDpi = 96.0;
}

TPrintGrid::TPrintGrid(QPrinter& printer)
    : resolutionX(printer.logicalDpiX()),
      resolutionY(printer.logicalDpiY()),
      gap(resolutionY / 10),
      leftMargin(int(std::lround(resolutionX * 0.5))),
      topMargin(int(std::lround(resolutionY * 0.5))),
      processEvents([] { QCoreApplication::processEvents(); }),
      printer_(printer),
      font_("Arial", 10) {}

bool TPrintGrid::choosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void TPrintGrid::setFontName(const QString& name) {
  font_.setFamily(name);
  if (painter_) painter_->setFont(font_);
}

void TPrintGrid::setFontSize(int points) {
  font_.setPointSize(points);
  if (painter_) painter_->setFont(font_);
}

void TPrintGrid::setLeftMargin(double inches) { leftMargin = int(std::lround(resolutionX * inches)); }
void TPrintGrid::setTopMargin(double inches) { topMargin = int(std::lround(resolutionY * inches)); }

void TPrintGrid::abort() {
  aborted_ = true;
  if (printer_.printerState() == QPrinter::Active) printer_.abort();
}

int TPrintGrid::textHeight() const { return painter_->fontMetrics().height(); }

void TPrintGrid::printGrid(const TQxGrid& grid) {
  y = topMargin;
  if (printer_.printerState() == QPrinter::Active) printer_.abort();
  aborted_ = false;
  QPainter painter;
  if (!painter.begin(&printer_)) return;
  painter_ = &painter;
  painter.setFont(font_);
  processEvents();
  lineHeight = textHeight() + gap;
  const int pageHeight = printer_.height();

  if (!title.isEmpty()) printTitleLine();
  printHeaderLine(grid);
  for (int r = 1; r < grid.RowCount(); ++r) {
    if (aborted_) break;
    processEvents();
    if (aborted_) break;
    std::vector<Piece> pieces;
    if (showRowNumbers) pieces.emplace_back(QString::asprintf("%3d", r), 30);
    for (int c = 1; c < grid.ColCount(); ++c) pieces.emplace_back(grid.cell(c, r), grid.colWidth(c));
    printLine(pieces);
    if (pageHeight < y + lineHeight && r + 1 < grid.RowCount()) {
      y = topMargin;
      if (!aborted_) printer_.newPage();
      printTitleLine();
      printHeaderLine(grid);
    }
  }
  painter.end();
  painter_ = nullptr;
  // An aborted report to a file leaves no half-written file behind.
  if (aborted_ && !printer_.outputFileName().isEmpty()) QFile::remove(printer_.outputFileName());
}

void TPrintGrid::printTitleLine() {
  const QFont kept = painter_->font();
  QFont f = kept;
  f.setPointSize(headerFontSize);
  f.setBold(true);
  painter_->setFont(f);
  lineHeight = textHeight() + gap;
  const int w = painter_->fontMetrics().horizontalAdvance(title);
  if (!aborted_) painter_->drawText((printer_.width() - w) / 2, y + painter_->fontMetrics().ascent(), title);
  y += lineHeight + gap;
  painter_->setFont(kept);
}

void TPrintGrid::printHeaderLine(const TQxGrid& grid) {
  const QString sample = "This is a test";
  const int regular = painter_->fontMetrics().horizontalAdvance(sample);
  QFont f = painter_->font();
  f.setBold(true);
  f.setUnderline(true);
  painter_->setFont(f);
  const int styled = painter_->fontMetrics().horizontalAdvance(sample);
  widthRatio = regular > 0 ? double(styled) / regular : 1.0;
  std::vector<Piece> pieces;
  if (showRowNumbers) pieces.emplace_back("  #", 30);
  for (int c = 1; c < grid.ColCount(); ++c) pieces.emplace_back(grid.cell(c, 0), grid.colWidth(c));
  printLine(pieces);
  f.setBold(false);
  f.setUnderline(false);
  painter_->setFont(f);
}

void TPrintGrid::printLine(const std::vector<Piece>& pieces) {
  int x = leftMargin;
  for (const auto& [text, screenWidth] : pieces) {
    const double inches = screenWidth * widthRatio / kScreenDpi;
    const int right = x + int(std::lround(resolutionX * inches));
    if (!aborted_) {
      const QRect cell(x, y, right - x, lineHeight);
      painter_->save();
      painter_->setClipRect(cell);
      painter_->drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
      painter_->restore();
    }
    x = right;
  }
  // Lines are 2 x gap apart; a font taller than that keeps its lines apart.
  y += std::max(2 * gap, lineHeight);
}

}  // namespace tavo
