#include "creator/app/QtCreatorDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
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
  // The pattern is a folder plus "*.*": every sub-folder is offered.
  const std::string folder = folderOf(platform::toPath(pathPattern));
  QStringList names;
  for (const std::string& name : listVisibleSubfoldersSorted(folder)) names << platform::fromPath(name);
  Pick pick;
  pick.offered = static_cast<int>(names.size());
  if (names.isEmpty()) return pick;
  bool ok = false;
  const QString choice = QInputDialog::getItem(parent_, caption, prompt, names, 0, false, &ok);
  if (ok && !choice.isEmpty()) pick.choice = choice;
  return pick;
}

void QtCreatorDialogs::showWarning(const QString& message) { QMessageBox::warning(parent_, title_, message); }

void QtCreatorDialogs::showAbout() {
  QMessageBox::about(parent_, "About " + title_,
                     title_ + " " + QCoreApplication::applicationVersion() +
                         "\nBuilds presentations for TavoPlayer.");
}

}  // namespace tavo::creator
