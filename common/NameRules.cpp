#include "common/NameRules.h"

#include "common/PresentationPath.h"
#include "common/QxMisc.h"

namespace tavo {

namespace {

bool isControl(unsigned char c) { return c < 32 || c == 127; }

std::string charMessage(std::string_view what, std::string_view name) {
  std::string m = "A " + std::string(what) + " name cannot contain any of the following characters:\n" +
                  forbiddenCharLine();
  // Only a name that really holds a control character gets the longer line.
  if (hasControlChar(name)) m += "  or control characters";
  return m;
}

// The checks shared by every prompt that names a folder, after the blank test.
// Returns Accepted when the name may be used.
NameCheck checkFolderName(std::string name, std::string_view what, const std::string& targetFolder,
                          bool existsIsQuestion) {
  NameCheck c;
  c.name = std::move(name);
  if (hasForbiddenNameChar(c.name)) {
    c.verdict = NameVerdict::ForbiddenChar;
    c.message = charMessage(what, c.name);
  } else if (c.name == "." || c.name == "..") {
    c.verdict = NameVerdict::DotName;
    c.message = "A " + std::string(what) + " name cannot be \".\" or \"..\"";
  } else if (c.name.size() > kMaxNameBytes) {
    c.verdict = NameVerdict::TooLong;
    c.message = "The " + std::string(what) + " name is too long: a name can hold at most " +
                std::to_string(kMaxNameBytes) + " bytes (letters outside plain ASCII take two or more)";
  } else if (folderExistsIn(targetFolder, c.name) || fileExistsIn(targetFolder, c.name)) {
    if (existsIsQuestion) {
      c.verdict = NameVerdict::ExistsAskOverwrite;
      c.message = "A " + std::string(what) + " by that name already exists.  Do you want to overwrite it?";
    } else {
      c.verdict = NameVerdict::Exists;
      c.message = "A " + std::string(what) + " by that name already exists";
    }
  }
  return c;
}

NameCheck blank(std::string_view what) {
  NameCheck c;
  c.verdict = NameVerdict::Blank;
  c.message = "The " + std::string(what) + " name cannot be blank";
  return c;
}

}  // namespace

bool hasControlChar(std::string_view text) {
  for (char ch : text)
    if (isControl(static_cast<unsigned char>(ch))) return true;
  return false;
}

bool hasForbiddenNameChar(std::string_view text) {
  for (char ch : text)
    if (kForbiddenNameChars.find(ch) != std::string_view::npos || isControl(static_cast<unsigned char>(ch)))
      return true;
  return false;
}

std::string forbiddenCharLine() {
  std::string line(18, ' ');
  for (std::size_t i = 0; i < kForbiddenNameChars.size(); ++i) {
    if (i) line += "  ";
    line += kForbiddenNameChars[i];
  }
  return line;
}

std::string trimName(std::string_view entry) {
  std::size_t b = 0, e = entry.size();
  while (b < e && static_cast<unsigned char>(entry[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(entry[e - 1]) <= 32) --e;
  return std::string(entry.substr(b, e - b));
}

std::string newNameCaption(std::string_view kind) { return "New " + capitalizeWords(kind); }
std::string newNamePrompt(std::string_view kind) { return "Enter a new " + std::string(kind) + " name"; }
std::string saveAsCaption(std::string_view kind) { return "Save " + capitalizeWords(kind) + " As"; }
std::string saveAsPrompt(std::string_view currentName) { return "Save " + std::string(currentName) + " as"; }

NameCheck checkNewName(std::string_view entry, std::string_view kind, const std::string& targetFolder) {
  std::string name = trimName(entry);
  if (name.empty()) return blank(kind);
  return checkFolderName(std::move(name), kind, targetFolder, false);
}

NameCheck checkSaveAsName(std::string_view entry, std::string_view kind, std::string_view currentName,
                          const std::string& targetFolder, bool overwriteAllowed) {
  std::string name = trimName(entry);
  if (name.empty()) return blank(kind);
  if (name == currentName) {
    NameCheck c;
    c.verdict = NameVerdict::SameName;
    c.name = std::move(name);
    c.message = "You have entered the same " + std::string(kind);
    return c;
  }
  return checkFolderName(std::move(name), kind, targetFolder, overwriteAllowed);
}

TwoTextsCheck checkTwoTexts(std::string_view first, std::string_view second, std::string_view label1,
                            std::string_view label2, const std::optional<std::string>& targetFolder) {
  TwoTextsCheck t;
  t.first = trimName(first);
  t.second = trimName(second);
  if (!targetFolder) return t;
  if (t.first.empty()) {
    t.verdict = NameVerdict::Blank;
    t.message = "The " + std::string(label1) + " cannot be blank";
  } else if (t.second.empty()) {
    t.verdict = NameVerdict::Blank;
    t.message = "The " + std::string(label2) + " cannot be blank";
  } else {
    NameCheck c = checkFolderName(t.first, label1, *targetFolder, false);
    t.verdict = c.verdict;
    t.message = std::move(c.message);
  }
  return t;
}

}  // namespace tavo
