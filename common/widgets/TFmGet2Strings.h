#pragma once
// The two-field dialog: a name with a second text ("Thumbnail Name" and
// "Title Caption") checked against a target folder, or, without a target
// folder, a plain box for two texts.
//
//   TFmGet2Strings dlg(platform.messages, this);
//   dlg.setup("New Thumbnail", "Thumbnail Name", "Title Caption");
//   dlg.TargetFolder = thumbnailLibrary;
//   if (dlg.exec() == QDialog::Accepted) use(dlg.FirstText, dlg.SecondText);
//
// OK trims both boxes and applies checkTwoTexts (common/NameRules.h); a
// refusal is shown as an information box and the dialog stays open. Closing
// either way copies both boxes into FirstText and SecondText.

#include <QDialog>
#include <QString>
#include <optional>

#include "platform/Messages.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavo {

class TFmGet2Strings : public QDialog {
  Q_OBJECT

 public:
  explicit TFmGet2Strings(platform::Messages& messages, QWidget* parent = nullptr);

  // Caption, label texts and start texts in one call.
  void setup(const QString& caption, const QString& label1, const QString& label2, const QString& first = {},
             const QString& second = {});

  QString FirstText;
  QString SecondText;
  std::optional<QString> TargetFolder;

  QLabel* LbPrompt1;
  QLabel* LbPrompt2;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

  // Copies the texts into the boxes and shows the dialog modally.
  int exec() override;
  void done(int result) override;

 public slots:
  void BtnOKClick();

 private:
  platform::Messages& messages_;
};

}  // namespace tavo
