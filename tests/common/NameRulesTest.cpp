#include <gtest/gtest.h>

#include <string>

#include "common/NameRules.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

const std::string kCharMessage =
    "A slideshow name cannot contain any of the following characters:\n"
    "                  \\  /  :  *  ?  \"  <  >  |";

TEST(NameRules, CharacterLineHasEighteenBlanksThenTheNineCharacters) {
  EXPECT_EQ(forbiddenCharLine(), std::string(18, ' ') + "\\  /  :  *  ?  \"  <  >  |");
}

TEST(NameRules, ForbiddenCharactersIncludeControlCharacters) {
  struct Case {
    std::string text;
    bool forbidden;
  };
  const Case cases[] = {
      {"Beach Days", false}, {"a\\b", true}, {"a/b", true},       {"c:", true},        {"*", true},
      {"why?", true},        {"\"q\"", true}, {"<x>", true},      {"a|b", true},       {"tab\there", true},
      {"line\nend", true},   {"cr\r", true},  {std::string("nul\0x", 5), true},        {"del\x7f", true},
      {"caf\xc3\xa9", false}, {"a.b-c_d (1)", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(hasForbiddenNameChar(c.text), c.forbidden) << c.text;
}

TEST(NameRules, CaptionsAndPromptsCarryTheKind) {
  EXPECT_EQ(newNameCaption("content provider"), "New Content Provider");
  EXPECT_EQ(newNamePrompt("content provider"), "Enter a new content provider name");
  EXPECT_EQ(saveAsCaption("playlist"), "Save Playlist As");
  EXPECT_EQ(saveAsPrompt("Morning Mix"), "Save Morning Mix as");
}

class NameCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tmp.mkdir("Beach");
    tmp.mkdir("Morning Mix");
    tmp.write("notes.txt", "x");
  }
  test::TempFolder tmp;
};

TEST_F(NameCheckTest, NewNameVerdictsAndMessages) {
  struct Case {
    std::string entry;
    NameVerdict verdict;
    std::string name;
    std::string message;
  };
  const std::string tooLong(256, 'a');
  // 128 two-byte letters: 128 characters but 256 bytes.
  std::string tooLongUtf8;
  for (int i = 0; i < 128; ++i) tooLongUtf8 += "\xc3\xa9";
  const Case cases[] = {
      {"  Sunset Walk  ", NameVerdict::Accepted, "Sunset Walk", ""},
      {"", NameVerdict::Blank, "", "The slideshow name cannot be blank"},
      {"   \t ", NameVerdict::Blank, "", "The slideshow name cannot be blank"},
      {"a/b", NameVerdict::ForbiddenChar, "a/b", kCharMessage},
      {"What?", NameVerdict::ForbiddenChar, "What?", kCharMessage},
      {"two\tparts", NameVerdict::ForbiddenChar, "two\tparts", kCharMessage + "  or control characters"},
      {"x\ny", NameVerdict::ForbiddenChar, "x\ny", kCharMessage + "  or control characters"},
      {".", NameVerdict::DotName, ".", "A slideshow name cannot be \".\" or \"..\""},
      {" .. ", NameVerdict::DotName, "..", "A slideshow name cannot be \".\" or \"..\""},
      {"...", NameVerdict::Accepted, "...", ""},
      {std::string(255, 'a'), NameVerdict::Accepted, std::string(255, 'a'), ""},
      {tooLong, NameVerdict::TooLong, tooLong, ""},
      {tooLongUtf8, NameVerdict::TooLong, tooLongUtf8, ""},
      {"Beach", NameVerdict::Exists, "Beach", "A slideshow by that name already exists"},
      {"bEACH", NameVerdict::Exists, "bEACH", "A slideshow by that name already exists"},
      {"notes.txt", NameVerdict::Exists, "notes.txt", "A slideshow by that name already exists"},
  };
  for (const auto& c : cases) {
    const NameCheck r = checkNewName(c.entry, "slideshow", tmp.path());
    EXPECT_EQ(r.verdict, c.verdict) << c.entry;
    EXPECT_EQ(r.name, c.name) << c.entry;
    if (c.verdict == NameVerdict::TooLong)
      EXPECT_NE(r.message.find("too long"), std::string::npos) << r.message;
    else
      EXPECT_EQ(r.message, c.message) << c.entry;
  }
}

TEST_F(NameCheckTest, SaveAsComparesTheCurrentNameWithLetterCase) {
  struct Case {
    std::string entry;
    bool overwrite;
    NameVerdict verdict;
    std::string message;
  };
  const Case cases[] = {
      {"Morning Mix", false, NameVerdict::SameName, "You have entered the same playlist"},
      {"  Morning Mix ", true, NameVerdict::SameName, "You have entered the same playlist"},
      // Another letter case is not "the same"; the existing folder decides.
      {"morning mix", false, NameVerdict::Exists, "A playlist by that name already exists"},
      {"morning mix", true, NameVerdict::ExistsAskOverwrite,
       "A playlist by that name already exists.  Do you want to overwrite it?"},
      {"Beach", true, NameVerdict::ExistsAskOverwrite,
       "A playlist by that name already exists.  Do you want to overwrite it?"},
      {"Evening Mix", false, NameVerdict::Accepted, ""},
      {"", true, NameVerdict::Blank, "The playlist name cannot be blank"},
      {"..", true, NameVerdict::DotName, "A playlist name cannot be \".\" or \"..\""},
  };
  for (const auto& c : cases) {
    const NameCheck r = checkSaveAsName(c.entry, "playlist", "Morning Mix", tmp.path(), c.overwrite);
    EXPECT_EQ(r.verdict, c.verdict) << c.entry << " overwrite=" << c.overwrite;
    EXPECT_EQ(r.message, c.message) << c.entry;
  }
}

TEST_F(NameCheckTest, TwoTextsWithAndWithoutTargetFolder) {
  const std::string thumbChars =
      "A Thumbnail Name name cannot contain any of the following characters:\n" + forbiddenCharLine();
  struct Case {
    std::string first, second;
    bool withFolder;
    NameVerdict verdict;
    std::string message;
  };
  const Case cases[] = {
      {"Harbour", "", true, NameVerdict::Blank, "The Title Caption cannot be blank"},
      {"  ", "Caption", true, NameVerdict::Blank, "The Thumbnail Name cannot be blank"},
      {"Har?bour", "Caption", true, NameVerdict::ForbiddenChar, thumbChars},
      {"beach", "Caption", true, NameVerdict::Exists, "A Thumbnail Name by that name already exists"},
      {"..", "Caption", true, NameVerdict::DotName, "A Thumbnail Name name cannot be \".\" or \"..\""},
      {" Harbour ", " Boats ", true, NameVerdict::Accepted, ""},
      // Without a target folder (the search-engine dialog) blanks and any characters pass.
      {"", "", false, NameVerdict::Accepted, ""},
      {"Find?", "http://x/?q=", false, NameVerdict::Accepted, ""},
  };
  for (const auto& c : cases) {
    std::optional<std::string> folder;
    if (c.withFolder) folder = tmp.path();
    const TwoTextsCheck r = checkTwoTexts(c.first, c.second, "Thumbnail Name", "Title Caption", folder);
    EXPECT_EQ(r.verdict, c.verdict) << c.first << "/" << c.second;
    EXPECT_EQ(r.message, c.message) << c.first << "/" << c.second;
  }
  const TwoTextsCheck trimmed = checkTwoTexts(" Harbour ", " Boats ", "a", "b", tmp.path());
  EXPECT_EQ(trimmed.first, "Harbour");
  EXPECT_EQ(trimmed.second, "Boats");
}

}  // namespace
}  // namespace tavo
