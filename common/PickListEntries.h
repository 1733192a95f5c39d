#pragma once
// What a file pick list offers for a path pattern such as folder + "/*.txt":
//
//   auto names = pickListEntries(folder + "/*.*", {.dirsOnly = false, .showFileExt = false});
//
// Folders only: real folders (not links) whose names do not begin with ".".
// Files: regular files, with their whole name or the name up to its first "."
// (a name that would become empty is left out). The pattern matches without
// regard to case, and "*.*" matches every name as it does on Windows. The
// result is in directory listing order (sortNamesAsListed). A missing or
// unreadable folder gives nothing.

#include <string>
#include <vector>

namespace tavo {

struct PickListOptions {
  bool dirsOnly = false;
  bool showFileExt = false;
};

std::vector<std::string> pickListEntries(const std::string& pathPattern, PickListOptions options);

}  // namespace tavo
