#include <gtest/gtest.h>

#include <filesystem>

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

// Names from a presentation file stay inside the presentation: a table of
// stored names read in the channel "Town News" of the presentation root.
TEST(PresentationPath, ResolveInsideKeepsNamesInThePresentation) {
  test::TempFolder t;
  t.write("Show/Town News/Menu.pdf", "x");
  t.write("Show/Other Channel/menu.pdf", "x");
  t.write("secret.txt", "x");
  const std::string root = t / "Show/";
  const std::string provider = t / "Show/Town News/";
  struct Case {
    const char* stored;
    bool inside;
  } cases[] = {
      {"menu.PDF", true},
      {"..\\Other Channel\\MENU.pdf", true},     // a sibling channel
      {"../Other Channel/missing.pdf", true},    // missing, but inside: the caller says "missing"
      {"Sub\\..\\Menu.pdf", true},
      {"..\\..\\secret.txt", false},
      {"../../../../../../etc/passwd", false},
      {"..\\..\\Show\\Town News\\Menu.pdf", true},  // out and back in
      {"/etc/passwd", false},
      {"\\\\server\\share\\x.exe", false},
      {"C:\\Windows\\notepad.exe", false},
      {"c:x.txt", false},
  };
  for (const Case& c : cases) {
    const auto r = resolveInside(root, provider, c.stored);
    EXPECT_EQ(r.has_value(), c.inside) << c.stored;
    if (r && std::string(c.stored) == "menu.PDF") {
      EXPECT_EQ(*r, provider + "Menu.pdf");
    }
  }
  // The channel folder itself must lie in the root.
  EXPECT_FALSE(resolveInside(t / "Show/Other Channel/", provider, "Menu.pdf"));
  EXPECT_FALSE(resolveInside("", provider, "Menu.pdf"));
}

TEST(PresentationPath, ResolveInsideRefusesSymbolicLinksThatLeave) {
  test::TempFolder t;
  t.write("outside/passwd", "x");
  t.write("Show/Town News/Ticker.txt", "x");
  const std::string root = t / "Show/";
  const std::string provider = t / "Show/Town News/";
  std::filesystem::create_directory_symlink(t / "outside", provider + "link");
  std::filesystem::create_symlink(provider + "Ticker.txt", provider + "inner.txt");
  EXPECT_FALSE(resolveInside(root, provider, "link/passwd"));
  EXPECT_TRUE(resolveInside(root, provider, "inner.txt"));
}

}  // namespace
}  // namespace tavo
