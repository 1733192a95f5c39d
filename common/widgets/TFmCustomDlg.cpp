#include "common/widgets/TFmCustomDlg.h"

#include <QAbstractButton>
#include <QFrame>
#include <QResizeEvent>

#include "common/ButtonSpread.h"

namespace tavo {

namespace {
constexpr int kPanelHeight = 41;
}

TFmCustomDlg::TFmCustomDlg(QWidget* parent) : QDialog(parent), PnButtons_(new QFrame(this)) {
  PnButtons_->setObjectName("PnButtons");
}

void TFmCustomDlg::spreadPanelButtons() {
  QList<QAbstractButton*> buttons = PnButtons_->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  std::vector<int> widths;
  for (QAbstractButton* b : buttons) widths.push_back(b->width());
  const ButtonSpread spread = spreadButtons(width(), widths);
  if (spread.dialogWidth > width()) {
    resize(spread.dialogWidth, height());  // comes back here through resizeEvent
    return;
  }
  PnButtons_->setGeometry(0, height() - kPanelHeight, width(), kPanelHeight);
  for (qsizetype i = 0; i < buttons.size(); ++i) {
    QAbstractButton* b = buttons[i];
    b->move(spread.lefts[static_cast<std::size_t>(i)], (kPanelHeight - b->height()) / 2);
  }
}

void TFmCustomDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  spreadPanelButtons();
}

}  // namespace tavo
