#pragma once
// The real prompts of the creator on Qt widgets: the shared name prompts and
// input box, a pick list of folders, and the warning and about boxes.

#include <memory>

#include "common/widgets/NamePrompts.h"
#include "creator/main/CreatorDialogs.h"
#include "platform/Messages.h"

namespace tavo::creator {

class QtCreatorDialogs : public CreatorDialogs {
 public:
  QtCreatorDialogs(platform::Messages& messages, QString applicationTitle);
  // The window the prompts stand over.
  void setParentWindow(QWidget* parent);

  QString askNewName(const QString& kind, const QString& targetFolder) override;
  std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) override;
  std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) override;
  Pick pickFolder(const QString& caption, const QString& pathPattern, const QString& prompt) override;
  void showWarning(const QString& message) override;
  void showAbout() override;

 private:
  platform::Messages& messages_;
  QString title_;
  QWidget* parent_ = nullptr;
  std::unique_ptr<QtTextPrompts> prompts_;
};

}  // namespace tavo::creator
