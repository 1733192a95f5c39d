#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdlib>

#include "common/FileText.h"
#include "platform/QtServices.h"

namespace tavo::platform {

namespace {

QString environment(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

// Splits an argument text the way a Windows program's command line is split:
// blanks separate arguments except inside double quotes, which are removed.
QStringList splitArguments(const QString& text) {
  QStringList out;
  QString current;
  bool quoted = false, any = false;
  for (const QChar c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) out << current;
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  if (any) out << current;
  return out;
}

// One Exec argument: quoted when it holds anything but plain characters, with
// the characters the launcher format reserves escaped; "%" doubled.
QString execArgument(const QString& arg) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=");
  bool needsQuotes = arg.isEmpty();
  for (const QChar c : arg) needsQuotes = needsQuotes || reserved.contains(c);
  QString body;
  for (const QChar c : arg) {
    if (c == '%') {
      body += "%%";
    } else if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) {
      body += '\\';
      body += c;
    } else {
      body += c;
    }
  }
  return needsQuotes ? '"' + body + '"' : body;
}

// A value of a launcher line: backslashes doubled, line ends escaped.
QString entryValue(const QString& v) {
  QString out = v;
  out.replace('\\', "\\\\").replace('\n', "\\n").replace('\r', "\\r").replace('\t', "\\t");
  return out;
}

}  // namespace

QString DesktopFileShortcuts::desktopFolder() {
  QString folder = environment("XDG_DESKTOP_DIR");
  if (folder.isEmpty()) {
    QString config = environment("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    QFile dirs(config + "/user-dirs.dirs");
    if (dirs.open(QIODevice::ReadOnly | QIODevice::Text)) {
      QTextStream in(&dirs);
      while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.startsWith("XDG_DESKTOP_DIR=")) continue;
        QString value = line.mid(16);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
        value.replace("$HOME", QDir::homePath());
        folder = value;
      }
    }
  }
  if (folder.isEmpty()) folder = QDir::homePath() + "/Desktop";
  return folder;
}

QString DesktopFileShortcuts::applicationsFolder() {
  QString data = environment("XDG_DATA_HOME");
  if (data.isEmpty()) data = QDir::homePath() + "/.local/share";
  return data + "/applications";
}

bool DesktopFileShortcuts::createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                                          const QString& arguments) {
  if (linkFileName.isEmpty() || target.isEmpty()) return false;
  QString folder;
  if (place.compare("Desktop", Qt::CaseInsensitive) == 0) {
    folder = desktopFolder();
  } else {
    folder = applicationsFolder();
    if (!place.isEmpty()) folder += '/' + place;
  }
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;

  QString fileName = linkFileName;
  if (fileName.endsWith(".lnk", Qt::CaseInsensitive)) fileName.chop(4);
  const QString name = fileName;
  fileName.replace('/', '_');
  fileName += ".desktop";

  QStringList exec{execArgument(target)};
  for (const QString& a : splitArguments(arguments)) exec << execArgument(a);

  QString text;
  text += "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Version=1.0\n";
  text += "Name=" + entryValue(name) + "\n";
  text += "Exec=" + entryValue(exec.join(' ')) + "\n";
  text += "Path=" + entryValue(QFileInfo(target).absolutePath()) + "\n";
  const QString icon = QFileInfo(target).absolutePath() + '/' + QFileInfo(target).completeBaseName() + ".png";
  if (QFileInfo::exists(icon)) text += "Icon=" + entryValue(icon) + "\n";
  text += "Terminal=false\n";

  const QString path = folder + '/' + fileName;
  const QByteArray bytes = text.toUtf8();
  if (!writeFileAtomic(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return false;
  // Desktops start only launchers that are marked executable.
  QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  return true;
}

}  // namespace tavo::platform
