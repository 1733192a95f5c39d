#pragma once
// A titled group of radio buttons with one chosen item, addressed by index.

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace tavo::player {

class TRadioGroup : public QGroupBox {
 public:
  TRadioGroup(const QString& title, const QStringList& items, QWidget* parent) : QGroupBox(title, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
      auto* b = new QRadioButton(items[i], this);
      group_.addButton(b, i);
      layout->addWidget(b);
    }
  }
  int itemIndex() const { return group_.checkedId(); }
  void setItemIndex(int index) {
    if (QAbstractButton* b = group_.button(index)) b->setChecked(true);
  }
  QString itemText(int index) const {
    QAbstractButton* b = group_.button(index);
    return b ? b->text() : QString();
  }
  int count() const { return static_cast<int>(group_.buttons().size()); }
  QRadioButton* item(int index) const { return static_cast<QRadioButton*>(group_.button(index)); }

 private:
  QButtonGroup group_{this};
};

}  // namespace tavo::player
