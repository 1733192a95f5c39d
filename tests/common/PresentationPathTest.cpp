#include <gtest/gtest.h>

#include "common/PresentationPath.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

TEST(PresentationPath, FindsStoredNamesWithoutRegardToCase) {
  test::TempFolder t;
  t.write("Town News/Ticker.txt", "x");
  t.write("Town News/Beach/SlideShow.ini", "x");
  const std::string provider = t / "Town News/";

  EXPECT_EQ(resolveName(provider, "Ticker.Txt"), provider + "Ticker.txt");
  EXPECT_EQ(resolveName(provider, "TICKER.TXT"), provider + "Ticker.txt");
  EXPECT_EQ(resolveName(provider, "beach\\slideshow.INI"), provider + "Beach/SlideShow.ini");
  EXPECT_EQ(resolveName(provider, "beach/Slideshow.ini"), provider + "Beach/SlideShow.ini");
  EXPECT_TRUE(fileExistsIn(provider, "ticker.txt"));
  EXPECT_TRUE(folderExistsIn(provider, "BEACH"));
  EXPECT_FALSE(fileExistsIn(provider, "Beach"));
  EXPECT_FALSE(folderExistsIn(provider, "Ticker.txt"));
}

TEST(PresentationPath, KeepsMissingPartsAsWritten) {
  test::TempFolder t;
  t.mkdir("Town News");
  const std::string provider = t / "Town News/";
  EXPECT_EQ(resolveName(provider, "Missing\\Sub\\File.txt"), provider + "Missing/Sub/File.txt");
  EXPECT_FALSE(fileExistsIn(provider, "Missing\\Sub\\File.txt"));
  EXPECT_FALSE(fileExistsIn(provider, ""));
  // A web address is not a file in the folder.
  EXPECT_FALSE(fileExistsIn(provider, "http://www.example.com/index.html"));
}

TEST(PresentationPath, MatchesSingleByteNamesAgainstUtf8Files) {
  test::TempFolder t;
  t.write("Caf\xC3\xA9 Menu.txt", "x");  // the file system holds UTF-8 names
  EXPECT_TRUE(fileExistsIn(t.path(), "caf\xE9 menu.txt"));  // a Windows-1252 name from a presentation file
  EXPECT_TRUE(fileExistsIn(t.path(), "CAF\xC3\x89 MENU.TXT"));
}

TEST(PresentationPath, PrefersTheExactNameWhenTwoDifferOnlyInCase) {
  test::TempFolder t;
  t.write("a/readme.txt", "lower");
  t.write("a/README.txt", "upper");
  EXPECT_EQ(resolveName(t / "a/", "README.txt"), t / "a/README.txt");
  EXPECT_EQ(resolveName(t / "a/", "readme.txt"), t / "a/readme.txt");
}

}  // namespace
}  // namespace tavo
