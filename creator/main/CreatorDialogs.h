#pragma once
// The creator's prompts that are more than a message box: name prompts, the
// one-line input box, the folder pick list and the about box. The main window
// and the wizard pages ask through this interface; the program uses
// QtCreatorDialogs, tests answer from a script.

#include <QString>
#include <QWidget>
#include <optional>
#include <utility>

#include "common/widgets/NamePrompts.h"

namespace tavo::creator {

class CreatorDialogs {
 public:
  virtual ~CreatorDialogs() = default;

  // The new-name prompt: asks until the name is acceptable (not blank, no
  // forbidden character, no existing folder of that name in `targetFolder`);
  // empty when cancelled.
  virtual QString askNewName(const QString& kind, const QString& targetFolder) = 0;
  // A one-line input box; nothing when cancelled.
  virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) = 0;

  // The two-field dialog (TFmGet2Strings) with its OK rules; the two trimmed
  // texts on OK, nothing on Cancel.
  virtual std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) = 0;

  struct Pick {
    int offered = 0;               // entries listed; 0 means the list was not shown
    std::optional<QString> choice;  // nothing when cancelled
  };
  // The folder pick list: the sub-folders matching `pathPattern` (a folder plus
  // "*.*"), sorted.
  virtual Pick pickFolder(const QString& caption, const QString& pathPattern, const QString& prompt) = 0;

  // A warning box with one OK button.
  virtual void showWarning(const QString& message) = 0;
  // The about box.
  virtual void showAbout() = 0;
};

}  // namespace tavo::creator
