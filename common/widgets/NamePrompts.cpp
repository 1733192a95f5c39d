#include "common/widgets/NamePrompts.h"

#include <QInputDialog>

#include "common/NameRules.h"
#include "common/widgets/TFmGet2Strings.h"
#include "platform/QtText.h"

namespace tavo {

QString askNewName(TextPrompts& prompts, const QString& kind, const QString& targetFolder) {
  const std::string k = kind.toStdString();
  const std::string target = platform::toPath(targetFolder);
  const QString caption = QString::fromStdString(newNameCaption(k));
  const QString prompt = QString::fromStdString(newNamePrompt(k));
  QString entry;
  for (;;) {
    std::optional<QString> answer = prompts.inputBox(caption, prompt, entry);
    if (!answer) return {};
    entry = *answer;
    const NameCheck c = checkNewName(entry.toStdString(), k, target);
    if (c.accepted()) return QString::fromStdString(c.name);
    prompts.messages().showInfo(QString::fromStdString(c.message));
  }
}

QString askSaveAsName(TextPrompts& prompts, const QString& kind, const QString& currentName,
                      const QString& targetFolder, bool overwriteAllowed) {
  const std::string k = kind.toStdString();
  const std::string target = platform::toPath(targetFolder);
  const QString caption = QString::fromStdString(saveAsCaption(k));
  const QString prompt = QString::fromStdString(saveAsPrompt(currentName.toStdString()));
  QString entry = currentName;
  for (;;) {
    std::optional<QString> answer = prompts.inputBox(caption, prompt, entry);
    if (!answer) return {};
    entry = *answer;
    const NameCheck c = checkSaveAsName(entry.toStdString(), k, currentName.toStdString(), target, overwriteAllowed);
    if (c.accepted()) return QString::fromStdString(c.name);
    if (c.verdict == NameVerdict::ExistsAskOverwrite) {
      if (prompts.messages().askYesNo(QString::fromStdString(c.message), "Confirm"))
        return QString::fromStdString(c.name);
      continue;
    }
    prompts.messages().showInfo(QString::fromStdString(c.message));
  }
}

std::optional<QString> QtTextPrompts::inputBox(const QString& caption, const QString& prompt, const QString& text) {
  bool ok = false;
  QString s = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, text, &ok);
  if (!ok) return std::nullopt;
  return s;
}

std::optional<std::pair<QString, QString>> QtTextPrompts::getTwoStrings(const TwoStringsRequest& request) {
  TFmGet2Strings dlg(messages_, parent_);
  dlg.setup(request.caption, request.label1, request.label2, request.first, request.second);
  dlg.TargetFolder = request.targetFolder;
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return std::pair{dlg.FirstText, dlg.SecondText};
}

}  // namespace tavo
