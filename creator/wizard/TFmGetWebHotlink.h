#pragma once
// The link dialog of the text editor: the link, the question and the play
// time of a banner ad or question line.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace tavo::creator {

class TFmGetWebHotlink : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Banner, Question };
  TFmGetWebHotlink(Mode mode, const QString& playTime, QWidget* parent = nullptr);

  QString link() const { return EdLink->text(); }
  QString question() const { return EdQuestion->text(); }
  QString playTime() const { return lastValidTime_; }

  // OK: a valid play time ends the dialog; another is refused with the
  // message (shown through `showMessage`), and the last valid time put back.
  void BtnOkClick();
  std::function<void(const QString&)> showMessage;
  // Browse: the HTML file's name (asked when `file` is empty).
  void BtnBrowseClick(const QString& file = QString());

  QLineEdit* EdLink;
  QLineEdit* EdQuestion;
  QLabel* LbQuestion;
  QLineEdit* EdPlayTime;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QPushButton* BtnBrowse;

 private:
  QString lastValidTime_;
};

}  // namespace tavo::creator
