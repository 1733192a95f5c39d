#pragma once
// The creator's name prompts. They ask through a TextPrompts, so that forms
// get real input boxes (QtTextPrompts) and tests answer from a script
// (ScriptedTextPrompts in common/widgets/ScriptedTextPrompts.h):
//
//   QtTextPrompts prompts(platform.messages, this);
//   QString name = askNewName(prompts, "slideshow", libraryFolder);
//   if (name.isEmpty()) return;            // cancelled
//   ... create libraryFolder + name ...
//
// The rules (blank, forbidden characters, ".", "..", length, existing folder)
// are the plain functions of common/NameRules.h.

#include <QString>
#include <optional>
#include <utility>

#include "platform/Messages.h"

class QWidget;

namespace tavo {

// What the two-field dialog TFmGet2Strings is asked with.
struct TwoStringsRequest {
  QString caption;
  QString label1, label2;
  QString first, second;               // start texts of the two boxes
  std::optional<QString> targetFolder;  // with one, the first text is a new folder name
};

class TextPrompts {
 public:
  virtual ~TextPrompts() = default;
  // One-line input box; nothing when cancelled.
  virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) = 0;
  // The two-field dialog with its OK rules; the two trimmed texts on OK, nothing on Cancel.
  virtual std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) = 0;
  // Where refusals and questions are shown.
  virtual platform::Messages& messages() = 0;
};

// Asks for the name of a new `kind` ("content provider") to be created in
// `targetFolder` until it is acceptable; empty when the user cancels.
QString askNewName(TextPrompts& prompts, const QString& kind, const QString& targetFolder);
// Asks for a new name of the `kind` called `currentName`; with `overwriteAllowed`
// an existing name is accepted after a Yes to the overwrite question. Empty when cancelled.
QString askSaveAsName(TextPrompts& prompts, const QString& kind, const QString& currentName,
                      const QString& targetFolder, bool overwriteAllowed);

// Qt's input box and TFmGet2Strings, owned by `parent`.
class QtTextPrompts : public TextPrompts {
 public:
  QtTextPrompts(platform::Messages& messages, QWidget* parent) : messages_(messages), parent_(parent) {}
  std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) override;
  std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) override;
  platform::Messages& messages() override { return messages_; }

 private:
  platform::Messages& messages_;
  QWidget* parent_;
};

}  // namespace tavo
