#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "platform/QtServices.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo::platform {
namespace {

TEST(QtShell, RefusesWhatItCannotStart) {
  test::TempFolder t;
  QtShell shell;
  EXPECT_FALSE(shell.startProgram("", {}, QString::fromStdString(t.path())));
  EXPECT_FALSE(shell.startProgram(QString::fromStdString(t / "missing-program"), {}, QString::fromStdString(t.path())));
  EXPECT_FALSE(shell.openDocument(""));
  EXPECT_FALSE(shell.openDocument(QString::fromStdString(t / "missing.txt")));
}

TEST(QtShell, StartsAProgramWithItsArgumentsUntouchedInItsWorkingFolder) {
  // The script writes its working folder and each argument on a line of its own.
  test::TempFolder t;
  const std::string script = t.write("echo-args", "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > out.tmp\n"
                                                  "mv out.tmp out.txt\n");
  QFile::setPermissions(QString::fromStdString(script), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const QStringList arguments{"Path=\"/home/u/My Show/\"", "$HOME", "*", "a;b|c", "`x`"};
  QtShell shell;
  ASSERT_TRUE(shell.startProgram(QString::fromStdString(script), arguments, QString::fromStdString(t.path())));
  const std::string out = t / "out.txt";
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(QString::fromStdString(out)); }, 10000));
  std::string expected = t.path().substr(0, t.path().size() - 1) + "\n";
  for (const QString& a : arguments) expected += a.toStdString() + "\n";
  EXPECT_EQ(test::readFile(out), expected);
}

TEST(TestPlatform, RecordsEveryCallAndAnswersFromItsScript) {
  testing::TestPlatform test("TavoPlayer");
  Platform& p = test.platform();
  test.messages.yesNoAnswers = {true};
  test.folderBrowser.answers = {"/media/cdrom/"};
  test.shell.openResult = false;

  p.messages.showInfo("TavoPlayer is already open.");
  p.messages.showInfoTitled("Copied", "Setup");
  EXPECT_TRUE(p.messages.askYesNo("Delete?", "Confirm"));
  EXPECT_FALSE(p.messages.askYesNo("Again?", "Confirm")) << "an unscripted question is answered No";
  p.messages.showError("Could not copy");
  ASSERT_EQ(test.messages.shown.size(), 5u);
  EXPECT_EQ(test.messages.shown[0].title, "TavoPlayer");
  EXPECT_EQ(test.messages.shown[1].title, "Setup");
  EXPECT_EQ(test.messages.shown[4].kind, testing::TestMessages::Kind::Error);
  EXPECT_EQ(test.messages.texts(),
            (QStringList{"TavoPlayer is already open.", "Copied", "Delete?", "Again?", "Could not copy"}));

  EXPECT_EQ(p.folderBrowser.browseForFolder("Install to"), "/media/cdrom/");
  EXPECT_EQ(p.folderBrowser.browseForFolder("Again"), "") << "an unscripted browse is cancelled";
  EXPECT_EQ(test.folderBrowser.prompts, (QStringList{"Install to", "Again"}));

  EXPECT_FALSE(p.shell.openDocument("www.example.com"));
  EXPECT_TRUE(p.shell.startProgram("/opt/tavo/setup", {"a b"}, "/opt/tavo/"));
  EXPECT_EQ(test.shell.opened, QStringList{"www.example.com"});
  ASSERT_EQ(test.shell.started.size(), 1u);
  EXPECT_EQ(test.shell.started[0].arguments, QStringList{"a b"});
  EXPECT_EQ(test.shell.started[0].workingFolder, "/opt/tavo/");

  EXPECT_TRUE(p.shortcuts.createShortcut("Tavo.lnk", "Desktop", "/opt/tavo/TavoPlayer", ""));
  ASSERT_EQ(test.shortcuts.created.size(), 1u);
  EXPECT_EQ(test.shortcuts.created[0].place, "Desktop");

  test.instance.otherInstanceRunning = true;
  EXPECT_FALSE(p.instance.acquire());
  test.drives.cdRom = true;
  EXPECT_TRUE(p.drives.isCdRom("/media/cdrom/TavoPlayer"));
  EXPECT_EQ(test.drives.queried, QStringList{"/media/cdrom/TavoPlayer"});

  // The settings store lives in the test's own folder.
  p.registry.user.writeText("Software/Corvenna/TavoPlayer/General", "x", "1");
  EXPECT_TRUE(QFile::exists(test.settingsFolder() + "/user/Software/Corvenna/TavoPlayer/General/.values"));
  test.setProgramFolder("/opt/tavo");
  EXPECT_EQ(p.programFolder, "/opt/tavo/");
}

}  // namespace
}  // namespace tavo::platform
