#pragma once
// The creator's application object: every exception that reaches the event
// loop goes to the installed error handler, and the program goes on.

#include <QApplication>
#include <exception>
#include <functional>

namespace tavo::creator {

class CreatorApplication : public QApplication {
 public:
  CreatorApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  // The running application when it is a CreatorApplication, else nullptr.
  static CreatorApplication* instance() { return dynamic_cast<CreatorApplication*>(QCoreApplication::instance()); }

  void setErrorHandler(std::function<void(std::exception_ptr)> handler) { handler_ = std::move(handler); }
  // Delivers the event; an exception thrown while handling it is passed to
  // the error handler and the event counts as handled.
  bool notify(QObject* receiver, QEvent* event) override;
  // What notify() does with an exception (also for code that catches one).
  void handle(std::exception_ptr error);

 private:
  std::function<void(std::exception_ptr)> handler_;
};

}  // namespace tavo::creator
