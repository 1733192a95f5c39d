#pragma once
// A temporary folder for the format benchmarks, removed at exit, and the
// files they read.
#include <malloc.h>
#include <stdlib.h>

#include <climits>

#include <filesystem>
#include <string>

#include "common/FileText.h"

namespace tavo::bench {

// Freed memory stays in the process between iterations. Otherwise the
// allocator hands the large blocks of one iteration back to the system and
// the next iteration pays for mapping them again, which on a virtual machine
// costs more than the reading itself and hides how the readers scale.
[[maybe_unused]] inline const bool kKeepFreedMemory = [] {
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  mallopt(M_TOP_PAD, 256 << 20);
  return true;
}();

inline const std::string& benchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavo-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    static struct Remover {
      std::string path;
      ~Remover() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
      }
    } remover{pattern};
    return pattern + "/";
  }();
  return folder;
}

// Writes `bytes` as `name` in a sub-folder of the bench folder; returns the sub-folder.
inline std::string benchFile(const std::string& subfolder, const std::string& name, const std::string& bytes) {
  const std::string folder = benchFolder() + subfolder + "/";
  std::filesystem::create_directories(folder);
  if (!writeFileAtomic(folder + name, bytes)) std::abort();
  return folder;
}

}  // namespace tavo::bench
