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

// An XDG base folder from the environment; relative values are not valid there.
QString xdgFolder(const char* name, const QString& fallback) {
  const QString value = environment(name);
  return QDir::isAbsolutePath(value) ? value : fallback;
}

// Splits an argument text the way a Windows program splits its command line:
// blanks separate arguments except inside double quotes, which are removed;
// backslashes are literal unless they precede a double quote (2n backslashes
// and a quote give n backslashes and the quote toggles; 2n+1 give n and a
// literal quote).
QStringList splitArguments(const QString& text) {
  QStringList out;
  QString current;
  bool quoted = false, any = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == '\\') {
      qsizetype run = 0;
      while (i + run < text.size() && text[i + run] == '\\') ++run;
      if (i + run < text.size() && text[i + run] == '"') {
        current += QString(run / 2, '\\');
        if (run % 2 == 1) {
          current += '"';
          i += run;  // the quote is taken as a character
        } else {
          i += run - 1;  // the quote comes next and toggles
        }
      } else {
        current += QString(run, '\\');
        i += run - 1;
      }
      any = true;
    } else if (c == '"') {
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

// The folders of a place text such as "Programs\Tavo Player": "\" and "/"
// separate them; empty, "." and ".." parts are dropped, so that a place
// always lies inside the applications folder.
QString placeFolders(const QString& place) {
  QStringList parts;
  for (const QString& part : QString(place).replace('\\', '/').split('/', Qt::SkipEmptyParts))
    if (part != "." && part != "..") parts << part;
  return parts.join('/');
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
  QString folder = xdgFolder("XDG_DESKTOP_DIR", {});
  if (folder.isEmpty()) {
    QFile dirs(xdgFolder("XDG_CONFIG_HOME", QDir::homePath() + "/.config") + "/user-dirs.dirs");
    if (dirs.open(QIODevice::ReadOnly | QIODevice::Text)) {
      QTextStream in(&dirs);
      while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.startsWith("XDG_DESKTOP_DIR=")) continue;
        QString value = line.mid(16);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
        if (value.startsWith("$HOME")) value = QDir::homePath() + value.mid(5);
        if (QDir::isAbsolutePath(value)) folder = value;  // anything else is not a valid entry
      }
    }
  }
  if (folder.isEmpty()) folder = QDir::homePath() + "/Desktop";
  return folder;
}

QString DesktopFileShortcuts::applicationsFolder() {
  return xdgFolder("XDG_DATA_HOME", QDir::homePath() + "/.local/share") + "/applications";
}

bool DesktopFileShortcuts::createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                                          const QString& arguments) {
  QString name = linkFileName;
  if (name.endsWith(".lnk", Qt::CaseInsensitive) || name.endsWith(".desktop", Qt::CaseInsensitive))
    name.truncate(name.lastIndexOf('.'));
  if (name.isEmpty() || target.isEmpty()) return false;
  const QString fileName = QString(name).replace('/', '_') + ".desktop";

  QString folder;
  if (place.compare("Desktop", Qt::CaseInsensitive) == 0) {
    folder = desktopFolder();
  } else {
    folder = applicationsFolder();
    if (const QString inside = placeFolders(place); !inside.isEmpty()) folder += '/' + inside;
  }
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;


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
