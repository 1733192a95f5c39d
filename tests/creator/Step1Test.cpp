// Step 1: the content-provider grid carried out on the folders, the list and
// current provider written on close, row moves and deletion, copy and import.

#include <filesystem>

#include "common/widgets/TQxGrid.h"
#include "creator/logic/Presentations.h"
#include "creator/wizard/TFmCopySubscriber.h"
#include "creator/wizard/TFmStep1.h"
#include "tests/creator/CreatorFixture.h"

namespace tavo::creator::test {
namespace {

namespace fs = std::filesystem;
using Kind = platform::testing::TestMessages::Kind;

class Step1Test : public CreatorFixture {
 protected:
  // The creator on presentation "Show" with these providers (folders made), at Step 1.
  TFmStep1& openWith(const std::vector<std::string>& providers) {
    std::string ini = "[Subscribers]\r\n";
    for (std::size_t i = 0; i < providers.size(); ++i)
      ini += "Subscriber" + std::to_string(i + 1) + "=" + providers[i] + "\r\n";
    folder = presentation("Show", ini);
    for (const auto& name : providers) fs::create_directories(folder + name);
    startOn("Show");
    main->wizard().showWizard();
    main->wizard().showStep(1);
    auto* page = dynamic_cast<TFmStep1*>(main->wizard().currentPage());
    EXPECT_NE(page, nullptr);
    return *page;
  }
  // Types `text` into column 1 of `row` as the author would, then enters `next`.
  void type(TFmStep1& page, int row, const QString& text, int next) {
    page.GridSubscribers->setCurrentCell(1, row);
    page.GridSubscribers->setCell(1, row, text);
    page.GridSubscribersSetEditText(text);
    page.GridSubscribers->setCurrentCell(1, next);
  }
  QString cell(TFmStep1& page, int row) { return page.GridSubscribers->cell(1, row); }
  // The providers as the next opening of the presentation finds them.
  std::vector<std::string> reopened() {
    Presentation p = main->presentation();
    loadContentProviders(p);
    return p.contentProviders;
  }
  std::vector<std::string> listed() {
    Presentation p = main->presentation();
    p.contentProviders.clear();
    loadContentProviders(p);
    return p.contentProviders;
  }
  void leave() { main->wizard().showStep(0); }
  std::vector<std::string> subfoldersOf(const std::string& path) { return listVisibleSubfoldersSorted(path); }

  std::string folder;
};

TEST_F(Step1Test, TypingCreatesChangingRenamesAndClearingDeletesAfterYes) {
  TFmStep1& page = openWith({});
  type(page, 1, "Music", 2);
  EXPECT_TRUE(fs::is_directory(folder + "Music"));
  type(page, 1, "Songs", 2);
  EXPECT_FALSE(fs::exists(folder + "Music"));
  EXPECT_TRUE(fs::is_directory(folder + "Songs"));
  t.write("area/Projects/Show/Songs/!Tavo.ini", "[x]\r\n");
  platform.messages.yesNoAnswers = {true};
  type(page, 1, "", 2);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].kind, Kind::Question);
  EXPECT_EQ(platform.messages.shown[0].text, "Delete content provider Songs?");
  EXPECT_EQ(platform.messages.shown[0].title, "Delete content provider?");
  EXPECT_FALSE(fs::exists(folder + "Songs"));
}

TEST_F(Step1Test, ClearingAnsweredNoKeepsTheFolderWhichComesBackAtTheEnd) {
  TFmStep1& page = openWith({"Alpha", "Beta", "Gamma"});
  platform.messages.yesNoAnswers = {false};
  type(page, 1, "", 2);
  EXPECT_TRUE(fs::is_directory(folder + "Alpha"));
  leave();
  EXPECT_EQ(main->presentation().contentProviders, (std::vector<std::string>{"Beta", "Gamma"}));
  EXPECT_EQ(reopened(), (std::vector<std::string>{"Beta", "Gamma", "Alpha"}));
}

// A typed name passes the new-name rules: nothing nests, nothing leaves the
// presentation, and the row shows its old name again.
TEST_F(Step1Test, RefusedNamesChangeNothingOnDiskAndRestoreTheCell) {
  struct Case {
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"News/Sport", nullptr}, {"../Other", nullptr}, {"a:b", nullptr}, {"..", nullptr},
      {"Beta", "A content provider by that name already exists"},
  };
  TFmStep1& page = openWith({"Alpha", "Beta"});
  const std::string projects = area + "Projects/";
  for (const Case& c : cases) {
    for (int row : {1, 3}) {  // a rename of Alpha, a new name in an empty row
      platform.messages.shown.clear();
      type(page, row, c.typed, 4);
      const QString old = row == 1 ? "Alpha" : "";
      EXPECT_EQ(cell(page, row), old) << c.typed;
      ASSERT_EQ(platform.messages.shown.size(), 1u) << c.typed;
      EXPECT_EQ(platform.messages.shown[0].kind, Kind::Info);
      if (c.message) {
        EXPECT_EQ(platform.messages.shown[0].text, c.message);
      }
      EXPECT_EQ(subfoldersOf(folder), (std::vector<std::string>{"Alpha", "Beta"})) << c.typed;
      EXPECT_EQ(subfoldersOf(projects), (std::vector<std::string>{"Show"})) << c.typed;
    }
  }
  leave();
  EXPECT_EQ(main->presentation().contentProviders, (std::vector<std::string>{"Alpha", "Beta"}));
}

TEST_F(Step1Test, BlanksAroundANameAreDroppedAndALetterCaseChangeRenames) {
  TFmStep1& page = openWith({"news"});
  type(page, 2, "  Music  ", 3);
  EXPECT_EQ(cell(page, 2), "Music");
  EXPECT_TRUE(fs::is_directory(folder + "Music"));
  type(page, 1, "News", 3);
  EXPECT_EQ(cell(page, 1), "News");
  EXPECT_EQ(subfoldersOf(folder), (std::vector<std::string>{"Music", "News"}));
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(Step1Test, TwentyProvidersShownAndKeptInOrderWhenNothingChanges) {
  std::vector<std::string> names;
  for (int i = 20; i >= 1; --i) names.push_back("Provider " + std::to_string(i));
  TFmStep1& page = openWith(names);
  EXPECT_GE(page.GridSubscribers->RowCount(), 21);
  EXPECT_EQ(cell(page, 20), "Provider 1");
  leave();
  EXPECT_EQ(reopened(), names);
}

TEST_F(Step1Test, ItemUpAndDownWriteTheNewOrderAndKeepTheCurrentProviderByName) {
  TFmStep1& page = openWith({"A", "B", "C"});
  main->presentation().currentProvider = 0;
  page.FormShow();  // current provider A
  page.GridSubscribers->setCurrentCell(1, 3);
  page.GridSubscribersSelectCell(1, 3);
  page.moveItemUp();  // A C B
  page.moveItemUp();  // C A B
  page.GridSubscribers->setCurrentCell(1, 2);
  page.moveItemDown();  // C B A
  leave();
  EXPECT_EQ(reopened(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(main->presentation().currentProviderName(), "A");
  EXPECT_EQ(subfoldersOf(folder), (std::vector<std::string>{"A", "B", "C"}));  // moving renames nothing
}

TEST_F(Step1Test, DeletingARowAsksAndNoKeepsRowAndFolder) {
  TFmStep1& page = openWith({"A", "B", "C"});
  page.GridSubscribers->setCurrentCell(1, 2);
  platform.messages.yesNoAnswers = {false};
  page.GridSubscribers->deleteCurrentRow();
  EXPECT_EQ(cell(page, 2), "B");
  EXPECT_TRUE(fs::is_directory(folder + "B"));
  platform.messages.yesNoAnswers = {true};
  page.GridSubscribers->deleteCurrentRow();
  EXPECT_FALSE(fs::exists(folder + "B"));
  EXPECT_EQ(cell(page, 2), "C");
  // The row now current is C's: typing there renames C, not the deleted B.
  type(page, page.GridSubscribers->Row(), "D", 1);
  EXPECT_TRUE(fs::is_directory(folder + "D"));
  EXPECT_TRUE(platform.messages.shown.size() == 2u) << platform.messages.texts().join(" / ").toStdString();
  leave();
  EXPECT_EQ(reopened(), (std::vector<std::string>{"A", "D"}));
}

TEST_F(Step1Test, ImportAsksAgainWithoutTheSettingsFileThenCopiesClearingReadOnly) {
  TFmStep1& page = openWith({"A"});
  t.write("elsewhere/Empty/readme.txt", "x");
  t.write("elsewhere/Radio/!Tavo.ini", "[Channel Options]\r\n");
  fs::permissions(t.path() + "elsewhere/Radio/!Tavo.ini", fs::perms::owner_read);
  platform.folderBrowser.answers = {QString::fromStdString(t.path() + "elsewhere/Empty/"),
                                    QString::fromStdString(t.path() + "elsewhere/Radio/")};
  page.BtnImportClick();
  EXPECT_EQ(platform.folderBrowser.prompts.size(), 2);
  ASSERT_EQ(platform.messages.shown.size(), 2u);
  EXPECT_EQ(platform.messages.shown[0].title, "Import Incomplete");
  EXPECT_EQ(platform.messages.shown[1].text, "Content provider copied");
  EXPECT_TRUE(fs::is_regular_file(folder + "Radio/!Tavo.ini"));
  EXPECT_NE(fs::status(folder + "Radio/!Tavo.ini").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(cell(page, 2), "Radio");
  EXPECT_EQ(main->presentation().currentProvider, 1);
  leave();
  EXPECT_EQ(reopened(), (std::vector<std::string>{"A", "Radio"}));
  EXPECT_EQ(main->presentation().currentProviderName(), "Radio");
}

TEST_F(Step1Test, CopyOntoAnExistingNameCopiesNothingYetMakesItCurrent) {
  TFmStep1& page = openWith({"A", "Radio"});
  t.write("other/Radio/!Tavo.ini", "[Channel Options]\r\n");
  page.copyProvider(t.path() + "other/Radio", "Radio");
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].title, "Copy Incomplete");
  EXPECT_FALSE(fs::exists(folder + "Radio/!Tavo.ini"));
  EXPECT_EQ(main->presentation().currentProvider, 1);
  EXPECT_EQ(cell(page, 3), "");
}

}  // namespace
}  // namespace tavo::creator::test

namespace tavo::creator::test {
namespace {

TEST_F(Step1Test, TheCopyDialogListsOtherPresentationsAndWantsAProvider) {
  TFmStep1& page = openWith({"A"});
  t.write("area/Projects/Other/Project.ini", "");
  t.write("area/Projects/Other/Radio/!Tavo.ini", "[Sponsor Options]\r\n");
  t.write("area/Projects/Other/TV/!Tavo.ini", "");
  TFmCopySubscriber dialog(platform.platform().messages, area + "Projects/", "Show");
  EXPECT_EQ(dialog.windowTitle(), "Copy Content Provider");
  ASSERT_EQ(dialog.CBxProjects->count(), 2);
  EXPECT_EQ(dialog.CBxProjects->itemText(0), "Select a project");
  EXPECT_EQ(dialog.CBxProjects->itemText(1), "Other");
  dialog.CBxProjectsDropDown();
  EXPECT_EQ(dialog.CBxProjects->count(), 1);
  dialog.CBxProjects->setCurrentIndex(0);
  dialog.CBxProjectsChange();
  ASSERT_EQ(dialog.LBxProviders->count(), 2);
  dialog.BtnOKClick();
  EXPECT_EQ(messageTexts(), QStringList{"Please select a content provider to copy"});
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  dialog.LBxProviders->setCurrentRow(0);
  dialog.BtnOKClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.providerName, "Radio");
  EXPECT_EQ(dialog.sourceFolder, area + "Projects/Other/Radio");

  page.askProviderToCopy = [&] { return std::optional(std::make_pair(dialog.sourceFolder, dialog.providerName)); };
  page.BtnCopyClick();
  EXPECT_TRUE(fs::is_regular_file(folder + "Radio/!Tavo.ini"));
  EXPECT_EQ(messageTexts().back(), "Content provider copied");
  EXPECT_EQ(main->presentation().currentProvider, 1);
}

}  // namespace
}  // namespace tavo::creator::test
