#pragma once
// A creator on a temporary work area with the test platform and prompts
// answered from a script: what the main window's and the wizard's tests start from.

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "creator/main/CreatorDialogs.h"
#include "creator/main/Publisher.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmWizard.h"
#include "format/ProfileFile.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace tavo::creator::test {

class ScriptedDialogs : public CreatorDialogs {
 public:
  QString askNewName(const QString& kind, const QString& targetFolder) override {
    newNameKinds.push_back(kind);
    newNameFolders.push_back(targetFolder);
    if (newNames.empty()) return {};  // an unscripted prompt is cancelled
    QString answer = newNames.front();
    newNames.pop_front();
    return answer;
  }
  std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) override {
    inputs.push_back({caption, prompt, text});
    if (inputAnswers.empty()) return std::nullopt;
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  }
  std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) override {
    twoStringRequests.push_back(request);
    if (twoStringAnswers.empty()) return std::nullopt;
    auto answer = twoStringAnswers.front();
    twoStringAnswers.pop_front();
    return answer;
  }
  Pick pickFolder(const QString& caption, const QString& pathPattern, const QString& prompt) override {
    Pick pick;
    pick.offered = static_cast<int>(listVisibleSubfoldersSorted(folderOf(pathPattern.toStdString())).size());
    if (pick.offered == 0) return pick;
    picksShown.push_back({caption, pathPattern, prompt});
    if (!pickAnswers.empty()) {
      pick.choice = pickAnswers.front();
      pickAnswers.pop_front();
    }
    return pick;
  }
  void showWarning(const QString& message) override { warnings.push_back(message); }
  void showAbout() override { ++aboutShown; }

  struct Shown {
    QString caption, second, third;
  };
  std::deque<QString> newNames;
  QStringList newNameKinds, newNameFolders;
  std::deque<std::optional<QString>> inputAnswers;
  std::vector<Shown> inputs;
  std::deque<std::optional<QString>> pickAnswers;
  std::vector<Shown> picksShown;
  std::vector<TwoStringsRequest> twoStringRequests;
  std::deque<std::optional<std::pair<QString, QString>>> twoStringAnswers;
  QStringList warnings;
  int aboutShown = 0;
};

class RecordingPublisher : public Publisher {
 public:
  void open(Page page) override { opened.push_back(page); }
  std::vector<Page> opened;
};

class CreatorFixture : public ::testing::Test {
 protected:
  CreatorFixture() : area(t.path() + "area/") {}
  ~CreatorFixture() override {
    if (main) main->wizard().hide();
  }

  // Creates the main window on the work area (without showing it).
  TFmMain& start(const QStringList& arguments = {}) {
    main = std::make_unique<TFmMain>(platform.platform(), dialogs, publisher, QString::fromStdString(area),
                                     arguments);
    return *main;
  }
  // A presentation folder with a Project.ini.
  std::string presentation(const std::string& name, const std::string& projectIni = "") {
    t.write("area/Projects/" + name + "/Project.ini", projectIni);
    return area + "Projects/" + name + "/";
  }
  std::string settingsFile() const { return area + "TavoCreator.ini"; }
  void writeSettings(const std::string& bytes) { t.write("area/TavoCreator.ini", bytes); }
  std::string read(const std::string& path) const { return tavo::test::readFile(path); }
  // A started creator with `name` current (through TavoCreator.ini's CurProject).
  TFmMain& startOn(const std::string& name) {
    if (!isFolder(area + "Projects/" + name)) presentation(name);
    writeSettings("[General]\r\nCurProject=" + name + "\r\n");
    start();
    main->FormShow();
    return *main;
  }
  QStringList messageTexts() const { return platform.messages.texts(); }

  tavo::test::TempFolder t;
  std::string area;
  platform::testing::TestPlatform platform{"TavoCreator"};
  ScriptedDialogs dialogs;
  RecordingPublisher publisher;
  std::unique_ptr<TFmMain> main;
};

}  // namespace tavo::creator::test
