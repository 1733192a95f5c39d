#include "platform/testing/TestPlatform.h"

#include <QDir>

namespace tavo::platform::testing {

bool TestMessages::askYesNo(const QString& message, const QString& title) {
  shown.push_back({Kind::Question, message, title});
  if (yesNoAnswers.empty()) return false;
  const bool answer = yesNoAnswers.front();
  yesNoAnswers.pop_front();
  return answer;
}

QStringList TestMessages::texts() const {
  QStringList out;
  for (const auto& s : shown) out << s.text;
  return out;
}

QString TestFolderBrowser::browseForFolder(const QString& prompt) {
  prompts << prompt;
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

FileOperationUi::Answer TestFileOperationUi::confirmReplace(const QString& target) {
  replaceQuestions << target;
  if (answers.empty()) return Answer::Yes;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

FileOperationUi::Answer TestFileOperationUi::confirmDelete(const QString& path) {
  deleteQuestions << path;
  if (answers.empty()) return Answer::Yes;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

TestPlatform::TestPlatform(const QString& applicationTitle) : messages(applicationTitle) {
  const std::string folder = settingsDir_.path().toStdString();
  platform_ = std::unique_ptr<Platform>(new Platform{messages, shell, folderBrowser, screen, drives, instance,
                                                     shortcuts, fileOperationUi, RegistryRoots::inFolder(folder),
                                                     applicationTitle, QDir::tempPath() + "/"});
}

void TestPlatform::setProgramFolder(const QString& folder) {
  platform_->programFolder = folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace tavo::platform::testing
