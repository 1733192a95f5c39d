// The CD and network routes' plain parts.
#include <gtest/gtest.h>

#include <filesystem>

#include "sfx/publish/PublishRoutes.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;
using namespace tavo::sfx;
using tavo::test::readFile;
using tavo::test::TempFolder;

TEST(PublishRoutes, TargetAsTyped) {
  EXPECT_EQ(publishTarget("  /media/cd/  "), "/media/cd");
  EXPECT_EQ(publishTarget("D:\\Master\\"), "D:\\Master");
  EXPECT_EQ(publishTarget("/media/cd//"), "/media/cd/");  // one separator only
  EXPECT_EQ(publishTarget("/"), "/");
}

TEST(PublishRoutes, TargetInsideThePresentationIsRefused) {
  TempFolder area;
  const std::string pres = area.mkdir("Projects/Pres");
  area.mkdir("Projects/Pres/News");
  area.mkdir("Projects/Press");
  fs::create_symlink(pres, area / "alias");
  struct Case {
    std::string target;
    bool inside;
  };
  const Case cases[] = {
      {pres, true},
      {area / "Projects/Pres", true},
      {area / "Projects/Pres/News/cd", true},
      {area / "Projects/./Pres/../Pres/new", true},
      {area / "alias/cd", true},
      {area / "Projects/Press", false},
      {area / "Projects", false},
      {area / "cd", false},
  };
  for (const Case& c : cases) EXPECT_EQ(targetInsidePresentation(c.target, pres), c.inside) << c.target;
  EXPECT_NE(targetInsidePresentationMessage("/x").find("/x"), std::string::npos);
}

TEST(PublishRoutes, AutoRunKeepsOtherLines) {
  TempFolder area;
  area.write("cd/AutoRun.inf", "[autorun]\r\nlabel=Club\r\nopen=old.exe\r\n[other]\r\nx=1\r\n");
  ASSERT_TRUE(writeAutoRun(area / "cd"));
  EXPECT_EQ(readFile(area / "cd/AutoRun.inf"),
            "[autorun]\r\nlabel=Club\r\nopen=TavoPlayer.exe\r\nICON=TavoPlayer.exe\r\n[other]\r\nx=1\r\n");
  area.mkdir("fresh");
  ASSERT_TRUE(writeAutoRun(area / "fresh"));
  EXPECT_EQ(readFile(area / "fresh/AutoRun.inf"), "[autorun]\r\nOPEN=TavoPlayer.exe\r\nICON=TavoPlayer.exe\r\n");
}
