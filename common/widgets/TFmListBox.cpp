#include "common/widgets/TFmListBox.h"

#include <QBitmap>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "common/widgets/ControlFunctions.h"

namespace tavo {

namespace {

constexpr int kPanelHeight = 41;
constexpr int kMargin = 10;
constexpr int kItemHeight = 16;

// Draws an entry as its columns: the picture named by the image column at the
// left, then each other field, one column advancing 4 pixels per character of its width + 30.
class ColumnsDelegate : public QStyledItemDelegate {
 public:
  ColumnsDelegate(TFmListBox* box) : QStyledItemDelegate(box), box_(box) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
  }
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    p->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    p->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    const QStringList fields = index.data().toString().split(*box_->delimiter());
    const std::vector<int>& widths = box_->columnWidths();
    int x = option.rect.left() + 2;
    const int imageField = box_->imageColumn() - 1;
    if (imageField >= 0 && imageField < fields.size()) {
      bool ok = false;
      const int image = fields[imageField].toInt(&ok);
      if (ok && image >= 0 && image < box_->images().size()) {
        const QPixmap& pm = box_->images()[image];
        p->drawPixmap(x, option.rect.top() + (option.rect.height() - pm.height()) / 2, pm);
        x += pm.width() + 2;
      }
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
      if (i == imageField) continue;
      const int chars = std::size_t(i) < widths.size() ? widths[std::size_t(i)] : int(fields[i].size());
      const int w = 4 * chars + 30;
      p->drawText(QRect(x, option.rect.top(), w, option.rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                  fields[i]);
      x += w;
    }
    p->restore();
  }

 private:
  TFmListBox* box_;
};

}  // namespace

TFmListBox::TFmListBox(platform::Messages& messages, QWidget* parent)
    : TFmCustomDlg(parent),
      LbCurValue(new QLabel("Current Value", this)),
      EdCurValue(new QLineEdit(this)),
      LbPrompt(new QLabel("Select a Value", this)),
      LBxValues(new QListWidget(this)),
      BtnOK(new QPushButton("OK", PnButtons())),
      BtnCancel(new QPushButton("Cancel", PnButtons())),
      messages_(messages) {
  setWindowTitle("Select a Value");
  LbCurValue->setObjectName("LbCurValue");
  EdCurValue->setObjectName("EdCurValue");
  LbPrompt->setObjectName("LbPrompt");
  LBxValues->setObjectName("LBxValues");
  BtnOK->setObjectName("BtnOK");
  BtnCancel->setObjectName("BtnCancel");
  QFont bold = LbCurValue->font();
  bold.setBold(true);
  LbCurValue->setFont(bold);
  LbPrompt->setFont(bold);
  LbPrompt->setAlignment(Qt::AlignCenter);
  EdCurValue->setReadOnly(true);
  BtnOK->resize(80, 27);
  BtnCancel->resize(80, 27);
  BtnOK->setDefault(true);
  BtnOK->setAutoDefault(true);
  connect(BtnOK, &QPushButton::clicked, this, &TFmListBox::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(LBxValues, &QListWidget::itemDoubleClicked, this, &TFmListBox::BtnOKClick);
  resize(MinWidth, 360);
}

void TFmListBox::setItems(const QStringList& items) {
  LBxValues->clear();
  LBxValues->addItems(items);
}

QStringList TFmListBox::items() const {
  QStringList out;
  for (int i = 0; i < LBxValues->count(); ++i) out << LBxValues->item(i)->text();
  return out;
}

void TFmListBox::setDelimiter(std::optional<QChar> delimiter) {
  delimiter_ = delimiter;
  QAbstractItemDelegate* old = LBxValues->itemDelegate();
  if (delimiter)
    LBxValues->setItemDelegate(new ColumnsDelegate(this));
  else
    LBxValues->setItemDelegate(new QStyledItemDelegate(LBxValues));
  if (old && old->parent() == this) old->deleteLater();
}

void TFmListBox::setImageList(const QList<QPixmap>& images, int imageColumn) {
  images_.clear();
  for (QPixmap pm : images) {
    pm.setMask(pm.createMaskFromColor(Qt::red));  // red is the transparent colour
    images_ << pm;
  }
  imageColumn_ = imageColumn;
}

void TFmListBox::setMultiSelect(bool on) {
  LBxValues->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TFmListBox::showCurrentValue(const QString& label, const QString& value) {
  curValueShown_ = true;
  LbCurValue->setText(label);
  EdCurValue->setText(value);
  LbCurValue->show();
  EdCurValue->show();
}

void TFmListBox::hideCurrentValue() {
  curValueShown_ = false;
  LbCurValue->hide();
  EdCurValue->hide();
}

QString TFmListBox::selectedValue() const {
  const QStringList all = selectedValues();
  return all.isEmpty() ? QString() : all.first();
}

QStringList TFmListBox::selectedValues() const {
  QStringList out;
  for (int i = 0; i < LBxValues->count(); ++i)
    if (LBxValues->item(i)->isSelected()) out << LBxValues->item(i)->text();
  return out;
}

std::vector<int> TFmListBox::columnWidthsInChars(const QStringList& items, std::optional<QChar> delimiter) {
  if (items.isEmpty()) return {0};
  if (!delimiter) {
    int w = 0;
    for (const QString& s : items) w = std::max(w, int(s.size()));
    return {w};
  }
  std::vector<int> widths(std::size_t(items.first().count(*delimiter) + 1), 0);
  for (const QString& s : items) {
    const QStringList fields = s.split(*delimiter);
    for (std::size_t c = 0; c < widths.size() && c < std::size_t(fields.size()); ++c)
      widths[c] = std::max(widths[c], int(fields[qsizetype(c)].size()));
  }
  return widths;
}

int TFmListBox::windowWidthFor(const std::vector<int>& columnWidths, int minWidth, int maxWidth) {
  long sum = 0;
  for (int w : columnWidths) sum += w;
  const long width = 45 + 5 * sum;
  return int(std::clamp<long>(width, minWidth, std::max(minWidth, maxWidth)));
}

void TFmListBox::BtnOKClick() {
  if (selectedValues().isEmpty()) {
    messages_.showInfo("You must select something or press Cancel");
    return;
  }
  accept();
}

void TFmListBox::showEvent(QShowEvent* event) {
  columnWidths_ = columnWidthsInChars(items(), delimiter_);
  setMinimumWidth(MinWidth);
  setMaximumWidth(std::max(MinWidth, MaxWidth));
  resize(windowWidthFor(columnWidths_, MinWidth, MaxWidth), height());
  TFmCustomDlg::showEvent(event);
  LBxValues->setFocus();
}

void TFmListBox::resizeEvent(QResizeEvent* event) {
  TFmCustomDlg::resizeEvent(event);
  layOut();
}

void TFmListBox::layOut() {
  LbCurValue->setGeometry(0, 8, LbCurValue->sizeHint().width(), 17);
  EdCurValue->setGeometry(kMargin, 28, width() - 2 * kMargin, 23);
  int promptTop = 60, listTop = 80;
  if (!curValueShown_) {  // the prompt and the list move up into the free place
    promptTop = LbCurValue->y() + 10;
    listTop = EdCurValue->y() + 10;
  }
  LbPrompt->setGeometry(0, promptTop, LbPrompt->sizeHint().width(), 17);
  centerInParent(LbCurValue);
  centerInParent(LbPrompt);
  LBxValues->setGeometry(kMargin, listTop, width() - 2 * kMargin, height() - kPanelHeight - listTop);
}

}  // namespace tavo
