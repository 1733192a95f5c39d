#pragma once
// The Qt and Linux implementations of the platform interfaces.

#include <QLockFile>
#include <QString>
#include <memory>

#include "platform/Drives.h"
#include "platform/FolderBrowser.h"
#include "platform/InstanceGuard.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Shortcuts.h"
#include "platform/TFileOperation.h"

class QProgressDialog;

namespace tavo::platform {

class QtMessages : public Messages {
 public:
  explicit QtMessages(QString applicationTitle) : title_(std::move(applicationTitle)) {}
  void showInfo(const QString& message) override;
  void showInfoTitled(const QString& message, const QString& title) override;
  bool askYesNo(const QString& message, const QString& title) override;
  void showError(const QString& message) override;

 private:
  QString title_;
};

class QtShell : public Shell {
 public:
  bool openDocument(const QString& pathOrAddress) override;
  bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
};

class QtFolderBrowser : public FolderBrowser {
 public:
  QString browseForFolder(const QString& prompt) override;
};

class QtScreen : public Screen {
 public:
  QRect screenGeometry() const override;
  std::optional<QRect> workArea() const override;
};

class LinuxDrives : public Drives {
 public:
  bool isCdRom(const QString& path) const override;
};

// One instance per user and instance name: a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR), or in the settings folder when TAVO_SETTINGS_DIR
// is set. A lock left by a program that crashed is taken over.
class LockFileInstanceGuard : public InstanceGuard {
 public:
  explicit LockFileInstanceGuard(QString instanceName) : name_(std::move(instanceName)) {}
  bool acquire() override;
  QString lockPath() const;

 private:
  QString name_;
  std::unique_ptr<QLockFile> lock_;
};

// Launchers in the XDG desktop folder ($XDG_DESKTOP_DIR, else the desktop
// entry of ~/.config/user-dirs.dirs, else ~/Desktop) and the applications
// menu folder ($XDG_DATA_HOME/applications).
class DesktopFileShortcuts : public Shortcuts {
 public:
  bool createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                      const QString& arguments) override;
  static QString desktopFolder();
  static QString applicationsFolder();
};

class QtFileOperationUi : public FileOperationUi {
 public:
  QtFileOperationUi();
  ~QtFileOperationUi() override;
  void begin(const QString& title) override;
  bool progress(const QString& entryName) override;
  void end() override;
  Answer confirmReplace(const QString& target) override;
  Answer confirmDelete(const QString& path) override;

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace tavo::platform
