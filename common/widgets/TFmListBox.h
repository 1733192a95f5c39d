#pragma once
// The pick-list dialog: a list of values, optionally in columns split by a
// delimiter with a picture column, an optional "Current Value" line, OK and
// Cancel spread in the bottom panel.
//
//   TFmListBox dlg(platform.messages, this);
//   dlg.LbPrompt->setText("Choose a slideshow");
//   dlg.setItems(names);
//   dlg.showCurrentValue("Current Value", current);
//   if (dlg.exec() == QDialog::Accepted) use(dlg.selectedValue());
//
// The window is as wide as its longest entry needs: 45 + 5 pixels per
// character of the widest entry (summed over the columns), within MinWidth
// and MaxWidth (300 and 600), which also bound resizing. Usually opened
// through TqxFileListBoxDialog or TqxListBoxDialog.

#include <QChar>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <optional>
#include <vector>

#include "common/widgets/TFmCustomDlg.h"
#include "platform/Messages.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavo {

class TFmListBox : public TFmCustomDlg {
  Q_OBJECT

 public:
  explicit TFmListBox(platform::Messages& messages, QWidget* parent = nullptr);

  QLabel* LbCurValue;
  QLineEdit* EdCurValue;
  QLabel* LbPrompt;
  QListWidget* LBxValues;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

  int MinWidth = 300;
  int MaxWidth = 600;

  void setItems(const QStringList& items);
  QStringList items() const;
  // With a delimiter each entry is a row of columns ("Beach|2|Sunset pictures").
  void setDelimiter(std::optional<QChar> delimiter);
  std::optional<QChar> delimiter() const { return delimiter_; }
  // Pictures for the column at `imageColumn` (1-based field number), which
  // holds an index into them; red is drawn transparent.
  void setImageList(const QList<QPixmap>& images, int imageColumn);
  void setMultiSelect(bool on);
  // Shows the current-value line with its label text and value; hidden otherwise.
  void showCurrentValue(const QString& label, const QString& value);
  void hideCurrentValue();

  // The selected entry (the first one with multi-select), or empty.
  QString selectedValue() const;
  QStringList selectedValues() const;

  // Width in characters of each column: the longest field of that column over
  // all entries; the column count is the field count of the first entry.
  static std::vector<int> columnWidthsInChars(const QStringList& items, std::optional<QChar> delimiter);
  // 45 + 5 x the sum of the column widths, within the limits.
  static int windowWidthFor(const std::vector<int>& columnWidths, int minWidth, int maxWidth);

  // The image column and the pictures, for drawing.
  int imageColumn() const { return imageColumn_; }
  const QList<QPixmap>& images() const { return images_; }
  const std::vector<int>& columnWidths() const { return columnWidths_; }

 public slots:
  void BtnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();
  platform::Messages& messages_;
  std::optional<QChar> delimiter_;
  QList<QPixmap> images_;
  int imageColumn_ = 0;
  bool curValueShown_ = true;
  std::vector<int> columnWidths_;
};

}  // namespace tavo
