// The self-extractor: the program at the front of a published presentation's
// single file. It reads the configuration block and the zip archive that follow
// its own bytes, shows the publisher's message, asks for a folder and the
// password when it has to, extracts, and starts the program the block names.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>

#include "sfx/package/SfxCommand.h"
#include "sfx/package/SfxReader.h"
#include "sfx/stub/StubDialogs.h"

using namespace tavo::sfx;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StubUi ui;

  const QString self = QCoreApplication::applicationFilePath();
  FileSource file(QFile::encodeName(self).toStdString());
  std::string error;
  std::optional<SfxLayout> layout;
  if (!file.ok())
    error = "it cannot be read";
  else
    layout = locateSfxPayload(file, &error);
  if (!layout) {
    ui.error(QStringLiteral("This self-extracting file is damaged or incomplete: %1.").arg(QString::fromStdString(error)));
    return 1;
  }
  const SfxConfig& config = layout->config;
  ui.setCaption(config.caption);

  if (!config.message.empty() && !ui.showMessage(config.title, config.message)) return 0;

  const auto scan = scanSfxArchive(file, *layout, &error);
  if (!scan) {
    ui.error(QStringLiteral("The files cannot be extracted: %1.").arg(QString::fromStdString(error)));
    return 1;
  }

  std::string folder = defaultExtractFolder(config.defaultPath, config.caption, QDir::homePath().toStdString());
  if (!(config.flags & SfxFlag::kNoFolderQuestion)) {
    auto chosen = ui.askFolder(folder);
    if (!chosen) return 0;
    folder = *chosen;
  }

  std::string password;
  if (scan->encrypted) {
    for (;;) {
      auto typed = ui.askPassword();
      if (!typed) return 0;
      if (checkSfxPassword(file, *layout, *typed)) {
        password = *typed;
        break;
      }
      ui.warning(QStringLiteral("The password is not correct."));
    }
  }

  ExtractOptions options;
  options.folder = folder;
  options.password = password;
  options.overwrite = overwriteModeOf(config.flags);
  options.askOverwrite = [&](const std::string& path) { return ui.askOverwrite(path); };
  options.progress = ui.progressFunction(folder);
  const ExtractResult result = extractSfxArchive(file, *layout, options);
  ui.endProgress();
  if (result.status == ExtractStatus::Cancelled) return 0;
  if (result.status != ExtractStatus::Done) {
    ui.error(QStringLiteral("The files cannot be extracted: %1.").arg(QString::fromStdString(result.error)));
    return 1;
  }

  if (config.commandLine.empty()) {
    ui.information(QStringLiteral("The files have been extracted to %1.").arg(QString::fromStdString(folder)));
    return 0;
  }
  const auto command = expandSfxCommand(config.commandLine, folder);
  if (!command) {
    ui.error(QStringLiteral("The files have been extracted to %1, but the program to start is not among them.")
                 .arg(QString::fromStdString(folder)));
    return 1;
  }
  if ((config.flags & SfxFlag::kUserMaySkipCommand) && !ui.askStart(command->program)) return 0;

  const QString program = QString::fromStdString(command->program);
  // Archives made on Windows carry no permissions: the program just unpacked
  // must be runnable by the user who unpacked it.
  QFile(program).setPermissions(QFile(program).permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  QStringList arguments;
  for (const auto& a : command->arguments) arguments << QString::fromStdString(a);
  if (!QProcess::startDetached(program, arguments, QString::fromStdString(folder))) {
    ui.error(QStringLiteral("The files have been extracted to %1, but %2 cannot be started.")
                 .arg(QString::fromStdString(folder), program));
    return 1;
  }
  return 0;
}
