#include "creator/wizard/TFmGetWebHotlink.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpressionValidator>

#include "creator/logic/PlaylistEditing.h"

namespace tavo::creator {

TFmGetWebHotlink::TFmGetWebHotlink(Mode mode, const QString& playTime, QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(mode == Mode::Banner ? "Flash Banner Ad" : "Ask a Question");
  lastValidTime_ = isDialogPlayTime(playTime.toStdString()) ? playTime : QString("00:00");
  auto* l1 = new QLabel("Type in the web link for this text or", this);
  l1->setGeometry(10, 8, 330, 18);
  auto* l2 = new QLabel("Click the 'HTM Browse' to select a saved HTML file.", this);
  l2->setGeometry(10, 26, 330, 18);
  EdLink = new QLineEdit(this);
  EdLink->setGeometry(10, 48, 300, 22);
  BtnBrowse = new QPushButton("Browse", this);
  BtnBrowse->setGeometry(316, 48, 70, 22);
  LbQuestion = new QLabel("Enter a question", this);
  LbQuestion->setGeometry(10, 78, 300, 18);
  EdQuestion = new QLineEdit(this);
  EdQuestion->setGeometry(10, 96, 376, 22);
  const int y = mode == Mode::Banner ? 80 : 135;
  auto* lt = new QLabel("Play Time", this);
  lt->setGeometry(10, y, 70, 22);
  EdPlayTime = new QLineEdit(playTime, this);
  EdPlayTime->setMaxLength(5);
  EdPlayTime->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9:]*"), EdPlayTime));
  EdPlayTime->setGeometry(80, y, 60, 22);
  BtnOk = new QPushButton("OK", this);
  BtnOk->setGeometry(230, y, 75, 24);
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setGeometry(311, y, 75, 24);
  if (mode == Mode::Banner) {
    LbQuestion->hide();
    EdQuestion->hide();
  }
  setFixedSize(396, y + 34);
  showMessage = [this](const QString& m) { QMessageBox::information(this, windowTitle(), m); };
  connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnBrowse, &QPushButton::clicked, this, [this] { BtnBrowseClick(); });
}

void TFmGetWebHotlink::BtnOkClick() {
  const QString time = EdPlayTime->text();
  if (!isDialogPlayTime(time.toStdString())) {
    showMessage(kPlayTimeMessage);
    EdPlayTime->setText(lastValidTime_);
    EdPlayTime->setFocus();
    return;
  }
  lastValidTime_ = time.left(5);
  accept();
}

void TFmGetWebHotlink::BtnBrowseClick(const QString& file) {
  const QString chosen = file.isEmpty() ? QFileDialog::getOpenFileName(this, QString(), QString(),
                                                                       "HTML files (*.htm *.html);;All files (*)")
                                        : file;
  if (!chosen.isEmpty()) EdLink->setText(QFileInfo(chosen).fileName());
}

}  // namespace tavo::creator
