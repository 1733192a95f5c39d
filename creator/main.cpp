// TavoCreator: builds presentations for TavoPlayer in its work area.

#include <QFileInfo>
#include <cstdlib>

#include "common/StartupTrace.h"
#include "creator/app/CreatorApplication.h"
#include "creator/app/PublisherNotBuilt.h"
#include "creator/app/QtCreatorDialogs.h"
#include "creator/logic/WorkArea.h"
#include "creator/main/TFmMain.h"
#include "platform/QtPlatform.h"
#include "platform/QtText.h"

namespace {

std::string env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

int main(int argc, char* argv[]) {
  tavo::trace::mark("main");
  tavo::creator::CreatorApplication app(argc, argv);
  tavo::trace::setQuitHook([] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  tavo::trace::mark("qt ready");
  const QString title = "TavoCreator";
  QApplication::setApplicationName(title);
  QApplication::setApplicationVersion(TAVO_VERSION);

  tavo::platform::QtPlatform qt(title, "TavoCreator");
  tavo::platform::Platform& platform = qt.platform();

  const std::string programFolder = tavo::platform::toPath(platform.programFolder);
  const std::string workArea = tavo::creator::resolveWorkArea(
      {env("TAVO_CREATOR_HOME"), programFolder, env("XDG_DATA_HOME"), env("HOME")});

  tavo::creator::QtCreatorDialogs dialogs(platform.messages, title);
  tavo::creator::PublisherNotBuilt publisher(platform.messages);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  tavo::creator::TFmMain bar(platform, dialogs, publisher, tavo::platform::fromPath(workArea), arguments);
  dialogs.setParentWindow(&bar);
  tavo::trace::mark("bar built");

  // The shipped help pages and the player come from the program's data the
  // first time (and again when the program brings newer ones).
  tavo::creator::provisionFiles(programFolder + "share/Help", workArea + "Help");
  tavo::creator::provisionFiles(programFolder + "share/FileSet", workArea + "FileSet");

  bar.show();
  tavo::trace::mark("shown");
  return QApplication::exec();
}
