#include <gtest/gtest.h>

#include "format/IniFunctions.h"
#include "format/ProfileFile.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

TEST(IniFunctions, AnEmptyOrMissingTextIsReplacedByTheDefault) {
  test::TempFolder t;
  const std::string file = t.write("TavoCreator.ini", "[Creator]\r\nEmpty=\r\nKept=value\r\n");
  EXPECT_EQ(iniReadStringDefault(file, "Creator", "Kept", "other"), "value");
  EXPECT_EQ(iniReadStringDefault(file, "Creator", "Empty", "filled"), "filled");
  EXPECT_EQ(iniReadStringDefault(file, "Creator", "Missing", "new"), "new");
  const ProfileFile after = ProfileFile::load(file);
  EXPECT_EQ(after.readString("Creator", "Empty", "?"), "filled");
  EXPECT_EQ(after.readString("Creator", "Missing", "?"), "new");
  EXPECT_EQ(after.readString("Creator", "Kept", "?"), "value");
}

TEST(IniFunctions, MinusOneMarksAMissingNumber) {
  test::TempFolder t;
  const std::string file = t.write("x.ini", "[S]\r\nN=12\r\nBad=abc\r\nMinus=-1\r\nF=2.5\r\n");
  EXPECT_EQ(iniReadIntegerDefault(file, "S", "N", 7), 12);
  EXPECT_EQ(iniReadIntegerDefault(file, "S", "Bad", 7), 7);
  EXPECT_EQ(iniReadIntegerDefault(file, "S", "Minus", 7), 7);  // a stored -1 reads as missing
  EXPECT_EQ(iniReadIntegerDefault(file, "S", "New", 3), 3);
  EXPECT_EQ(ProfileFile::load(file).readString("S", "Bad", "?"), "7");
  EXPECT_EQ(ProfileFile::load(file).readString("S", "New", "?"), "3");

  EXPECT_DOUBLE_EQ(iniReadFloatDefault(file, "S", "F", 1.0), 2.5);
  EXPECT_DOUBLE_EQ(iniReadFloatDefault(file, "S", "G", 0.75), 0.75);
  EXPECT_EQ(ProfileFile::load(file).readString("S", "G", "?"), "0.75");
}

}  // namespace
}  // namespace tavo
