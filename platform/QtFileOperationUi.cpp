#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>

#include "platform/QtServices.h"

namespace tavo::platform {

QtFileOperationUi::QtFileOperationUi() = default;
QtFileOperationUi::~QtFileOperationUi() = default;

void QtFileOperationUi::begin(const QString& title) {
  dialog_ = std::make_unique<QProgressDialog>();
  dialog_->setWindowTitle(title);
  dialog_->setRange(0, 0);  // the number of entries is not known in advance
  dialog_->setMinimumDuration(300);
  dialog_->setCancelButtonText(QObject::tr("Cancel"));
}

bool QtFileOperationUi::progress(const QString& entryName) {
  if (!dialog_) return true;
  dialog_->setLabelText(entryName);
  dialog_->setValue(0);
  QApplication::processEvents();
  return !dialog_->wasCanceled();
}

void QtFileOperationUi::end() { dialog_.reset(); }

FileOperationUi::Answer QtFileOperationUi::confirmReplace(const QString& target) {
  const auto b = QMessageBox::question(dialog_.get(), QObject::tr("Confirm Replace"),
                                       QObject::tr("%1 already exists.\nDo you want to replace it?").arg(target),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

FileOperationUi::Answer QtFileOperationUi::confirmDelete(const QString& path) {
  const auto b = QMessageBox::question(dialog_.get(), QObject::tr("Confirm Delete"),
                                       QObject::tr("Are you sure you want to delete %1?").arg(path),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

}  // namespace tavo::platform
