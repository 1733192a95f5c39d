#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/TFileOperation.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;

namespace tavo::platform {
namespace {

using Answer = FileOperationUi::Answer;
using test::TempFolder;

QString q(const std::string& path) { return QString::fromStdString(path); }

// Everything below `folder`, one entry a line in name order: "dir/", "file=content", "link->target".
std::string tree(const std::string& folder) {
  std::vector<std::string> lines;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const std::string rel = it->path().lexically_relative(folder).string();
    if (it->is_symlink())
      lines.push_back(rel + "->" + fs::read_symlink(it->path()).string());
    else if (it->is_directory())
      lines.push_back(rel + "/");
    else
      lines.push_back(rel + "=" + test::readFile(it->path().string()));
  }
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

// A slideshow library folder and a content provider folder, as the creator has them.
class FileOperationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.write("Library/Beach/Slideshow.ini", "S");
    t.write("Library/Beach/beach.jpg", "B");
    t.write("Library/Beach/thumbs/t1.jpg", "T");
    t.write("Provider/!Tavo.ini", "P");
  }
  TFileOperation quiet(bool renameOnCollision) {
    TFileOperation op;
    op.ShowProgress = false;
    op.RenameOnCollision = renameOnCollision;
    return op;
  }
  std::string lib(std::string_view rel = "") const { return t / ("Library/Beach" + std::string(rel)); }

  TempFolder t;
  const std::string beachTree = "Slideshow.ini=S\nbeach.jpg=B\nthumbs/\nthumbs/t1.jpg=T\n";
};

TEST_F(FileOperationTest, CopyPlacesTheSourceByTheShellsRules) {
  struct Case {
    const char* what;
    const char* source;       // below the temporary folder
    const char* destination;  // below the temporary folder
    bool filesOnly;
    const char* expectedProvider;  // tree of Provider/ afterwards
  };
  const Case cases[] = {
      {"folder into an existing folder lands inside it under its own name", "Library/Beach", "Provider", false,
       "!Tavo.ini=P\nBeach/\nBeach/Slideshow.ini=S\nBeach/beach.jpg=B\nBeach/thumbs/\nBeach/thumbs/t1.jpg=T\n"},
      {"one trailing separator on each path changes nothing", "Library/Beach/", "Provider/", false,
       "!Tavo.ini=P\nBeach/\nBeach/Slideshow.ini=S\nBeach/beach.jpg=B\nBeach/thumbs/\nBeach/thumbs/t1.jpg=T\n"},
      {"folder to a missing destination is made under the destination's name", "Library/Beach", "Provider/Sunset",
       false,
       "!Tavo.ini=P\nSunset/\nSunset/Slideshow.ini=S\nSunset/beach.jpg=B\nSunset/thumbs/\nSunset/thumbs/t1.jpg=T\n"},
      {"missing parent folders of the destination are created", "Library/Beach", "Provider/a/b", false,
       "!Tavo.ini=P\na/\na/b/\na/b/Slideshow.ini=S\na/b/beach.jpg=B\na/b/thumbs/\na/b/thumbs/t1.jpg=T\n"},
      {"file into an existing folder", "Library/Beach/beach.jpg", "Provider", false, "!Tavo.ini=P\nbeach.jpg=B\n"},
      {"file to a missing name", "Library/Beach/beach.jpg", "Provider/sand.jpg", false,
       "!Tavo.ini=P\nsand.jpg=B\n"},
      {"*.* takes files and folders", "Library/Beach/*.*", "Provider", false,
       "!Tavo.ini=P\nSlideshow.ini=S\nbeach.jpg=B\nthumbs/\nthumbs/t1.jpg=T\n"},
      {"*.* with FilesOnly takes files only", "Library/Beach/*.*", "Provider", true,
       "!Tavo.ini=P\nSlideshow.ini=S\nbeach.jpg=B\n"},
      {"a pattern matches without regard to case", "Library/Beach/*.JPG", "Provider", false,
       "!Tavo.ini=P\nbeach.jpg=B\n"},
      {"a pattern fills a new folder named by a missing destination", "Library/Beach/*.ini", "Provider/Set", false,
       "!Tavo.ini=P\nSet/\nSet/Slideshow.ini=S\n"},
      {"a pattern that matches nothing copies nothing and succeeds", "Library/Beach/*.wav", "Provider", false,
       "!Tavo.ini=P\n"},
  };
  for (const auto& c : cases) {
    for (bool rename : {true, false}) {  // nothing collides here, so renaming makes no difference
      SCOPED_TRACE(std::string(c.what) + (rename ? " (RenameOnCollision)" : ""));
      TempFolder run;
      fs::copy(t.path(), run.path(), fs::copy_options::recursive);
      TFileOperation op = quiet(rename);
      op.FilesOnly = c.filesOnly;
      EXPECT_TRUE(op.copy(q(run / c.source), q(run / c.destination)));
      EXPECT_EQ(tree(run / "Provider"), c.expectedProvider);
      EXPECT_EQ(tree(run / "Library/Beach"), beachTree) << "the source stays as it was";
    }
  }
}

TEST_F(FileOperationTest, CollisionWithRenameOnCollisionGivesCopyOfNames) {
  t.write("Provider/Beach/old.jpg", "O");
  TFileOperation op = quiet(true);
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), "old.jpg=O\n") << "the existing folder is left alone";
  EXPECT_EQ(tree(t / "Provider/Copy of Beach"), beachTree);
  EXPECT_EQ(tree(t / "Provider/Copy (2) of Beach"), beachTree);

  // A file copied into its own folder is a collision with itself.
  ASSERT_TRUE(op.copy(q(lib("/beach.jpg")), q(lib())));
  EXPECT_EQ(test::readFile(lib("/Copy of beach.jpg")), "B");
}

TEST_F(FileOperationTest, CollisionWithoutRenameReplacesAndMergesWithoutAsking) {
  t.write("Provider/Beach/beach.jpg", "old");
  t.write("Provider/Beach/keep.txt", "K");
  TFileOperation op = quiet(false);
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), "Slideshow.ini=S\nbeach.jpg=B\nkeep.txt=K\nthumbs/\nthumbs/t1.jpg=T\n");
}

TEST_F(FileOperationTest, TargetNamesCollideWithoutRegardToCase) {
  t.write("Provider/BEACH/BEACH.JPG", "old");
  {
    TFileOperation op = quiet(false);
    ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
    EXPECT_EQ(tree(t / "Provider"),
              "!Tavo.ini=P\nBEACH/\nBEACH/BEACH.JPG=B\nBEACH/Slideshow.ini=S\nBEACH/thumbs/\nBEACH/thumbs/t1.jpg=T\n")
        << "merged into the existing folder; the replaced file keeps its name";
  }
  {
    TFileOperation op = quiet(true);
    ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
    EXPECT_EQ(tree(t / "Provider/Copy of Beach"), beachTree);
  }
  // A missing destination whose name exists in another case is that folder.
  TFileOperation op = quiet(false);
  ASSERT_TRUE(op.copy(q(lib("/beach.jpg")), q(t / "provider")));
  EXPECT_EQ(test::readFile(t / "Provider/beach.jpg"), "B");
  EXPECT_FALSE(fs::exists(t / "provider"));
}

TEST_F(FileOperationTest, SourceNamesDifferingOnlyInCaseAreAllCopied) {
  t.write("Two/a.txt", "1");
  t.write("Two/A.txt", "2");
  t.write("Into/Two/A.TXT", "old");
  TFileOperation op = quiet(false);
  ASSERT_TRUE(op.copy(q(t / "Two"), q(t / "Into")));
  EXPECT_EQ(tree(t / "Into/Two"), "A.TXT=2\na.txt=1\n");
}

TEST_F(FileOperationTest, CopyRefusesToCopyAFolderIntoItself) {
  for (bool rename : {true, false}) {
    for (const std::string& into : {lib(), lib("/thumbs")}) {
      TFileOperation op = quiet(rename);
      op.ShowWin32Errors = false;
      EXPECT_FALSE(op.copy(q(lib()), q(into))) << into;
      EXPECT_EQ(tree(lib()), beachTree);
    }
  }
  TFileOperation op = quiet(false);
  op.ShowWin32Errors = false;
  EXPECT_FALSE(op.copy(q(lib("/beach.jpg")), q(lib()))) << "a file onto itself without a new name";
  EXPECT_EQ(test::readFile(lib("/beach.jpg")), "B");
}

TEST_F(FileOperationTest, ReplacingNeverWritesThroughALinkAndKeepsFileTimes) {
  t.write("Outside/secret.txt", "untouched");
  fs::create_directories(t / "Provider/Beach");
  fs::create_symlink(t / "Outside/secret.txt", t / "Provider/Beach/beach.jpg");
  const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
  fs::last_write_time(lib("/Slideshow.ini"), stamp);
  fs::permissions(lib("/beach.jpg"), fs::perms::owner_read | fs::perms::group_read);

  TFileOperation op = quiet(false);
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(test::readFile(t / "Outside/secret.txt"), "untouched");
  EXPECT_FALSE(fs::is_symlink(t / "Provider/Beach/beach.jpg"));
  EXPECT_EQ(test::readFile(t / "Provider/Beach/beach.jpg"), "B");
  EXPECT_EQ(fs::last_write_time(t / "Provider/Beach/Slideshow.ini"), stamp);
  EXPECT_EQ(fs::status(t / "Provider/Beach/beach.jpg").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read)
      << "a read-only file stays read-only in the copy";
  // The read-only copy can be replaced again.
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), beachTree);
}

TEST_F(FileOperationTest, LinksInsideACopiedFolderAreCopiedAsLinks) {
  t.write("Outside/big.bin", "outside");
  fs::create_directory_symlink("..", lib("/loop"));  // would recurse for ever if followed
  fs::create_symlink(t / "Outside/big.bin", lib("/big.bin"));
  fs::create_symlink("missing", lib("/dangling"));

  TFileOperation op = quiet(false);
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), "Slideshow.ini=S\nbeach.jpg=B\nbig.bin->" + (t / "Outside/big.bin") +
                                            "\ndangling->missing\nloop->..\nthumbs/\nthumbs/t1.jpg=T\n");

  // A link named as the source stands for its folder.
  fs::create_directory_symlink(lib(), t / "BeachLink");
  ASSERT_TRUE(op.copy(q(t / "BeachLink"), q(t / "Second")));
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(t / "Second")));
  EXPECT_EQ(test::readFile(t / "Second/beach.jpg"), "B");
}

TEST_F(FileOperationTest, APatternCopiesTheLinksItMatchesAsLinks) {
  t.write("Outside/secret.txt", "outside");
  // A presentation with a link to "/" and one to a file outside it.
  fs::create_directory_symlink("/", lib("/root"));
  fs::create_symlink(t / "Outside/secret.txt", lib("/secret.txt"));
  const std::string expected = "Slideshow.ini=S\nbeach.jpg=B\nroot->/\nsecret.txt->" + (t / "Outside/secret.txt") +
                               "\nthumbs/\nthumbs/t1.jpg=T\n";
  TFileOperation op = quiet(false);
  // Into an existing folder, and into a missing one the pattern fills.
  t.mkdir("Into");
  ASSERT_TRUE(op.copy(q(lib("/*.*")), q(t / "Into")));
  EXPECT_EQ(tree(t / "Into"), expected);
  ASSERT_TRUE(op.copy(q(lib("/*")), q(t / "New")));
  EXPECT_EQ(tree(t / "New"), expected);
}

TEST_F(FileOperationTest, ShowProgressShowsTheTitleAsksInsteadOfRenamingAndReportsEveryEntry) {
  t.write("Provider/Beach/beach.jpg", "old");
  testing::TestFileOperationUi ui;
  TFileOperation op(&ui);  // ShowProgress and RenameOnCollision are on after creation
  op.ProgressTitle = "Installing presentation to /opt/";
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(ui.titles, QStringList{"Installing presentation to /opt/"});
  EXPECT_EQ(ui.ended, 1);
  EXPECT_EQ(ui.replaceQuestions, (QStringList{q(t / "Provider/Beach"), q(t / "Provider/Beach/beach.jpg")}));
  EXPECT_EQ(ui.entries, (QStringList{q(lib()), q(lib("/Slideshow.ini")), q(lib("/beach.jpg")), q(lib("/thumbs")),
                                     q(lib("/thumbs/t1.jpg"))}));
  EXPECT_FALSE(fs::exists(t / "Provider/Copy of Beach"));
  EXPECT_EQ(tree(t / "Provider/Beach"), beachTree);
}

TEST_F(FileOperationTest, ShowProgressAnswersDecideWhatIsReplaced) {
  struct Case {
    const char* what;
    std::deque<Answer> answers;
    bool result;
    int questions;
    const char* beachJpg;
    const char* slideshowIni;
  };
  const Case cases[] = {
      {"Yes, Yes", {Answer::Yes, Answer::Yes}, true, 3, "B", "S"},
      {"Yes to all asks no more", {Answer::YesToAll}, true, 1, "B", "S"},
      {"No for the folder skips it all", {Answer::No}, false, 1, "old", "old"},
      {"No for one file skips that file", {Answer::Yes, Answer::No, Answer::Yes}, false, 3, "B", "old"},
      {"Cancel ends the copy", {Answer::Yes, Answer::Cancel}, false, 2, "old", "old"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder run;
    run.write("Library/Beach/Slideshow.ini", "S");
    run.write("Library/Beach/beach.jpg", "B");
    run.write("Provider/Beach/Slideshow.ini", "old");
    run.write("Provider/Beach/beach.jpg", "old");
    testing::TestFileOperationUi ui;
    ui.answers = c.answers;
    TFileOperation op(&ui);
    EXPECT_EQ(op.copy(q(run / "Library/Beach"), q(run / "Provider")), c.result);
    EXPECT_EQ(ui.replaceQuestions.size(), c.questions);
    EXPECT_EQ(test::readFile(run / "Provider/Beach/beach.jpg"), c.beachJpg);
    EXPECT_EQ(test::readFile(run / "Provider/Beach/Slideshow.ini"), c.slideshowIni);
    EXPECT_EQ(ui.ended, 1);
  }
}

TEST_F(FileOperationTest, CancelInTheProgressWindowStopsWithoutRaising) {
  testing::TestFileOperationUi ui;
  ui.cancelAtEntry = 3;
  TFileOperation op(&ui);
  EXPECT_FALSE(op.copy(q(lib()), q(t / "Provider")));  // ShowWin32Errors is on: a cancel is no error
  EXPECT_EQ(ui.entries.size(), 3);
  EXPECT_EQ(tree(t / "Provider/Beach"), "Slideshow.ini=S\n") << "what was copied before the cancel stays";
  EXPECT_EQ(ui.ended, 1);

  testing::TestFileOperationUi deleting;
  deleting.cancelAtEntry = 2;
  TFileOperation del(&deleting);
  EXPECT_FALSE(del.deleteFiles(q(lib())));
  EXPECT_TRUE(fs::exists(lib()));
}

TEST_F(FileOperationTest, ShowProgressWithoutAWindowReplacesWithoutRenaming) {
  t.write("Provider/Beach/beach.jpg", "old");
  TFileOperation op;  // no FileOperationUi
  ASSERT_TRUE(op.copy(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), beachTree);
  EXPECT_FALSE(fs::exists(t / "Provider/Copy of Beach"));
}

TEST_F(FileOperationTest, FailuresRaiseTheSystemsErrorOrReturnFalse) {
  t.write("Blocker", "a file where a folder is needed");
  t.write("Provider/Taken", "x");
  struct Case {
    const char* what;
    std::function<bool(TFileOperation&)> run;
    std::errc code;
  };
  const Case cases[] = {
      {"copy of a missing source", [&](TFileOperation& op) { return op.copy(q(t / "Nothing"), q(t / "Provider")); },
       std::errc::no_such_file_or_directory},
      {"copy of a pattern in a missing folder",
       [&](TFileOperation& op) { return op.copy(q(t / "Nothing/*.*"), q(t / "Provider")); },
       std::errc::no_such_file_or_directory},
      {"copy below a file", [&](TFileOperation& op) { return op.copy(q(lib()), q(t / "Blocker/Set")); },
       std::errc::not_a_directory},
      {"copy of a folder onto a file", [&](TFileOperation& op) { return op.copy(q(lib()), q(t / "Blocker")); },
       std::errc::not_a_directory},
      {"rename of a missing source",
       [&](TFileOperation& op) { return op.rename(q(t / "Nothing"), q(t / "Something")); },
       std::errc::no_such_file_or_directory},
      {"rename onto an existing name",
       [&](TFileOperation& op) { return op.rename(q(t / "Provider/!Tavo.ini"), q(t / "Provider/Taken")); },
       std::errc::file_exists},
      {"rename onto a name differing only in case",
       [&](TFileOperation& op) { return op.rename(q(t / "Provider/!Tavo.ini"), q(t / "Provider/TAKEN")); },
       std::errc::file_exists},
      {"delete of a missing source", [&](TFileOperation& op) { return op.deleteFiles(q(t / "Nothing")); },
       std::errc::no_such_file_or_directory},
      {"delete of a pattern in a missing folder",
       [&](TFileOperation& op) { return op.deleteFiles(q(t / "Nothing/*.*")); },
       std::errc::no_such_file_or_directory},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TFileOperation raising = quiet(false);
    try {
      c.run(raising);
      ADD_FAILURE() << "no FileOperationError";
    } catch (const FileOperationError& e) {
      EXPECT_EQ(e.code(), std::make_error_code(c.code));
      EXPECT_NE(std::string(e.what()).find(t.path()), std::string::npos) << e.what();
    }
    TFileOperation silent = quiet(false);
    silent.ShowWin32Errors = false;
    EXPECT_FALSE(c.run(silent));
  }
  EXPECT_EQ(test::readFile(t / "Provider/Taken"), "x");
  EXPECT_EQ(test::readFile(t / "Provider/!Tavo.ini"), "P");
}

TEST_F(FileOperationTest, RenameMovesTheEntryAndMayChangeOnlyItsCase) {
  TFileOperation op = quiet(true);
  ASSERT_TRUE(op.rename(q(lib()), q(t / "Library/Sunset")));
  EXPECT_EQ(tree(t / "Library/Sunset"), beachTree);
  EXPECT_FALSE(fs::exists(lib()));
  ASSERT_TRUE(op.rename(q(t / "Library/Sunset"), q(t / "Library/SUNSET")));
  EXPECT_EQ(tree(t / "Library"),
            "SUNSET/\nSUNSET/Slideshow.ini=S\nSUNSET/beach.jpg=B\nSUNSET/thumbs/\nSUNSET/thumbs/t1.jpg=T\n");
  EXPECT_TRUE(op.rename(q(t / "Library/SUNSET"), q(t / "Library/SUNSET"))) << "the same name is no change";
}

TEST_F(FileOperationTest, DeleteRemovesFilesFoldersAndPatternMatches) {
  struct Case {
    const char* what;
    std::string source;
    bool filesOnly;
    const char* remaining;  // tree of Library/Beach afterwards
  };
  const Case cases[] = {
      {"one file", "beach.jpg", false, "Slideshow.ini=S\nthumbs/\nthumbs/t1.jpg=T\n"},
      {"*.* takes folders too", "*.*", false, ""},
      {"*.* with FilesOnly keeps folders", "*.*", true, "thumbs/\nthumbs/t1.jpg=T\n"},
      {"a pattern without regard to case", "*.JPG", false, "Slideshow.ini=S\nthumbs/\nthumbs/t1.jpg=T\n"},
      {"a pattern that matches nothing", "*.wav", false, "Slideshow.ini=S\nbeach.jpg=B\nthumbs/\nthumbs/t1.jpg=T\n"},
      {"a folder with everything in it", "thumbs", false, "Slideshow.ini=S\nbeach.jpg=B\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder run;
    run.write("Beach/Slideshow.ini", "S");
    run.write("Beach/beach.jpg", "B");
    run.write("Beach/thumbs/t1.jpg", "T");
    TFileOperation op = quiet(true);
    op.FilesOnly = c.filesOnly;
    EXPECT_TRUE(op.deleteFiles(q(run / "Beach/" + c.source)));
    EXPECT_EQ(tree(run / "Beach"), c.remaining);
  }
  TFileOperation op = quiet(true);
  EXPECT_TRUE(op.deleteFiles(q(lib())));
  EXPECT_FALSE(fs::exists(lib()));
}

TEST_F(FileOperationTest, DeleteNeverReachesThroughALink) {
  t.write("Outside/keep.txt", "K");
  fs::create_directory_symlink(t / "Outside", lib("/outside"));
  fs::create_directory_symlink(t / "Outside", t / "Link");
  TFileOperation op = quiet(true);
  ASSERT_TRUE(op.deleteFiles(q(t / "Link/")));  // the trailing separator does not make it the folder
  EXPECT_FALSE(fs::exists(fs::symlink_status(t / "Link")));
  ASSERT_TRUE(op.deleteFiles(q(lib())));
  EXPECT_FALSE(fs::exists(lib()));
  EXPECT_EQ(tree(t / "Outside"), "keep.txt=K\n");

  op.ShowWin32Errors = false;
  EXPECT_FALSE(op.deleteFiles(q(t / "Provider/..")));
  EXPECT_EQ(test::readFile(t / "Provider/!Tavo.ini"), "P");
}

TEST_F(FileOperationTest, DeleteEmptiesReadOnlyFolders) {
  fs::permissions(lib("/thumbs"), fs::perms::owner_read | fs::perms::owner_exec);
  TFileOperation op = quiet(true);
  EXPECT_TRUE(op.deleteFiles(q(lib())));
  EXPECT_FALSE(fs::exists(lib()));
}

TEST_F(FileOperationTest, DeleteWithShowProgressAsksOnce) {
  for (Answer answer : {Answer::No, Answer::Cancel, Answer::Yes}) {
    testing::TestFileOperationUi ui;
    ui.answers = {answer};
    TFileOperation op(&ui);
    op.ProgressTitle = "Deleting";
    EXPECT_EQ(op.deleteFiles(q(lib("/*.*"))), answer == Answer::Yes);
    EXPECT_EQ(ui.deleteQuestions, QStringList{q(lib("/*.*"))});
    EXPECT_EQ(fs::exists(lib("/beach.jpg")), answer != Answer::Yes);
  }
}

TEST_F(FileOperationTest, CopyFolderQuietReplacesWithoutAskingAndRaisesFailures) {
  t.write("Provider/Beach/beach.jpg", "old");
  EXPECT_TRUE(copyFolderQuiet(q(lib()), q(t / "Provider")));
  EXPECT_EQ(tree(t / "Provider/Beach"), beachTree);
  EXPECT_THROW(copyFolderQuiet(q(t / "Nothing"), q(t / "Provider")), FileOperationError);
}

}  // namespace
}  // namespace tavo::platform
