#include "creator/logic/WorkArea.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo::creator {

std::string resolveWorkArea(const WorkAreaInputs& in) {
  if (!in.creatorHome.empty()) return withTrailingSeparator(in.creatorHome);
  const std::string program = withTrailingSeparator(in.programFolder);
  std::error_code ec;
  if (!program.empty() && fs::is_directory(program + "Projects", ec) && ::access(program.c_str(), W_OK) == 0)
    return program;
  std::string data = in.xdgDataHome;
  if (data.empty() || data.front() != '/') data = withTrailingSeparator(in.home) + ".local/share";
  return withTrailingSeparator(data) + "TavoCreator/";
}

std::vector<std::string> createWorkAreaFolders(const std::string& workArea) {
  std::vector<std::string> created;
  std::error_code rootEc;
  fs::create_directories(workArea, rootEc);
  for (std::string_view name : kWorkAreaFolders) {
    const std::string folder = workArea + std::string(name);
    std::error_code ec;
    if (fs::is_directory(folder, ec)) continue;
    if (fs::create_directory(folder, ec)) created.push_back(folder);
  }
  return created;
}

int provisionFiles(const std::string& source, const std::string& target) {
  std::error_code ec;
  if (!fs::is_directory(source, ec)) return 0;
  int copied = 0;
  fs::recursive_directory_iterator it(source, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const fs::path relative = fs::relative(it->path(), source, ec);
    if (ec) continue;
    const fs::path to = fs::path(target) / relative;
    std::error_code statEc;
    if (fs::exists(to, statEc) && fs::last_write_time(to, statEc) >= fs::last_write_time(it->path(), statEc))
      continue;
    fs::create_directories(to.parent_path(), statEc);
    // Written beside the target and renamed over it, so a failed copy leaves the old one.
    const fs::path part = to.string() + ".part";
    if (fs::copy_file(it->path(), part, fs::copy_options::overwrite_existing, statEc)) {
      fs::rename(part, to, statEc);
      if (!statEc) ++copied;
      else fs::remove(part, statEc);
    }
  }
  return copied;
}

}  // namespace tavo::creator
