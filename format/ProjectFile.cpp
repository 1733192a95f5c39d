#include "format/ProjectFile.h"

#include <filesystem>
#include <system_error>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/TextEncoding.h"
#include "format/ProfileFile.h"
#include "format/TextFile.h"

namespace fs = std::filesystem;

namespace tavo::project {

namespace {

// The project file on disk: its name is matched without regard to case, so
// that "project.ini" written elsewhere is read and updated, not doubled.
std::string onDisk(const std::string& projectFile) { return fileOnDisk(projectFile); }

ProfileFile loadProject(const std::string& projectFile) { return ProfileFile::load(onDisk(projectFile)); }

bool writeKey(const std::string& file, const char* section, std::string_view key, std::string_view value) {
  return writeProfileString(onDisk(file), section, key, value);
}

bool rewrite(const std::string& projectFile, const char* section, const std::vector<ProfileEntry>& entries) {
  const std::string path = onDisk(projectFile);
  ProfileFile file = ProfileFile::load(path);
  return file.rewriteSection(section, entries) && file.save(path);
}

bool sameName(std::string_view a, std::string_view b) {
  return foldCaseUtf8(fileTextToUtf8(a)) == foldCaseUtf8(fileTextToUtf8(b));
}

}  // namespace

std::string readPresentationName(const std::string& projectFile, std::string_view fallback) {
  return loadProject(projectFile).readString(kSectionProjectInfo, kKeyPresentationName, fallback);
}

std::string readProjectFolder(const std::string& projectFile) {
  return loadProject(projectFile).readString(kSectionProjectInfo, kKeyProjectFolder, "");
}

std::string readStartWith(const std::string& projectFile) {
  return loadProject(projectFile).readString(kSectionPresentationOptions, kKeyStartWith, "");
}

bool readRunPlaylist(const std::string& projectFile, bool fallback) {
  return loadProject(projectFile).readBool(kSectionPresentationOptions, kKeyRunPlaylist, fallback);
}

bool readShowReasonsList(const std::string& projectFile) {
  return loadProject(projectFile).readBool(kSectionPresentationOptions, kKeyShowReasonsList, false);
}

std::string readSound(const std::string& projectFile) {
  return loadProject(projectFile).readString(kSectionUniversalOptions, kKeySound, "");
}

std::vector<std::string> readDownloadItems(const std::string& projectFile) {
  std::vector<std::string> items;
  for (auto& e : loadProject(projectFile).sectionEntries(kSectionDownloadItems)) items.push_back(std::move(e.value));
  return items;
}

std::string readWebAddress(const std::string& projectFile, std::string_view providerName) {
  return loadProject(projectFile).readString(kSectionWebAddresses, providerName, "");
}

bool writePresentationName(const std::string& projectFile, std::string_view name) {
  return writeKey(projectFile, kSectionProjectInfo, kKeyPresentationName, name);
}

bool writeProjectFolder(const std::string& projectFile, std::string_view folder) {
  return writeKey(projectFile, kSectionProjectInfo, kKeyProjectFolder, folder);
}

bool writeStartWith(const std::string& projectFile, std::string_view provider) {
  return writeKey(projectFile, kSectionPresentationOptions, kKeyStartWith, provider);
}

bool writeRunPlaylist(const std::string& projectFile, bool on) {
  return writeKey(projectFile, kSectionPresentationOptions, kKeyRunPlaylist, on ? "1" : "0");
}

bool writeShowReasonsList(const std::string& projectFile, bool on) {
  return writeKey(projectFile, kSectionPresentationOptions, kKeyShowReasonsList, on ? "1" : "0");
}

bool writeSound(const std::string& projectFile, std::string_view value) {
  return writeKey(projectFile, kSectionUniversalOptions, kKeySound, value);
}

bool writeDownloadItems(const std::string& projectFile, const std::vector<std::string>& rows) {
  std::vector<ProfileEntry> entries;
  for (std::size_t r = 0; r < rows.size(); ++r)
    if (!rows[r].empty()) entries.push_back({std::to_string(r + 1), rows[r]});
  return rewrite(projectFile, kSectionDownloadItems, entries);
}

bool writeSubscriberList(const std::string& projectFile, const std::vector<std::string>& names) {
  std::vector<ProfileEntry> entries;
  for (std::size_t i = 0; i < names.size(); ++i)
    entries.push_back({std::string(kKeySubscriberPrefix) + std::to_string(i + 1), names[i]});
  return rewrite(projectFile, kSectionSubscribers, entries);
}

bool writeWebAddress(const std::string& projectFile, std::string_view providerName, std::string_view address) {
  return writeKey(projectFile, kSectionWebAddresses, providerName, address);
}

std::string presentationFolder(const std::string& creatorFolder, std::string_view name) {
  return withTrailingSeparator(withTrailingSeparator(creatorFolder) + "Projects/" + std::string(name));
}

std::string projectFilePath(const std::string& presentationFolder) {
  return withTrailingSeparator(presentationFolder) + kProjectFileName;
}

bool makePresentationCurrent(const std::string& creatorFolder, std::string_view name) {
  const std::string folder = presentationFolder(creatorFolder, name);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!isFolder(folder)) return false;
  const std::string path = onDisk(projectFilePath(folder));
  ProfileFile file = ProfileFile::load(path);
  return file.writeStrings(kSectionProjectInfo,
                           {{kKeyPresentationName, std::string(name)}, {kKeyProjectFolder, folder}}) &&
         file.save(path);
}

bool createPresentation(const std::string& creatorFolder, std::string_view name) {
  if (!makePresentationCurrent(creatorFolder, name)) return false;
  std::error_code ec;
  fs::create_directories(withTrailingSeparator(creatorFolder) + "Custom/TavoContent/" + std::string(name), ec);
  const std::string projectFile = onDisk(projectFilePath(presentationFolder(creatorFolder, name)));
  ProfileFile file = ProfileFile::load(projectFile);
  return file.writeString(kSectionSubscribers, std::string(kKeySubscriberPrefix) + "1", "") &&
         file.writeString(kSectionPresentationOptions, kKeyStartWith, "") &&
         file.writeString(kSectionUniversalOptions, kKeySound, "On") && file.save(projectFile);
}

std::vector<std::string> readContentProviderList(const std::string& presentationFolder) {
  const std::string folder = withTrailingSeparator(presentationFolder);
  std::vector<std::string> names;
  const ProfileFile file = loadProject(projectFilePath(folder));
  for (const ProfileEntry& entry : file.sectionEntries(kSectionSubscribers)) {
    // The whole value: a folder name may hold "=".
    const std::string& name = entry.value;
    // Only a plain folder name of the presentation: not ".", "..", nor a path.
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos ||
        !folderExistsIn(folder, name))
      continue;
    bool seen = false;
    for (const auto& n : names) seen = seen || sameName(n, name);
    if (!seen) names.push_back(name);
  }
  std::vector<std::string> subfolders;
  listSubfolders(folder, subfolders);
  for (const std::string& sub : subfolders) {
    if (sub.empty() || sub.front() == '.') continue;
    bool seen = false;
    for (const auto& n : names) seen = seen || sameName(n, sub);
    if (!seen) names.push_back(sub);
  }
  return names;
}

}  // namespace tavo::project
