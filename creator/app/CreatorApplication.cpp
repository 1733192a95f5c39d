#include "creator/app/CreatorApplication.h"

#include <QMessageBox>

namespace tavo::creator {

bool CreatorApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    handle(std::current_exception());
    return true;
  }
}

void CreatorApplication::handle(std::exception_ptr error) {
  if (handler_) {
    try {
      handler_(error);
      return;
    } catch (...) {
      // The handler itself failed (it shows a box, so memory may be short):
      // fall through to the plainest report.
    }
  }
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(e.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, applicationName(), "An unknown error occurred.");
  }
}

}  // namespace tavo::creator
