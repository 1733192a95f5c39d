#include "player/logic/PresentationDiscovery.h"

#include <algorithm>
#include <filesystem>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/ProjectFile.h"

namespace fs = std::filesystem;

namespace tavo::player {

namespace {

bool holds(const std::vector<std::string>& list, const std::string& folder) {
  for (const auto& f : list)
    if (equalsIgnoreCase(f, folder)) return true;
  return false;
}

std::string absoluteFolder(const std::string& folder, const std::string& workingFolder) {
  fs::path p(folder);
  if (p.is_relative() && !workingFolder.empty()) p = fs::path(workingFolder) / p;
  return withTrailingSeparator(p.lexically_normal().string());
}

}  // namespace

std::string pathArgumentFolder(const std::string& argument) {
  if (!startsWithIgnoreCase(argument, "Path")) return {};
  // The whole text after the first "=": a folder name may hold "=" itself.
  const std::size_t equals = argument.find('=');
  if (equals == std::string::npos) return {};
  std::string folder = argument.substr(equals + 1);
  // Quotes are normally removed by the command-line splitting; a launcher that
  // passes them through still names the same folder.
  if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') folder = folder.substr(1, folder.size() - 2);
  return folder;
}

FoundPresentations findPresentations(const std::vector<std::string>& arguments, const std::string& programFolder,
                                     const std::string& workingFolder, const PlayerSettings& settings) {
  FoundPresentations found;

  for (const std::string& argument : arguments) {
    const std::string folder = pathArgumentFolder(argument);
    if (folder.empty()) continue;
    const std::string absolute = absoluteFolder(folder, workingFolder);
    if (isFolder(absolute)) found.folders.push_back(absolute);
  }

  if (found.folders.empty()) {
    std::vector<std::string> subfolders;
    listSubfolders(programFolder, subfolders);
    for (const std::string& sub : subfolders) {
      const std::string folder = withTrailingSeparator(withTrailingSeparator(programFolder) + sub);
      if (fileExistsIn(folder, project::kProjectFileName) && !holds(found.folders, folder))
        found.folders.push_back(folder);
    }
  }

  if (found.folders.empty()) {
    std::string active = settings.activeProject();
    const auto projects = settings.projects();
    if (active.empty() && !projects.empty()) active = projects.front().first;
    for (const auto& [name, value] : projects) {
      if (value.empty()) continue;
      const std::string folder = withTrailingSeparator(value);
      if (!holds(found.folders, folder)) found.folders.push_back(folder);
      if (name == active) found.activeIndex = static_cast<int>(found.folders.size()) - 1;
    }
  }
  return found;
}

Channels loadChannels(const std::vector<std::string>& presentationFolders, const PlayerSettings& settings) {
  Channels channels;
  for (const std::string& presentation : presentationFolders) {
    std::vector<std::string> subfolders;
    listSubfolders(presentation, subfolders);
    for (const std::string& sub : subfolders) {
      const std::string folder = withTrailingSeparator(withTrailingSeparator(presentation) + sub);
      if (fileExistsIn(folder, project::kProviderFileName)) channels.folders.push_back(folder);
    }
  }
  if (settings.sortSubscriber()) {
    std::stable_sort(channels.folders.begin(), channels.folders.end(), [](const std::string& a, const std::string& b) {
      return toLowerAnsi(a) < toLowerAnsi(b);
    });
  }
  const std::string active = settings.activeSubscriber();
  for (std::size_t i = 0; i < channels.folders.size(); ++i) {
    channels.names.push_back(getFieldFromEnd(channels.folders[i], 2, kPathSeparator));
    if (channels.names.back() == active) channels.current = static_cast<int>(i);
  }
  return channels;
}

}  // namespace tavo::player
