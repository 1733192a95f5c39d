#pragma once
// Printing a step page's grid as a report with the Reports settings of
// TavoCreator.ini (font, header font, margins; each default written back
// into the file when missing).

#include <QString>

class QWidget;

namespace tavo {
class TQxGrid;
}

namespace tavo::creator {

class TFmMain;

// Asks for the printer (or a PDF file); false when cancelled.
bool printGridReport(TFmMain& main, const TQxGrid& grid, const QString& title, QWidget* parent);

}  // namespace tavo::creator
