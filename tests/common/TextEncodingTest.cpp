#include <gtest/gtest.h>

#include "common/TextEncoding.h"

namespace tavo {
namespace {

TEST(TextEncoding, ReadsWindows1252UnlessTheTextIsValidUtf8) {
  struct Case {
    std::string bytes;
    std::string utf8;
  } cases[] = {
      {"plain text", "plain text"},
      {"Caf\xE9", "Caf\xC3\xA9"},                        // single byte e acute
      {"Caf\xC3\xA9", "Caf\xC3\xA9"},                    // already UTF-8
      {"\x80 5", "\xE2\x82\xAC 5"},                      // euro sign
      {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
      {"\x81", "\xC2\x81"},                              // no character in the code page: kept as a control code
      {std::string("a\0b", 3), std::string("a\0b", 3)},  // NUL passes through
  };
  for (const auto& c : cases) EXPECT_EQ(fileTextToUtf8(c.bytes), c.utf8) << c.bytes;
}

TEST(TextEncoding, WritesSingleByteWhenEveryCharacterHasACode) {
  const EncodedText e = utf8ToFileText("Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(e.bytes, "Caf\xE9 \x80");
  EXPECT_FALSE(e.storedAsUtf8);
}

TEST(TextEncoding, WritesUtf8AndSaysSoWhenACharacterHasNoSingleByteCode) {
  const std::string greek = "\xCE\xB1\xCE\xB2";  // alpha beta
  const EncodedText e = utf8ToFileText(greek);
  EXPECT_EQ(e.bytes, greek);
  EXPECT_TRUE(e.storedAsUtf8);
}

TEST(TextEncoding, EveryWrittenTextReadsBackAsTheSameCharacters) {
  // "Ã©" in single-byte form is C3 A9, which is also valid UTF-8 for "é": writing it
  // single-byte would turn it into another character on reading, so it is written as UTF-8.
  const std::string texts[] = {"\xC3\x83\xC2\xA9", "Caf\xC3\xA9", "\xE2\x84\xA2 trade", "\xCE\xB1", "ascii",
                               "\xC3\xA0 la carte \xE2\x80\x93 \xE2\x82\xAC"};
  for (const std::string& t : texts) {
    const EncodedText e = utf8ToFileText(t);
    EXPECT_EQ(fileTextToUtf8(e.bytes), t) << t;
  }
  EXPECT_TRUE(utf8ToFileText("\xC3\x83\xC2\xA9").storedAsUtf8);
}

TEST(TextEncoding, RejectsOverlongAndTruncatedSequences) {
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));       // overlong "/"
  EXPECT_FALSE(isValidUtf8("\xE2\x82"));       // truncated
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));   // surrogate
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(TextEncoding, FoldsLatinCaseForNameMatching) {
  EXPECT_EQ(foldCaseUtf8("TICKER.Txt"), "ticker.txt");
  EXPECT_EQ(foldCaseUtf8("CAF\xC3\x89"), "caf\xC3\xA9");
  EXPECT_EQ(foldCaseUtf8("\xC5\xA0"), "\xC5\xA1");  // S caron
  EXPECT_EQ(foldCaseUtf8("\xC5\xB8"), "\xC3\xBF");  // Y diaeresis
  EXPECT_EQ(foldCaseUtf8("\xC5\xB9"), "\xC5\xBA");  // Z acute
}

}  // namespace
}  // namespace tavo
