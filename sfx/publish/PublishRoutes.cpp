#include "sfx/publish/PublishRoutes.h"

#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"
#include "format/ProfileFile.h"
#include "sfx/package/ArchiveWriter.h"

namespace fs = std::filesystem;

namespace tavo::sfx {

std::string publishTarget(const std::string& typed) {
  std::string target = trimBlanks(typed);
  if (target.size() > 1 && (target.back() == '\\' || target.back() == '/')) target.pop_back();
  return target;
}

namespace {

fs::path resolved(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
  if (ec) p = fs::absolute(path, ec).lexically_normal();
  // A trailing separator leaves an empty last part; drop it for comparing.
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return fs::path(s);
}

}  // namespace

bool targetInsidePresentation(const std::string& target, const std::string& presentationFolder) {
  const fs::path t = resolved(target);
  const fs::path p = resolved(presentationFolder);
  auto ti = t.begin();
  for (auto pi = p.begin(); pi != p.end(); ++pi, ++ti)
    if (ti == t.end() || *ti != *pi) return false;
  return true;
}

std::string targetInsidePresentationMessage(const std::string& target) {
  return "The folder " + target +
         " is inside the presentation folder, so the presentation would be copied into itself. Please choose a "
         "folder outside the presentation.";
}

bool writeAutoRun(const std::string& target, std::string* error) {
  const std::string file = withTrailingSeparator(target) + "AutoRun.inf";
  ProfileFile inf = ProfileFile::load(file);
  inf.writeStrings("autorun", {{"OPEN", kPlayerEntryName}, {"ICON", kPlayerEntryName}});
  return inf.save(file, error);
}

}  // namespace tavo::sfx
