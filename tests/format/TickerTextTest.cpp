#include <gtest/gtest.h>

#include "format/TickerText.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;

using Lines = std::vector<TickerLine>;

TEST(TickerText, PlayerReadsUntilOnlyWhiteSpaceIsLeft) {
  const struct {
    const char* bytes;
    Lines expected;
  } cases[] = {
      {"Sale today|price.htm\r\n", {{"Sale today", "price.htm"}}},
      {"no hotlink\r\n", {{"no hotlink", ""}}},
      {"a|b|dropped third\r\n", {{"a", "b"}}},
      {"first\r\n\r\nthird\r\n\r\n \t\r\n\r\n", {{"first", ""}, {"", ""}, {"third", ""}}},
      {"one\ntwo", {{"one", ""}, {"two", ""}}},          // LF only, no final line end
      {"one\rtwo\r", {{"one", ""}, {"two", ""}}},        // CR only
      {" padded | link ", {{" padded ", " link "}}},   // not trimmed
      {"|only link", {{"", "only link"}}},
      {"", {}},
      {"\r\n  \r\n\t", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseTickerText(c.bytes, ReadMode::Player), c.expected) << c.bytes;
}

TEST(TickerText, EditorReadsEveryLine) {
  EXPECT_EQ(parseTickerText("first\r\n\r\nthird|x\r\n \r\n\r\n\n", ReadMode::Editor),
            (Lines{{"first", ""}, {"", ""}, {"third", "x"}, {" ", ""}}));
}

TEST(TickerText, WriterSkipsEmptyRowsAndAlwaysWritesTheBar) {
  TempFolder dir;
  const std::string path = dir / "Ticker.txt";
  ASSERT_TRUE(writeTickerText(path, {{"Hello", ""}, {"", ""}, {"", "only.htm"}, {"Two\r\nlines", "x"}}));
  EXPECT_EQ(readFile(path), "Hello|\r\n|only.htm\r\nTwo  lines|x\r\n");
  // Editor save of a file read by the player drops the gap line and the third field.
  const Lines rows = readTickerText(dir.write("Adstream.txt", "a|b|c\n\nnext\n"), ReadMode::Editor);
  ASSERT_TRUE(writeTickerText(dir / "Adstream.txt", rows));
  EXPECT_EQ(readFile(dir / "Adstream.txt"), "a|b\r\nnext|\r\n");
  EXPECT_EQ(readTickerText(dir / "Adstream.txt", ReadMode::Player), (Lines{{"a", "b"}, {"next", ""}}));
  EXPECT_TRUE(readTickerText(dir / "missing.txt", ReadMode::Player).empty());
}

TEST(TickerText, TheFileNameIsMatchedWithoutCase) {
  TempFolder dir;
  dir.write("ticker.TXT", "shown|x\r\n");
  EXPECT_EQ(readTickerText(dir / "Ticker.Txt", ReadMode::Player), (Lines{{"shown", "x"}}));
  ASSERT_TRUE(writeTickerText(dir / "Ticker.txt", {{"new", ""}}));
  EXPECT_EQ(readFile(dir / "ticker.TXT"), "new|\r\n");
  EXPECT_EQ(readFile(dir / "Ticker.txt"), "<missing>");
}

}  // namespace
}  // namespace tavo
