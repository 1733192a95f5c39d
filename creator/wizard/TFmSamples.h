#pragma once
// Example set-ups for the steps that need the most planning.

#include <QDialog>
#include <QStackedWidget>

namespace tavo::creator {

class TFmSamples : public QDialog {
  Q_OBJECT

 public:
  explicit TFmSamples(int topic, QWidget* parent = nullptr);
  QStackedWidget* PgSamples;
};

// The example text of a topic (1 to 11).
QString sampleText(int topic);

}  // namespace tavo::creator
