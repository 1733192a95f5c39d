#include "player/logic/InstallPlan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo::player::setup {

namespace {

// The path with symbolic links of its existing part resolved and "." and ".." removed.
fs::path resolved(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::weakly_canonical(fs::path(path), ec);
  if (ec) p = fs::path(path).lexically_normal();
  // "a/b/" and "a/b" name the same folder.
  std::string text = withoutTrailingSeparator(p.string());
  return fs::path(text);
}

bool inside(const fs::path& inner, const fs::path& outer) {
  auto i = inner.begin();
  for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
    if (o->empty()) continue;  // a trailing separator
    if (i == inner.end() || *i != *o) return false;
  }
  return true;
}

// The folder and those of its parents that do not exist, deepest first.
std::vector<fs::path> missingFolders(const std::string& folder) {
  std::vector<fs::path> missing;
  std::error_code ec;
  for (fs::path p = fs::path(withoutTrailingSeparator(folder)); !p.empty() && !fs::exists(fs::symlink_status(p, ec));
       p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  return missing;
}

// Removes folders made for a failed installation, deepest first, when they are still empty.
void removeEmptyFolders(const std::vector<fs::path>& folders) {
  for (const fs::path& f : folders) {
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(f, ec)) && fs::is_empty(f, ec)) fs::remove(f, ec);
  }
}

InstallResult failed(InstallResult r, InstallResult::Outcome outcome, std::string message) {
  r.outcome = outcome;
  r.message = std::move(message);
  return r;
}

}  // namespace

std::string defaultInstallFolder(const std::string& xdgDataHome, const std::string& home) {
  const std::string base = !xdgDataHome.empty() && xdgDataHome.front() == '/'
                               ? xdgDataHome
                               : withTrailingSeparator(home) + ".local/share";
  return withTrailingSeparator(base) + "Tavo Player/";
}

std::string proposedInstallFolder(const std::string& installPath, const std::string& defaultFolder) {
  return installPath.empty() ? defaultFolder : withTrailingSeparator(installPath);
}

PresentationPlace presentationOf(const std::string& projectFile) {
  std::error_code ec;
  fs::path folder = fs::path(folderOf(projectFile));
  if (folder.empty()) folder = ".";
  folder = fs::absolute(folder, ec).lexically_normal();
  PresentationPlace p;
  p.folder = withoutTrailingSeparator(folder.string());
  p.name = lastPathName(p.folder);
  return p;
}

bool foldersOverlap(const std::string& a, const std::string& b) {
  const fs::path ra = resolved(a), rb = resolved(b);
  return inside(ra, rb) || inside(rb, ra);
}

std::string folderNotCreatedMessage(const std::string& folder) {
  return "The folder " + folder + " could not be created";
}

std::string progressTitle(const std::string& installFolder) { return "Installing presentation to " + installFolder; }

PathCheck checkInstallPath(std::string_view typed, const std::string& home, const PresentationPlace& presentation) {
  PathCheck c;
  std::string text = trimBlanks(typed);
  if (text.empty()) {
    c.verdict = PathCheck::Verdict::Empty;
    c.message = kEnterPathMessage;
    return c;
  }
  if ((text == "~" || text.rfind("~/", 0) == 0) && !home.empty() && home.front() == '/')
    text = withoutTrailingSeparator(home) + text.substr(1);
  if (text.front() != '/') {
    c.verdict = PathCheck::Verdict::NotAbsolute;
    c.message = "The installation path " + text +
                " is not a full path. Please enter a path that begins with \"/\" (or with \"~/\" for your home "
                "folder).";
    return c;
  }
  text = withTrailingSeparator(text);
  if (foldersOverlap(text + presentation.name, presentation.folder)) {
    c.verdict = PathCheck::Verdict::InsidePresentation;
    c.folder = text;
    c.message = "The presentation cannot be installed into " + text + presentation.name +
                " because it is in that place already (" + presentation.folder +
                "). Please choose another installation path.";
    return c;
  }
  c.verdict = PathCheck::Verdict::Accepted;
  c.folder = text;
  return c;
}

CopyUndo::CopyUndo(std::string destination) : destination_(withoutTrailingSeparator(destination)) {
  std::error_code ec;
  existed_ = fs::exists(fs::symlink_status(destination_, ec));
  if (!existed_ || !fs::is_directory(fs::symlink_status(destination_, ec))) return;
  for (fs::recursive_directory_iterator it(destination_, ec), end; !ec && it != end; it.increment(ec))
    before_.push_back(it->path().lexically_relative(destination_).string());
  std::sort(before_.begin(), before_.end());
}

void CopyUndo::undo() const {
  std::error_code ec;
  if (!existed_) {
    fs::remove_all(destination_, ec);
    return;
  }
  if (!fs::is_directory(fs::symlink_status(destination_, ec))) return;
  std::vector<fs::path> added;
  for (fs::recursive_directory_iterator it(destination_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string relative = it->path().lexically_relative(destination_).string();
    if (std::binary_search(before_.begin(), before_.end(), relative)) continue;
    added.push_back(it->path());
    it.disable_recursion_pending();  // a new folder goes whole
  }
  for (const fs::path& p : added) fs::remove_all(p, ec);
}

InstallResult install(const InstallRequest& request, InstallServices& services, const PlayerSettings& settings) {
  InstallResult r;
  const PresentationPlace presentation = presentationOf(request.projectFile);
  const PathCheck check = checkInstallPath(request.installFolder, request.home, presentation);
  if (check.verdict != PathCheck::Verdict::Accepted)
    return failed(r, InstallResult::Outcome::Refused, check.message);
  r.installFolder = check.folder;
  r.destination = r.installFolder + presentation.name;

  const std::vector<fs::path> created = missingFolders(r.installFolder);
  if (!services.createFolders(r.installFolder)) {
    removeEmptyFolders(created);
    return failed(r, InstallResult::Outcome::FolderNotCreated, folderNotCreatedMessage(r.installFolder));
  }

  const CopyUndo undoCopy(r.destination);
  auto notInstalled = [&](InstallResult result) {
    undoCopy.undo();
    removeEmptyFolders(created);
    return failed(std::move(result), InstallResult::Outcome::NotInstalled, kNotInstalledMessage);
  };
  if (services.copyFolderContents(presentation.folder, r.destination, progressTitle(r.installFolder)) !=
      InstallServices::CopyResult::Copied)
    return notInstalled(r);

  // The player beside the presentation; one already there (the installed
  // player itself, or the one of an earlier installation) is kept.
  if (!request.programFile.empty()) {
    r.program = r.installFolder + lastPathName(request.programFile);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(r.program, ec))) {
      const CopyUndo undoProgram(r.program);
      if (!services.copyFile(request.programFile, r.program)) {
        undoProgram.undo();
        return notInstalled(r);
      }
    }
  }

  settings.setInstallPath(r.installFolder);
  settings.setVersion(kVersionText);
  settings.setFirstInstall(request.installedAt);
  r.projectsValue = settings.addProject(r.destination);
  if (r.projectsValue.empty()) return notInstalled(r);  // the store cannot be written: nothing would find it
  r.outcome = InstallResult::Outcome::Installed;
  return r;
}

std::vector<Launcher> launchersFor(const std::string& presentationName, const std::string& installedProgram,
                                   bool desktop, bool startMenu) {
  const std::string link = "Tavo Player - " + presentationName + ".lnk";
  std::vector<Launcher> out;
  if (desktop) out.push_back({link, "Desktop", installedProgram, ""});
  out.push_back({link, kMenuPlace, installedProgram, ""});
  if (startMenu) out.push_back({link, "", installedProgram, ""});
  return out;
}

}  // namespace tavo::player::setup
