#pragma once
// Base of the programs' small dialogs: a bottom panel `PnButtons` whose buttons
// are spread evenly across the dialog on every resize (common/ButtonSpread.h).

#include <QDialog>

class QFrame;

namespace tavo {

class TFmCustomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFmCustomDlg(QWidget* parent = nullptr);

  // The bottom panel; buttons placed in it (as direct children) are spread.
  QFrame* PnButtons() const { return PnButtons_; }
  // Lays the buttons out again (also done on every resize).
  void spreadPanelButtons();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QFrame* PnButtons_;
};

}  // namespace tavo
