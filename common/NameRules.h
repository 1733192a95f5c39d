#pragma once
// The rules for names the creator turns into folder names (presentations,
// content providers, library slideshows, thumbnail sets and playlists) and
// writes into INI files. Plain functions: a name, its kind and the target
// folder go in, a verdict with the message to show comes out. The prompts in
// common/widgets/NamePrompts.h ask the user and apply these rules.
//
//   NameCheck c = checkNewName("  Beach ", "slideshow", libraryFolder);
//   if (!c.accepted()) showInfo(c.message);   // else create libraryFolder + c.name
//
// Names are UTF-8 (the file system's encoding). The title form of a kind is
// capitalizeWords in common/QxMisc.h.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The characters a folder name cannot hold on Windows, in the order the
// refusal message lists them.
inline constexpr std::string_view kForbiddenNameChars = "\\/:*?\"<>|";
// The longest name the file systems accept, in bytes (of UTF-8).
inline constexpr std::size_t kMaxNameBytes = 255;

// True when the text holds one of kForbiddenNameChars or a control character
// (codes below 32, and 127): a tab or line end in a name would split the INI
// or set-file line it is written into.
bool hasForbiddenNameChar(std::string_view text);
// True when the text holds a control character (codes below 32, and 127).
bool hasControlChar(std::string_view text);
// Eighteen blanks, then the forbidden characters separated by two blanks each.
std::string forbiddenCharLine();
// The entry without the blanks and control characters (codes up to 32) at both ends.
std::string trimName(std::string_view entry);

enum class NameVerdict {
  Accepted,
  Blank,               // empty after trimming
  SameName,            // save-as: equal to the current name (letter case counted)
  ForbiddenChar,       // a forbidden or control character
  DotName,             // "." or "..": the target folder itself or its parent
  TooLong,             // more than kMaxNameBytes bytes
  Exists,              // the target folder already holds an entry by that name
  ExistsAskOverwrite,  // the same, where overwriting may be confirmed (message is the question)
};

struct NameCheck {
  NameVerdict verdict = NameVerdict::Accepted;
  std::string name;     // the trimmed entry
  std::string message;  // what to tell the user; empty when accepted
  bool accepted() const { return verdict == NameVerdict::Accepted; }
};

// "New " + title form of the kind, and "Enter a new " + kind + " name".
std::string newNameCaption(std::string_view kind);
std::string newNamePrompt(std::string_view kind);
// "Save " + title form of the kind + " As", and "Save " + current name + " as".
std::string saveAsCaption(std::string_view kind);
std::string saveAsPrompt(std::string_view currentName);

// A new name for a thing of `kind` inside `targetFolder`.
NameCheck checkNewName(std::string_view entry, std::string_view kind, const std::string& targetFolder);
// A new name for the thing now called `currentName`. With `overwriteAllowed`
// an existing entry gives ExistsAskOverwrite: a Yes to its question accepts the name.
NameCheck checkSaveAsName(std::string_view entry, std::string_view kind, std::string_view currentName,
                          const std::string& targetFolder, bool overwriteAllowed);

// The two-field dialog's OK: both texts trimmed; without a target folder
// anything is accepted; with one, the first text is a name checked against
// the folder and the second must not be blank. Labels are built into the messages.
struct TwoTextsCheck {
  NameVerdict verdict = NameVerdict::Accepted;
  std::string first, second;  // trimmed
  std::string message;
  bool accepted() const { return verdict == NameVerdict::Accepted; }
};
TwoTextsCheck checkTwoTexts(std::string_view first, std::string_view second, std::string_view label1,
                            std::string_view label2, const std::optional<std::string>& targetFolder);

}  // namespace tavo
