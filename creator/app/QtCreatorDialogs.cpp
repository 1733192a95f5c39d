#include "creator/app/QtCreatorDialogs.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/widgets/TqxFileListBoxDialog.h"
#include "platform/QtText.h"

namespace tavo::creator {

QtCreatorDialogs::QtCreatorDialogs(platform::Messages& messages, QString applicationTitle)
    : messages_(messages), title_(std::move(applicationTitle)),
      prompts_(std::make_unique<QtTextPrompts>(messages, nullptr)) {}

void QtCreatorDialogs::setParentWindow(QWidget* parent) {
  parent_ = parent;
  prompts_ = std::make_unique<QtTextPrompts>(messages_, parent);
}

QString QtCreatorDialogs::askNewName(const QString& kind, const QString& targetFolder) {
  return tavo::askNewName(*prompts_, kind, targetFolder);
}

std::optional<QString> QtCreatorDialogs::inputBox(const QString& caption, const QString& prompt, const QString& text) {
  return prompts_->inputBox(caption, prompt, text);
}

CreatorDialogs::Pick QtCreatorDialogs::pickFolder(const QString& caption, const QString& pathPattern,
                                                  const QString& prompt) {
  TqxFileListBoxDialog dialog(messages_, parent_);
  dialog.Caption = caption;
  dialog.Path = pathPattern;
  dialog.Prompt = prompt;
  dialog.ShowDirsOnly = true;
  dialog.Sorted = true;
  Pick pick;
  const bool chosen = dialog.Execute();
  pick.offered = dialog.NumFiles;
  if (chosen && !dialog.Choice.isEmpty()) pick.choice = dialog.Choice;
  return pick;
}

void QtCreatorDialogs::showWarning(const QString& message) { QMessageBox::warning(parent_, title_, message); }

void QtCreatorDialogs::showAbout() {
  QMessageBox::about(parent_, "About " + title_,
                     title_ + " " + QCoreApplication::applicationVersion() +
                         "\nBuilds presentations for TavoPlayer.");
}

std::optional<std::pair<QString, QString>> QtCreatorDialogs::getTwoStrings(const TwoStringsRequest& request) {
  return prompts_->getTwoStrings(request);
}

}  // namespace tavo::creator
