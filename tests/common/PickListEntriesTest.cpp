#include <gtest/gtest.h>

#include <filesystem>

#include "common/PickListEntries.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using Names = std::vector<std::string>;

class PickListEntriesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp.write("report.final.txt", "x");
    tmp.write("beach.JPG", "x");
    tmp.write("Notes.txt", "x");
    tmp.write(".hidden", "x");
    tmp.write("README", "x");
    tmp.mkdir("Zebra");
    tmp.mkdir("apple");
    tmp.mkdir(".git");
    std::filesystem::create_directory_symlink(tmp / "Zebra", tmp / "linked");
    std::filesystem::create_symlink(tmp / "Notes.txt", tmp / "notes-link.txt");
  }
  test::TempFolder tmp;
};

TEST_F(PickListEntriesTest, FilesFoldersPatternsAndOrder) {
  struct Case {
    const char* pattern;
    PickListOptions options;
    Names expected;
  };
  const Case cases[] = {
      {"*.*", {false, false}, {"beach", "Notes", "README", "report"}},
      // A file named ".hidden" is no name without its extension, but is one with it.
      {"*.*", {false, true}, {".hidden", "beach.JPG", "Notes.txt", "README", "report.final.txt"}},
      {"*.txt", {false, false}, {"Notes", "report"}},
      {"*.jpg", {false, true}, {"beach.JPG"}},  // the pattern ignores letter case
      {"*", {true, false}, {"apple", "Zebra"}},  // no links, nothing beginning with "."
      {"*.*", {true, false}, {"apple", "Zebra"}},
      {"Z*", {true, false}, {"Zebra"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(pickListEntries(tmp / c.pattern, c.options), c.expected)
        << c.pattern << " dirs=" << c.options.dirsOnly << " ext=" << c.options.showFileExt;
}

TEST_F(PickListEntriesTest, MissingFolderGivesNothing) {
  EXPECT_TRUE(pickListEntries(tmp / "nowhere/*.*", {}).empty());
}

}  // namespace
}  // namespace tavo
