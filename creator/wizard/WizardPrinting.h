#pragma once
// Printing a step page's grid as a report with the Reports settings of
// TavoCreator.ini (font, header font, margins).

#include <QString>

class QTableWidget;
class QWidget;

namespace tavo::creator {

class TFmMain;

// Asks for the printer; false when cancelled.
bool printGridReport(TFmMain& main, const QTableWidget& grid, const QString& title, QWidget* parent);

}  // namespace tavo::creator
