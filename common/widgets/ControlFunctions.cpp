#include "common/widgets/ControlFunctions.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <algorithm>

#include "common/QxMisc.h"
#include "common/TextEncoding.h"

namespace tavo {

namespace {

bool hasCaption(QWidget* w) {
  return qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w);
}

void setTree(QWidget* container, bool enabled) {
  if (!container) return;
  const QColor caption = enabled ? QColor(0, 0, 0) : QColor(128, 128, 128);
  QList<QWidget*> all = container->findChildren<QWidget*>();
  all.prepend(container);
  for (QWidget* w : all) {
    w->setEnabled(enabled);
    if (hasCaption(w)) {
      QPalette p = w->palette();
      p.setColor(QPalette::WindowText, caption);
      p.setColor(QPalette::Disabled, QPalette::WindowText, caption);
      w->setPalette(p);
    }
  }
}

}  // namespace

void disableTree(QWidget* container) { setTree(container, false); }
void enableTree(QWidget* container) { setTree(container, true); }

void centerInParent(QWidget* control) {
  if (!control || !control->parentWidget()) return;
  control->move((control->parentWidget()->width() - control->width()) / 2, control->y());
}

void fillWidth(QWidget* control, int left, int rightMargin) {
  if (!control || !control->parentWidget()) return;
  control->setGeometry(left, control->y(), control->parentWidget()->width() - left - rightMargin, control->height());
}

void fillHeight(QWidget* control, int top, int bottomMargin) {
  if (!control || !control->parentWidget()) return;
  control->setGeometry(control->x(), top, control->width(), control->parentWidget()->height() - top - bottomMargin);
}

void fillComboWithSubfolders(const QString& folder, QComboBox* combo) {
  if (!combo) return;
  combo->clear();
  std::vector<std::string> names = listVisibleSubfoldersSorted(folder.toStdString());
  // Without regard to case, as every other listing: "alpha" before "Zeta".
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return foldCaseUtf8(a) < foldCaseUtf8(b); });
  for (const std::string& name : names) combo->addItem(QString::fromStdString(name));
}

}  // namespace tavo
