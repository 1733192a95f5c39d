#pragma once
// The content-provider grid of Step 1 carried out on the folders: a name typed
// into an empty row creates its folder, a changed name renames it, a cleared
// name deletes it (after a question). Typed names pass the new-name rules of
// common/NameRules.h first, so a name never leaves the presentation folder or
// nests folders; a refused name puts the old one back and touches nothing.
//
// The folder operations and the questions come in as callbacks, so the rules
// are table-tested without windows.

#include <functional>
#include <string>
#include <vector>

namespace tavo::creator {

struct ProviderFolderOps {
  std::function<bool(const std::string& from, const std::string& to)> rename;
  std::function<bool(const std::string& folder)> removeAll;  // the folder with all its contents
  std::function<bool(const std::string& folder)> create;     // with parents
  std::function<bool(const std::string& question, const std::string& caption)> askYesNo;
  std::function<void(const std::string& message)> showError;
  std::function<void(const std::string& message)> showInfo;  // refusals of the name rules
};

enum class ProviderEdit {
  Unchanged,     // nothing was typed
  Created,
  Renamed,
  Deleted,
  KeptFolder,    // cleared, delete answered No: the folder stays, the row is empty
  Refused,       // the name rules refused the typed name: the old name is back
  Failed,        // the folder operation failed (reported): the old name is back
};

struct ProviderEditResult {
  ProviderEdit outcome = ProviderEdit::Unchanged;
  std::string cellText;  // what the row shows afterwards
};

// `presentationFolder` ends with a separator. `oldName` is what the row held
// when it was entered, `newName` what it holds now.
ProviderEditResult applyProviderEdit(const std::string& presentationFolder, const std::string& oldName,
                                     const std::string& newName, const ProviderFolderOps& ops);

// The row deletion's question and, on Yes, the folder's removal. False keeps the row.
bool confirmProviderRowDeletion(const std::string& presentationFolder, const std::string& name,
                                const ProviderFolderOps& ops);

// The provider list the page leaves behind: the cells in row order, trimmed, empty ones skipped.
std::vector<std::string> providersFromCells(const std::vector<std::string>& cells);

// The current provider after the page closes, kept by name: the position of
// `startWith` in `providers`, else the first provider, else -1.
int currentProviderByName(const std::vector<std::string>& providers, const std::string& startWith);

}  // namespace tavo::creator
