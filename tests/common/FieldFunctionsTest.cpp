#include <gtest/gtest.h>

#include "common/QxMisc.h"

namespace tavo {
namespace {

struct FieldCase {
  const char* text;
  int n;
  char sep;
  const char* expected;
};

TEST(GetField, TakesTheTextBetweenSeparators) {
  const FieldCase cases[] = {
      {"a|b|c", 1, '|', "a"},     {"a|b|c", 2, '|', "b"},   {"a|b|c", 3, '|', "c"},
      {"a|b|c", 4, '|', ""},      {"|x", 1, '|', ""},       {"|x", 2, '|', "x"},
      {"", 1, '|', ""},           {"abc", 1, '|', "abc"},   {"abc", 0, '|', ""},
      {"a||c", 2, '|', ""},       {" a | b ", 2, '|', " b "},  // not trimmed
      {"k=v=w", 2, '=', "v"},     {"line|", 2, '|', ""},
  };
  for (const auto& c : cases) EXPECT_EQ(getField(c.text, c.n, c.sep), c.expected) << c.text << " #" << c.n;
}

TEST(GetFieldFromEnd, CountsFromTheLastSeparator) {
  EXPECT_EQ(getFieldFromEnd("/data/Harbour Town/Town News/", 2, '/'), "Town News");
  EXPECT_EQ(getFieldFromEnd("/data/Harbour Town/Town News/", 1, '/'), "");
  EXPECT_EQ(getFieldFromEnd("C:\\a\\b\\", 2, '\\'), "b");
  EXPECT_EQ(getFieldFromEnd("a|b|c", 1, '|'), "c");
  EXPECT_EQ(getFieldFromEnd("a|b|c", 3, '|'), "a");
  EXPECT_EQ(getFieldFromEnd("a|b|c", 4, '|'), "");
  EXPECT_EQ(getFieldFromEnd("abc", 1, '|'), "abc");
  EXPECT_EQ(getFieldFromEnd("", 1, '|'), "");
}

TEST(GetField2, SplitsAtEitherSeparator) {
  EXPECT_EQ(getField2("Image1=beach.jpg|Sunset|Slideshow Beach", 1, '=', '|'), "Image1");
  EXPECT_EQ(getField2("Image1=beach.jpg|Sunset|Slideshow Beach", 2, '=', '|'), "beach.jpg");
  EXPECT_EQ(getField2("Image1=beach.jpg|Sunset|Slideshow Beach", 3, '=', '|'), "Sunset");
  EXPECT_EQ(getField2("Image1=beach.jpg|Sunset|Slideshow Beach", 4, '=', '|'), "Slideshow Beach");
  EXPECT_EQ(getField2("Image1=beach.jpg", 3, '=', '|'), "");
}

TEST(FieldCount, CountsSeparatorsPlusOne) {
  EXPECT_EQ(fieldCount("", ','), 0);
  EXPECT_EQ(fieldCount("abc", ','), 1);
  EXPECT_EQ(fieldCount("abc,", ','), 2);
  EXPECT_EQ(fieldCount("a,b,c", ','), 3);
}

TEST(SetField, ReplacesOnlyAnExistingField) {
  EXPECT_EQ(setField("Ticker On,Media Controls On,", 3, ',', "intro.txt"), "Ticker On,Media Controls On,intro.txt");
  EXPECT_EQ(setField("Ticker On,Media Controls On", 3, ',', "intro.txt"), "Ticker On,Media Controls On");
  EXPECT_EQ(setField("a,b,c", 2, ',', "X"), "a,X,c");
  EXPECT_EQ(setField("a,b,c", 1, ',', ""), ",b,c");
  EXPECT_EQ(setField("", 1, ',', "x"), "");
}

TEST(AfterLast, TakesTheRestOrTheWhole) {
  EXPECT_EQ(afterLast("http://example.com/files/update.zip", '/'), "update.zip");
  EXPECT_EQ(afterLast("update.zip", '/'), "update.zip");
  EXPECT_EQ(afterLast("folder/", '/'), "");
}

TEST(TextFunctions, DoubleAndUndoubleCharacters) {
  EXPECT_EQ(doubleChar("Fish & Chips", '&'), "Fish && Chips");
  EXPECT_EQ(undoubleChar("Fish && Chips", '&'), "Fish & Chips");
  EXPECT_EQ(undoubleChar("a&&&b", '&'), "a&&b");
  EXPECT_EQ(collapseRuns("a&&&b&&c&d", '&'), "a&b&c&d");
  EXPECT_EQ(removeChar("a-b-c", '-'), "abc");
  EXPECT_EQ(trimChar("\"\"quoted\"", '"'), "quoted");
  EXPECT_EQ(removeControlChars(std::string("a\tb\x01" "c\x7f", 6)), "abc\x7f");
  EXPECT_EQ(dropLastChar("abc"), "ab");
  EXPECT_EQ(dropLastChar(""), "");
  EXPECT_EQ(dropLastCharIf("folder/", '/'), "folder");
  EXPECT_EQ(dropLastCharIf("folder", '/'), "folder");
  EXPECT_EQ(lastChar("abc"), "c");
  EXPECT_EQ(lastChar(""), "");
  EXPECT_EQ(appendCharIfMissing("folder", '/'), "folder/");
  EXPECT_EQ(appendCharIfMissing("folder/", '/'), "folder/");
  EXPECT_EQ(appendCharIfMissing("", '/'), "/");
  EXPECT_EQ(copyFrom("Subscriber Town News", 12), "Town News");
  EXPECT_EQ(copyFrom("abc", 9), "");
  EXPECT_EQ(copyFrom("abc", 0), "abc");
}

TEST(TextFunctions, CapitalizeWordsGivesTheTitleForm) {
  EXPECT_EQ(capitalizeWords("content provider"), "Content Provider");
  EXPECT_EQ(capitalizeWords("SLIDESHOW"), "Slideshow");
  EXPECT_EQ(capitalizeWords("self-extracting exe.file"), "Self-Extracting Exe.File");
  EXPECT_EQ(capitalizeWords(""), "");
}

TEST(TextFunctions, CaseIsIgnoredForWesternLetters) {
  EXPECT_TRUE(equalsIgnoreCase("RunPlayList", "runplaylist"));
  EXPECT_TRUE(equalsIgnoreCase("\xC9t\xE9", "\xE9T\xC9"));  // Windows-1252 E acute
  EXPECT_FALSE(equalsIgnoreCase("abc", "abd"));
  EXPECT_TRUE(startsWithIgnoreCase("SLIDESHOW Beach", "SlideShow"));
  EXPECT_FALSE(startsWithIgnoreCase("Slide", "SlideShow"));
}

TEST(PathFunctions, BaseNameAndDriveRoot) {
  EXPECT_EQ(baseName("C:\\videos\\clip.final.avi"), "clip");
  EXPECT_EQ(baseName("/media/videos/clip.final.avi"), "clip");
  EXPECT_EQ(baseName("clip"), "clip");
  EXPECT_EQ(baseName("/media/my.videos/clip"), "/media/my.videos/clip");
  EXPECT_EQ(driveRoot("d:\\setup\\TavoPlayer.exe"), "d:\\");
  EXPECT_EQ(driveRoot("\\\\server\\share\\x"), "");
  EXPECT_EQ(driveRoot("/media/cdrom/x"), "");
  EXPECT_EQ(lastPathName("/data/Harbour Town/"), "Harbour Town");
  EXPECT_EQ(folderOf("/data/file.txt"), "/data/");
  EXPECT_EQ(withTrailingSeparator("/data"), "/data/");
  EXPECT_EQ(withTrailingSeparator("/data//"), "/data/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
}

TEST(PathFunctions, WildcardsMatchWithoutCase) {
  EXPECT_TRUE(wildcardMatch("*.*", "a.txt"));
  EXPECT_TRUE(wildcardMatch("*.JPG", "beach.jpg"));
  EXPECT_TRUE(wildcardMatch("clip?.avi", "clip1.avi"));
  EXPECT_FALSE(wildcardMatch("clip?.avi", "clip12.avi"));
  EXPECT_TRUE(wildcardMatch("*", ""));
  EXPECT_FALSE(wildcardMatch("*.txt", "notes.txt.bak"));
}

}  // namespace
}  // namespace tavo
