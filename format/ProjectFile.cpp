#include "format/ProjectFile.h"

#include <filesystem>
#include <system_error>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/TextEncoding.h"
#include "format/ProfileFile.h"

namespace fs = std::filesystem;

namespace tavo::project {

namespace {

bool writeKey(const std::string& file, const char* section, const char* key, std::string_view value) {
  return writeProfileString(file, section, key, value);
}

bool sameName(std::string_view a, std::string_view b) {
  return foldCaseUtf8(fileTextToUtf8(a)) == foldCaseUtf8(fileTextToUtf8(b));
}

}  // namespace

std::string readPresentationName(const std::string& projectFile, std::string_view fallback) {
  return readProfileString(projectFile, kSectionProjectInfo, kKeyPresentationName, fallback);
}

std::string readProjectFolder(const std::string& projectFile) {
  return readProfileString(projectFile, kSectionProjectInfo, kKeyProjectFolder, "");
}

std::string readStartWith(const std::string& projectFile) {
  return readProfileString(projectFile, kSectionPresentationOptions, kKeyStartWith, "");
}

bool readRunPlaylist(const std::string& projectFile, bool fallback) {
  return ProfileFile::load(projectFile).readBool(kSectionPresentationOptions, kKeyRunPlaylist, fallback);
}

bool readShowReasonsList(const std::string& projectFile) {
  return ProfileFile::load(projectFile).readBool(kSectionPresentationOptions, kKeyShowReasonsList, false);
}

std::string readSound(const std::string& projectFile) {
  return readProfileString(projectFile, kSectionUniversalOptions, kKeySound, "");
}

std::vector<std::string> readDownloadItems(const std::string& projectFile) {
  std::vector<std::string> items;
  for (auto& e : ProfileFile::load(projectFile).sectionEntries(kSectionDownloadItems))
    items.push_back(std::move(e.value));
  return items;
}

std::string readWebAddress(const std::string& projectFile, std::string_view providerName) {
  return readProfileString(projectFile, kSectionWebAddresses, providerName, "");
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
  ProfileFile file = ProfileFile::load(projectFile);
  return file.rewriteSection(kSectionDownloadItems, entries) && file.save(projectFile);
}

bool writeSubscriberList(const std::string& projectFile, const std::vector<std::string>& names) {
  std::vector<ProfileEntry> entries;
  for (std::size_t i = 0; i < names.size(); ++i)
    entries.push_back({std::string(kKeySubscriberPrefix) + std::to_string(i + 1), names[i]});
  ProfileFile file = ProfileFile::load(projectFile);
  return file.rewriteSection(kSectionSubscribers, entries) && file.save(projectFile);
}

bool writeWebAddress(const std::string& projectFile, std::string_view providerName, std::string_view address) {
  return writeProfileString(projectFile, kSectionWebAddresses, providerName, address);
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
  ProfileFile file = ProfileFile::load(projectFilePath(folder));
  return file.writeString(kSectionProjectInfo, kKeyPresentationName, name) &&
         file.writeString(kSectionProjectInfo, kKeyProjectFolder, folder) && file.save(projectFilePath(folder));
}

bool createPresentation(const std::string& creatorFolder, std::string_view name) {
  if (!makePresentationCurrent(creatorFolder, name)) return false;
  std::error_code ec;
  fs::create_directories(withTrailingSeparator(creatorFolder) + "Custom/TavoContent/" + std::string(name), ec);
  const std::string projectFile = projectFilePath(presentationFolder(creatorFolder, name));
  ProfileFile file = ProfileFile::load(projectFile);
  return file.writeString(kSectionSubscribers, std::string(kKeySubscriberPrefix) + "1", "") &&
         file.writeString(kSectionPresentationOptions, kKeyStartWith, "") &&
         file.writeString(kSectionUniversalOptions, kKeySound, "On") && file.save(projectFile);
}

std::vector<std::string> readContentProviderList(const std::string& presentationFolder) {
  const std::string folder = withTrailingSeparator(presentationFolder);
  std::vector<std::string> names;
  const ProfileFile file = ProfileFile::load(projectFilePath(folder));
  for (const std::string& line : file.sectionLines(kSectionSubscribers)) {
    const std::string name = getField(line, 2, '=');
    if (name.empty() || !folderExistsIn(folder, name)) continue;
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
