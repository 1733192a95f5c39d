#pragma once
// Every file of a settings store with its bytes: two snapshots compare equal
// only when nothing in the store changed.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/TempFolder.h"

namespace tavo::test {

inline std::map<std::string, std::string> storeFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files[e.path().string()] = readFile(e.path().string());
  return files;
}

}  // namespace tavo::test
