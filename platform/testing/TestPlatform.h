#pragma once
// The test backend of the platform: every service records its calls and
// answers from a script that the test sets up beforehand. The settings store
// lives in a temporary folder that is removed with the TestPlatform.

#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Platform.h"

namespace tavo::platform::testing {

class TestMessages : public Messages {
 public:
  enum class Kind { Info, Question, Error };
  struct Shown {
    Kind kind;
    QString text;
    QString title;
  };
  explicit TestMessages(QString applicationTitle) : title_(std::move(applicationTitle)) {}

  void showInfo(const QString& message) override { shown.push_back({Kind::Info, message, title_}); }
  void showInfoTitled(const QString& message, const QString& title) override {
    shown.push_back({Kind::Info, message, title});
  }
  bool askYesNo(const QString& message, const QString& title) override;
  void showError(const QString& message) override { shown.push_back({Kind::Error, message, title_}); }

  // Texts of everything shown, in order.
  QStringList texts() const;

  std::vector<Shown> shown;
  std::deque<bool> yesNoAnswers;  // answered in order; an unscripted question is answered No

 private:
  QString title_;
};

class TestShell : public Shell {
 public:
  struct Started {
    QString program;
    QStringList arguments;
    QString workingFolder;
  };
  bool openDocument(const QString& pathOrAddress) override {
    opened.push_back(pathOrAddress);
    return openResult;
  }
  bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) override {
    started.push_back({program, arguments, workingFolder});
    return startResult;
  }

  QStringList opened;
  std::vector<Started> started;
  bool openResult = true;
  bool startResult = true;
};

class TestFolderBrowser : public FolderBrowser {
 public:
  QString browseForFolder(const QString& prompt) override;
  QStringList prompts;
  std::deque<QString> answers;  // an unscripted browse is cancelled
};

class TestScreen : public Screen {
 public:
  QRect screenGeometry() const override { return geometry; }
  std::optional<QRect> workArea() const override { return work; }
  QRect geometry{0, 0, 1920, 1080};
  std::optional<QRect> work = QRect(0, 0, 1920, 1040);
};

class TestDrives : public Drives {
 public:
  bool isCdRom(const QString& path) const override {
    queried.push_back(path);
    return cdRom;
  }
  bool cdRom = false;
  mutable QStringList queried;
};

class TestInstanceGuard : public InstanceGuard {
 public:
  bool acquire() override {
    ++calls;
    return !otherInstanceRunning;
  }
  bool otherInstanceRunning = false;
  int calls = 0;
};

class TestShortcuts : public Shortcuts {
 public:
  struct Created {
    QString linkFileName, place, target, arguments;
  };
  bool createShortcut(const QString& linkFileName, const QString& place, const QString& target,
                      const QString& arguments) override {
    created.push_back({linkFileName, place, target, arguments});
    return result;
  }
  std::vector<Created> created;
  bool result = true;
};

class TestFileOperationUi : public FileOperationUi {
 public:
  void begin(const QString& title) override { titles.push_back(title); }
  bool progress(const QString& entryName) override {
    entries.push_back(entryName);
    return !cancelAtEntry || entries.size() < *cancelAtEntry;
  }
  void end() override { ++ended; }
  Answer confirmReplace(const QString& target) override;
  Answer confirmDelete(const QString& path) override;

  QStringList titles, entries, replaceQuestions, deleteQuestions;
  int ended = 0;
  std::optional<int> cancelAtEntry;     // progress() returns false at this entry (1-based)
  std::deque<Answer> answers;           // for both kinds of question; unscripted = Yes
};

class TestPlatform {
 public:
  explicit TestPlatform(const QString& applicationTitle = "TavoPlayer");
  Platform& platform() { return *platform_; }
  // Folder of the temporary settings store (holds "user" and "machine").
  QString settingsFolder() const { return settingsDir_.path(); }
  // Sets the program folder reported to the program (where it looks for presentations beside itself).
  void setProgramFolder(const QString& folder);

  TestMessages messages;
  TestShell shell;
  TestFolderBrowser folderBrowser;
  TestScreen screen;
  TestDrives drives;
  TestInstanceGuard instance;
  TestShortcuts shortcuts;
  TestFileOperationUi fileOperationUi;

 private:
  QTemporaryDir settingsDir_;
  std::unique_ptr<Platform> platform_;
};

}  // namespace tavo::platform::testing
