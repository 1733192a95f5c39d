#pragma once
// "Universal Update": describes when content updates would be downloaded.
// Shown from the setup wizard's "What is Universal Update?"; nothing in it is
// stored and nothing downloads.

#include <QDialog>

class QComboBox;
class QPushButton;
class QTimeEdit;

namespace tavo::player {

class TFmUniversalUpdate : public QDialog {
  Q_OBJECT

 public:
  explicit TFmUniversalUpdate(QWidget* parent = nullptr);

  QTimeEdit* TimeFrom = nullptr;
  QTimeEdit* TimeTo = nullptr;
  QComboBox* CBxBasis = nullptr;
  QPushButton* BtnOK = nullptr;
};

}  // namespace tavo::player
