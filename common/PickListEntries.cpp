#include "common/PickListEntries.h"

#include <filesystem>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo {

std::vector<std::string> pickListEntries(const std::string& pathPattern, PickListOptions options) {
  std::string folder = folderOf(pathPattern);
  std::string pattern = pathPattern.substr(folder.size());
  if (folder.empty()) folder = "./";
  if (pattern.empty() || pattern == "*.*") pattern = "*";
  std::vector<std::string> names;
  std::error_code ec;
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!wildcardMatch(pattern, name)) continue;
    std::error_code e;
    const fs::file_status link = it->symlink_status(e);
    if (e) continue;
    if (options.dirsOnly) {
      if (fs::is_directory(link) && name.front() != '.') names.push_back(name);
    } else if (fs::is_regular_file(link)) {
      std::string shown = options.showFileExt ? name : name.substr(0, name.find('.'));
      if (!shown.empty()) names.push_back(std::move(shown));
    }
  }
  sortNamesAsListed(names);
  return names;
}

}  // namespace tavo
