#include "common/widgets/TFmGet2Strings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/NameRules.h"
#include "platform/QtText.h"

namespace tavo {

TFmGet2Strings::TFmGet2Strings(platform::Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      LbPrompt1(new QLabel(this)),
      LbPrompt2(new QLabel(this)),
      Edit1(new QLineEdit(this)),
      Edit2(new QLineEdit(this)),
      BtnOK(new QPushButton("OK", this)),
      BtnCancel(new QPushButton("Cancel", this)),
      messages_(messages) {
  setFixedSize(429, 164);
  LbPrompt1->setObjectName("LbPrompt1");
  LbPrompt2->setObjectName("LbPrompt2");
  Edit1->setObjectName("Edit1");
  Edit2->setObjectName("Edit2");
  BtnOK->setObjectName("BtnOK");
  BtnCancel->setObjectName("BtnCancel");
  LbPrompt1->setGeometry(12, 20, 100, 17);
  Edit1->setGeometry(116, 16, 297, 23);
  LbPrompt2->setGeometry(12, 60, 100, 17);
  Edit2->setGeometry(116, 56, 297, 23);
  LbPrompt1->setBuddy(Edit1);
  LbPrompt2->setBuddy(Edit2);
  BtnOK->setGeometry(128, 112, 80, 27);
  BtnCancel->setGeometry(222, 112, 80, 27);
  BtnOK->setDefault(true);
  connect(BtnOK, &QPushButton::clicked, this, &TFmGet2Strings::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFmGet2Strings::setup(const QString& caption, const QString& label1, const QString& label2,
                           const QString& first, const QString& second) {
  setWindowTitle(caption);
  LbPrompt1->setText(label1);
  LbPrompt2->setText(label2);
  FirstText = first;
  SecondText = second;
}

int TFmGet2Strings::exec() {
  Edit1->setText(FirstText);
  Edit2->setText(SecondText);
  Edit1->setFocus();
  return QDialog::exec();
}

void TFmGet2Strings::done(int result) {
  FirstText = Edit1->text();
  SecondText = Edit2->text();
  QDialog::done(result);
}

void TFmGet2Strings::BtnOKClick() {
  std::optional<std::string> target;
  if (TargetFolder) target = platform::toPath(*TargetFolder);
  const TwoTextsCheck c = checkTwoTexts(Edit1->text().toStdString(), Edit2->text().toStdString(),
                                        LbPrompt1->text().toStdString(), LbPrompt2->text().toStdString(), target);
  Edit1->setText(QString::fromStdString(c.first));
  Edit2->setText(QString::fromStdString(c.second));
  if (!c.accepted()) {
    messages_.showInfo(QString::fromStdString(c.message));
    return;
  }
  accept();
}

}  // namespace tavo
