#include "platform/QtServices.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "common/FileText.h"
#include "common/QxMisc.h"
#include "platform/QtText.h"

namespace tavo::platform {

namespace {

// With TAVO_ECHO_MESSAGES set, every message box is also written to standard
// error, so that a script driving the program can see what it said.
void echo(const QString& kind, const QString& title, const QString& message) {
  if (!std::getenv("TAVO_ECHO_MESSAGES")) return;
  std::fprintf(stderr, "%s [%s]: %s\n", qPrintable(kind), qPrintable(title), qPrintable(message));
  std::fflush(stderr);
}

}  // namespace

void QtMessages::showInfo(const QString& message) { showInfoTitled(message, title_); }

void QtMessages::showInfoTitled(const QString& message, const QString& title) {
  echo("information", title, message);
  QMessageBox::information(nullptr, title, message, QMessageBox::Ok);
}

bool QtMessages::askYesNo(const QString& message, const QString& title) {
  echo("question", title, message);
  return QMessageBox::question(nullptr, title, message, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessages::showError(const QString& message) {
  echo("error", title_, message);
  QMessageBox::critical(nullptr, title_, message, QMessageBox::Ok);
}

bool QtShell::openDocument(const QString& pathOrAddress) {
  if (pathOrAddress.isEmpty()) return false;
  const QFileInfo file(pathOrAddress);
  if (file.exists()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
  // A path that names nothing is refused here: the desktop's handler would
  // only report it after the call has returned.
  if (file.isAbsolute()) return false;
  // An address: full URLs as they are, "www.example.com" as a web address.
  const QUrl url = QUrl::fromUserInput(pathOrAddress);
  if (!url.isValid() || url.isLocalFile()) return false;
  return QDesktopServices::openUrl(url);
}

bool QtShell::startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, arguments, workingFolder);
}

QString QtFolderBrowser::browseForFolder(const QString& prompt) {
  const QString folder = QFileDialog::getExistingDirectory(nullptr, prompt);
  if (folder.isEmpty()) return {};
  return folder.endsWith('/') ? folder : folder + '/';
}

QRect QtScreen::screenGeometry() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

std::optional<QRect> QtScreen::workArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  return screen->availableGeometry();
}

bool LinuxDrives::isCdRom(const QString& path) const {
  const auto mountInfo = readFileBytes("/proc/self/mountinfo");
  if (!mountInfo) return false;
  // Mount points are real paths: resolve links such as /cdrom -> /media/cdrom0.
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  const QString resolved = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
  const std::string type = fileSystemTypeOf(toPath(resolved), *mountInfo);
  return type == "iso9660" || type == "udf";
}

QString LockFileInstanceGuard::lockPath() const {
  QString folder;
  if (const char* settings = std::getenv("TAVO_SETTINGS_DIR"); settings && *settings)
    folder = QString::fromLocal8Bit(settings);
  else
    folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  return QDir(folder).filePath(name_ + "-" + QString::number(::getuid()) + ".lock");
}

bool LockFileInstanceGuard::acquire() {
  if (lock_ && lock_->isLocked()) return true;
  lock_ = std::make_unique<QLockFile>(lockPath());
  lock_->setStaleLockTime(0);  // only a lock whose process is gone is stale
  if (lock_->tryLock(0)) return true;
  if (lock_->error() == QLockFile::LockFailedError && lock_->removeStaleLockFile()) return lock_->tryLock(0);
  return false;
}

}  // namespace tavo::platform
