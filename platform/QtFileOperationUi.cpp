#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QProgressDialog>

#include "platform/QtServices.h"

namespace tavo::platform {

namespace {

FileOperationUi::Answer ask(QProgressDialog* progress, const QString& title, const QString& text,
                            QMessageBox::StandardButtons buttons) {
  // The progress window may still be waiting for its minimum duration: show
  // it first, so that the question stands over it rather than in a corner.
  QWidget* parent = progress;
  if (progress && !progress->isVisible()) {
    progress->show();
    QApplication::processEvents();
  }
  const auto button = QMessageBox::question(parent, title, text, buttons, QMessageBox::Yes);
  switch (button) {
    case QMessageBox::Yes: return FileOperationUi::Answer::Yes;
    case QMessageBox::YesToAll: return FileOperationUi::Answer::YesToAll;
    case QMessageBox::No: return FileOperationUi::Answer::No;
    default: return FileOperationUi::Answer::Cancel;  // also a box closed without an answer
  }
}

}  // namespace

QtFileOperationUi::QtFileOperationUi() = default;
QtFileOperationUi::~QtFileOperationUi() = default;

void QtFileOperationUi::begin(const QString& title) {
  dialog_ = std::make_unique<QProgressDialog>();
  dialog_->setWindowTitle(title);
  // The operation runs on the user-interface thread and lets events through
  // for the Cancel button; nothing else may be clicked meanwhile.
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setRange(0, 0);  // the number of entries is not known in advance
  dialog_->setMinimumWidth(420);
  dialog_->setMinimumDuration(300);
  dialog_->setCancelButtonText(QObject::tr("Cancel"));
}

bool QtFileOperationUi::progress(const QString& entryName) {
  if (!dialog_) return true;
  // Long paths are shortened in the middle, so that the window keeps its size.
  const QFontMetrics metrics(dialog_->font());
  dialog_->setLabelText(metrics.elidedText(entryName, Qt::ElideMiddle, 400));
  dialog_->setValue(0);
  QApplication::processEvents();
  return !dialog_->wasCanceled();
}

void QtFileOperationUi::end() { dialog_.reset(); }

FileOperationUi::Answer QtFileOperationUi::confirmReplace(const QString& target) {
  return ask(dialog_.get(), QObject::tr("Confirm Replace"),
             QObject::tr("%1 already exists.\n\nDo you want to replace it?").arg(target),
             QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::Cancel);
}

FileOperationUi::Answer QtFileOperationUi::confirmDelete(const QString& path) {
  return ask(dialog_.get(), QObject::tr("Confirm Delete"),
             QObject::tr("Are you sure you want to delete %1 for good?").arg(path),
             QMessageBox::Yes | QMessageBox::No);
}

}  // namespace tavo::platform
