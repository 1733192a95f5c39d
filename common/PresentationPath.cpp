#include "common/PresentationPath.h"

#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"
#include "common/TextEncoding.h"

namespace fs = std::filesystem;

namespace tavo {

namespace {

bool entryExists(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of `folder` whose name equals `name` without regard to case, or empty.
std::string findIgnoringCase(const fs::path& folder, const std::string& name) {
  const std::string wanted = foldCaseUtf8(name);
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (foldCaseUtf8(entry) == wanted) return entry;
  }
  return {};
}

}  // namespace

std::string resolveName(const std::string& folder, std::string_view storedName) {
  const std::string name = fileTextToUtf8(storedName);
  fs::path current = folder.empty() ? fs::path(".") : fs::path(folder);
  bool searching = true;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t sep = name.find_first_of("/\\", start);
    if (sep == std::string::npos) sep = name.size();
    const std::string part = name.substr(start, sep - start);
    start = sep + 1;
    if (part.empty() || part == ".") continue;
    if (searching && part != ".." && !entryExists(current / part)) {
      const std::string match = findIgnoringCase(current, part);
      if (!match.empty()) {
        current /= match;
        continue;
      }
      searching = false;  // nothing below a missing part can exist
    }
    current /= part;
  }
  std::string result = current.string();
  if (folder.empty() && result.rfind("./", 0) == 0) result.erase(0, 2);
  if (!name.empty() && (name.back() == '/' || name.back() == '\\')) result = withTrailingSeparator(result);
  return result;
}

namespace {

bool isAbsoluteStoredName(std::string_view name) {
  if (name.empty()) return false;
  if (name.front() == '/' || name.front() == '\\') return true;
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// `path` itself or an entry below it, compared part by part after both were
// made canonical (symbolic links followed as far as they exist).
bool staysBelow(const fs::path& path, const fs::path& root) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(path, ec);
  if (ec) return false;
  const fs::path r = fs::weakly_canonical(root, ec);
  if (ec) return false;
  auto pi = p.begin();
  for (auto ri = r.begin(); ri != r.end(); ++ri, ++pi) {
    if (ri->empty()) continue;  // the empty last part of a root with a trailing separator
    if (pi == p.end() || *pi != *ri) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> resolveInside(const std::string& root, const std::string& folder,
                                         std::string_view storedName) {
  if (root.empty() || isAbsoluteStoredName(storedName)) return std::nullopt;
  if (!staysBelow(folder.empty() ? fs::path(".") : fs::path(folder), root)) return std::nullopt;
  std::string resolved = resolveName(folder, storedName);
  if (!staysBelow(resolved, root)) return std::nullopt;
  return resolved;
}

bool isFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool isFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool fileExistsIn(const std::string& folder, std::string_view storedName) {
  if (storedName.empty()) return false;
  return isFile(resolveName(folder, storedName));
}

bool folderExistsIn(const std::string& folder, std::string_view storedName) {
  return isFolder(resolveName(folder, storedName));
}

}  // namespace tavo
