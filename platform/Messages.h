#pragma once
// Modal message boxes. Texts are characters (QString); callers convert file
// text with platform/QtText.h.

#include <QString>

namespace tavo::platform {

class Messages {
 public:
  virtual ~Messages() = default;
  // Information box titled with the application title, one OK button.
  virtual void showInfo(const QString& message) = 0;
  // Information box with the given title, one OK button.
  virtual void showInfoTitled(const QString& message, const QString& title) = 0;
  // Question with Yes and No; true for Yes.
  virtual bool askYesNo(const QString& message, const QString& title) = 0;
  // Error box, one OK button.
  virtual void showError(const QString& message) = 0;
};

}  // namespace tavo::platform
