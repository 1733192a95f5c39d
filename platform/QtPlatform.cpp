#include "platform/QtPlatform.h"

#include <QCoreApplication>

#include "platform/QtServices.h"

namespace tavo::platform {

struct QtPlatform::Services {
  explicit Services(const QString& title, const QString& instanceName)
      : messages(title), instance(instanceName) {}
  QtMessages messages;
  QtShell shell;
  QtFolderBrowser folderBrowser;
  QtScreen screen;
  LinuxDrives drives;
  LockFileInstanceGuard instance;
  DesktopFileShortcuts shortcuts;
  QtFileOperationUi fileOperationUi;
};

QtPlatform::QtPlatform(const QString& applicationTitle, const QString& instanceName)
    : services_(std::make_unique<Services>(applicationTitle, instanceName)) {
  QString programFolder = QCoreApplication::applicationDirPath();
  if (!programFolder.endsWith('/')) programFolder += '/';
  platform_ = std::unique_ptr<Platform>(new Platform{
      services_->messages, services_->shell, services_->folderBrowser, services_->screen, services_->drives,
      services_->instance, services_->shortcuts, services_->fileOperationUi, RegistryRoots::fromEnvironment(),
      applicationTitle, programFolder});
}

QtPlatform::~QtPlatform() = default;

}  // namespace tavo::platform
