#include "creator/app/QtCreatorDialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "creator/logic/Presentations.h"
#include "platform/QtText.h"

namespace tavo::creator {

QString QtCreatorDialogs::askNewName(const QString& kind, const QString& targetFolder) {
  const QString title = QString::fromStdString(capitalizeWords(kind.toStdString()));
  QString entry;
  for (;;) {
    const std::optional<QString> typed = inputBox("New " + title, "Enter a new " + kind + " name", entry);
    if (!typed) return {};
    entry = *typed;
    const std::string problem = newNameProblem(kind.toStdString(), entry.toStdString());
    if (!problem.empty()) {
      messages_.showInfo(QString::fromStdString(problem));
      continue;
    }
    const QString name = entry.trimmed();
    if (folderExistsIn(withTrailingSeparator(platform::toPath(targetFolder)), platform::toPath(name))) {
      messages_.showInfo("A " + kind + " by that name already exists");
      continue;
    }
    return name;
  }
}

std::optional<QString> QtCreatorDialogs::inputBox(const QString& caption, const QString& prompt, const QString& text) {
  QInputDialog box(parent_);
  box.setWindowTitle(caption);
  box.setLabelText(prompt);
  box.setTextValue(text);
  box.setInputMode(QInputDialog::TextInput);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue();
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
