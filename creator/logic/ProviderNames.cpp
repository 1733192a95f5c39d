#include "creator/logic/ProviderNames.h"

#include <algorithm>

#include "common/NameRules.h"
#include "common/PresentationPath.h"
#include "common/QxMisc.h"

namespace tavo::creator {

namespace {

std::string deleteQuestion(const std::string& name) { return "Delete content provider " + name + "?"; }
constexpr const char* kDeleteCaption = "Delete content provider?";

}  // namespace

ProviderEditResult applyProviderEdit(const std::string& presentationFolder, const std::string& oldName,
                                     const std::string& newName, const ProviderFolderOps& ops) {
  if (newName == oldName) return {ProviderEdit::Unchanged, oldName};
  const std::string typed = trimName(newName);
  if (typed.empty()) {
    // A cleared row (blanks count as cleared): the name goes, its folder only on Yes.
    if (oldName.empty()) return {ProviderEdit::Unchanged, std::string()};
    if (!ops.askYesNo(deleteQuestion(oldName), kDeleteCaption)) return {ProviderEdit::KeptFolder, std::string()};
    if (!ops.removeAll(presentationFolder + oldName)) {
      ops.showError("Could not delete content provider " + oldName);
      return {ProviderEdit::Failed, oldName};
    }
    return {ProviderEdit::Deleted, std::string()};
  }
  if (typed == oldName) return {ProviderEdit::Unchanged, oldName};  // only blanks were added

  NameCheck check = checkNewName(typed, "content provider", presentationFolder);
  // A change of letter case only names the row's own folder, which is no clash.
  if (check.verdict == NameVerdict::Exists && !oldName.empty() && equalsIgnoreCase(typed, oldName))
    check.verdict = NameVerdict::Accepted;
  if (!check.accepted()) {
    ops.showInfo(check.message);
    return {ProviderEdit::Refused, oldName};
  }
  if (oldName.empty()) {
    if (!isFolder(presentationFolder + check.name) && !ops.create(presentationFolder + check.name)) {
      ops.showError("Could not create content provider " + check.name);
      return {ProviderEdit::Failed, oldName};
    }
    return {ProviderEdit::Created, check.name};
  }
  if (!ops.rename(presentationFolder + oldName, presentationFolder + check.name)) {
    ops.showError("Could not rename " + oldName + " to " + check.name);
    return {ProviderEdit::Failed, oldName};
  }
  return {ProviderEdit::Renamed, check.name};
}

bool confirmProviderRowDeletion(const std::string& presentationFolder, const std::string& name,
                                const ProviderFolderOps& ops) {
  const std::string trimmed = trimName(name);
  if (trimmed.empty()) return true;
  if (!ops.askYesNo(deleteQuestion(trimmed), kDeleteCaption)) return false;
  if (isFolder(presentationFolder + trimmed) && !ops.removeAll(presentationFolder + trimmed)) {
    ops.showError("Could not delete content provider " + trimmed);
    return false;
  }
  return true;
}

std::vector<std::string> providersFromCells(const std::vector<std::string>& cells) {
  std::vector<std::string> names;
  for (const std::string& cell : cells) {
    std::string name = trimName(cell);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

int currentProviderByName(const std::vector<std::string>& providers, const std::string& startWith) {
  if (providers.empty()) return -1;
  const auto at = std::find(providers.begin(), providers.end(), startWith);
  return at == providers.end() ? 0 : static_cast<int>(at - providers.begin());
}

}  // namespace tavo::creator
