#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/QtServices.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace tavo::platform {
namespace {

using test::TempFolder;

using test::ScopedEnv;

// A string value of a desktop entry without its escapes.
QString unescapeValue(const QString& value) {
  QString out;
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const QChar e = value[++i];
      out += e == 's' ? QChar(' ') : e == 'n' ? QChar('\n') : e == 't' ? QChar('\t') : e == 'r' ? QChar('\r') : e;
    } else {
      out += value[i];
    }
  }
  return out;
}

// The arguments of an Exec value as a launcher reads them: the value's own
// escapes first, then the quoting of arguments, then "%%" as "%".
QStringList parseExec(const QString& value) {
  const QString unescaped = unescapeValue(value);
  QStringList args;
  QString current;
  bool quoted = false, any = false;
  for (qsizetype i = 0; i < unescaped.size(); ++i) {
    const QChar c = unescaped[i];
    if (quoted) {
      if (c == '\\' && i + 1 < unescaped.size() && QString("\"`$\\").contains(unescaped[i + 1])) {
        current += unescaped[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        current += c;
      }
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == ' ') {
      if (any) args << current;
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  EXPECT_FALSE(quoted) << "unbalanced quotes in " << value.toStdString();
  if (any) args << current;
  for (QString& a : args) {
    for (qsizetype i = 0; i < a.size(); ++i) {
      if (a[i] != '%') continue;
      EXPECT_TRUE(i + 1 < a.size() && a[i + 1] == '%') << "a field code in " << value.toStdString();
      a.remove(i, 1);
    }
  }
  return args;
}

// The keys of a desktop entry file, checked against the format as it goes.
std::map<QString, QString> readDesktopEntry(const QString& path) {
  std::map<QString, QString> keys;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  const QString text = QString::fromUtf8(file.readAll());
  const QStringList lines = text.split('\n');
  EXPECT_EQ(lines.value(0), "[Desktop Entry]");
  EXPECT_TRUE(text.endsWith('\n'));
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.isEmpty() || line.startsWith('#')) continue;
    const qsizetype eq = line.indexOf('=');
    EXPECT_GT(eq, 0) << line.toStdString();
    const QString key = line.left(eq);
    for (const QChar c : key) EXPECT_TRUE(c.isLetterOrNumber() || c == '-') << key.toStdString();
    EXPECT_EQ(keys.count(key), 0u) << "repeated key " << key.toStdString();
    keys[key] = line.mid(eq + 1);
  }
  EXPECT_EQ(keys["Type"], "Application");
  EXPECT_FALSE(keys["Name"].isEmpty());
  EXPECT_FALSE(keys["Exec"].isEmpty());
  EXPECT_TRUE(QFileInfo(path).isExecutable()) << "desktops start only launchers marked executable";
  return keys;
}

class DesktopFileShortcutsTest : public ::testing::Test {
 protected:
  QString folder(std::string_view rel) const { return QString::fromStdString(t / rel); }

  TempFolder t;
  ScopedEnv desktop{"XDG_DESKTOP_DIR", t / "Desktop"};
  ScopedEnv data{"XDG_DATA_HOME", t / "data"};
  ScopedEnv config{"XDG_CONFIG_HOME", t / "config"};
  ScopedEnv home{"HOME", t / "home"};
  DesktopFileShortcuts shortcuts;
  const QString player = folder("Tavo Player/TavoPlayer");
};

TEST_F(DesktopFileShortcutsTest, DesktopInAnyCaseIsTheDesktopFolder) {
  for (const QString place : {"Desktop", "desktop", "DESKTOP"}) {
    ASSERT_TRUE(shortcuts.createShortcut("Tavo Player - " + place + ".lnk", place, player, ""));
    EXPECT_TRUE(QFileInfo::exists(folder("Desktop/Tavo Player - ") + place + ".desktop"));
  }
}

TEST_F(DesktopFileShortcutsTest, DesktopFolderComesFromTheUserDirsFileWithoutTheVariable) {
  ScopedEnv noDesktop("XDG_DESKTOP_DIR", std::nullopt);
  EXPECT_EQ(DesktopFileShortcuts::desktopFolder(), folder("home/Desktop")) << "no user-dirs file";
  t.write("config/user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
  EXPECT_EQ(DesktopFileShortcuts::desktopFolder(), folder("home/Schreibtisch"));
  t.write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"relative/Desk\"\n");
  EXPECT_EQ(DesktopFileShortcuts::desktopFolder(), folder("home/Desktop")) << "a relative entry is not valid";
}

TEST_F(DesktopFileShortcutsTest, OtherPlacesAreFoldersOfTheApplicationsMenuCreatedWhenMissing) {
  struct Case {
    QString place;
    const char* expectedFolder;
  };
  const Case cases[] = {
      {"Programs\\Tavo Player", "data/applications/Programs/Tavo Player/"},
      {"Programs/Tavo Player", "data/applications/Programs/Tavo Player/"},
      {"", "data/applications/"},
      {"..\\..\\Elsewhere", "data/applications/Elsewhere/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place.toStdString());
    ASSERT_TRUE(shortcuts.createShortcut("Tavo Player - Demo.lnk", c.place, player, ""));
    EXPECT_TRUE(QFileInfo::exists(folder(c.expectedFolder) + "Tavo Player - Demo.desktop"));
  }
}

TEST_F(DesktopFileShortcutsTest, TheLinkFileNameKeepsItsTextWithTheLauncherSuffix) {
  struct Case {
    QString link, file, name;
  };
  const Case cases[] = {
      {"Tavo Player - Harbour Town.lnk", "Tavo Player - Harbour Town.desktop", "Tavo Player - Harbour Town"},
      {"SHOUT.LNK", "SHOUT.desktop", "SHOUT"},
      {"Plain", "Plain.desktop", "Plain"},
      {"Again.desktop", "Again.desktop", "Again"},
      {"Caf\u00e9 & Co.lnk", "Caf\u00e9 & Co.desktop", "Caf\u00e9 & Co"},
      {"News/Weather.lnk", "News_Weather.desktop", "News/Weather"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link.toStdString());
    ASSERT_TRUE(shortcuts.createShortcut(c.link, "Desktop", player, ""));
    const auto keys = readDesktopEntry(folder("Desktop/") + c.file);
    EXPECT_EQ(keys.at("Name"), c.name);
  }
}

TEST_F(DesktopFileShortcutsTest, ExecStartsTheTargetWithItsArgumentsInTheTargetsFolder) {
  struct Case {
    QString target, arguments;
    QStringList expected;  // after the target
  };
  const Case cases[] = {
      {folder("Tavo Player/TavoPlayer"), "", {}},
      {folder("plain/TavoPlayer"), "Path=\"/home/u/My Show/\"", {"Path=/home/u/My Show/"}},
      {folder("100% $HOME/Tavo"), "a  b \"c d\"", {"a", "b", "c d"}},
      {folder("it's `odd` \"here\"/T\\p"), "say \\\"hi\\\" 50% $PATH 'x'", {"say", "\"hi\"", "50%", "$PATH", "'x'"}},
      {folder("w/T"), "C:\\dir\\ \"C:\\end\\\\\"", {"C:\\dir\\", "C:\\end\\"}},
      {folder("w/T"), "tab\there;& *?", {"tab", "here;&", "*?"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.target + " " + c.arguments).toStdString());
    ASSERT_TRUE(shortcuts.createShortcut("Launcher.lnk", "Desktop", c.target, c.arguments));
    const auto keys = readDesktopEntry(folder("Desktop/Launcher.desktop"));
    EXPECT_EQ(parseExec(keys.at("Exec")), QStringList{c.target} + c.expected) << keys.at("Exec").toStdString();
    EXPECT_EQ(unescapeValue(keys.at("Path")), QFileInfo(c.target).absolutePath());
    EXPECT_EQ(keys.at("Terminal"), "false");
  }
}

TEST_F(DesktopFileShortcutsTest, AnIconBesideTheTargetIsUsed) {
  t.write("Tavo Player/TavoPlayer.png", "png");
  ASSERT_TRUE(shortcuts.createShortcut("Tavo.lnk", "Desktop", player, ""));
  EXPECT_EQ(readDesktopEntry(folder("Desktop/Tavo.desktop")).at("Icon"), folder("Tavo Player/TavoPlayer.png"));
}

TEST_F(DesktopFileShortcutsTest, NothingIsWrittenWithoutNamesOrAWritablePlace) {
  EXPECT_FALSE(shortcuts.createShortcut("", "Desktop", player, ""));
  EXPECT_FALSE(shortcuts.createShortcut("Tavo.lnk", "Desktop", "", ""));
  EXPECT_FALSE(shortcuts.createShortcut(".lnk", "Desktop", player, ""));
  EXPECT_FALSE(QFileInfo::exists(folder("Desktop")));
  t.write("blocked", "a file");
  ScopedEnv blocked("XDG_DESKTOP_DIR", t / "blocked/Desktop");
  EXPECT_FALSE(shortcuts.createShortcut("Tavo.lnk", "Desktop", player, ""));
}

}  // namespace
}  // namespace tavo::platform
