#include "creator/logic/Presentations.h"

#include <filesystem>
#include <system_error>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/TextEncoding.h"
#include "creator/logic/CreatorSettings.h"
#include "format/ProfileFile.h"

namespace fs = std::filesystem;

namespace tavo::creator {

namespace {

ProfileFile loadProject(const Presentation& p) {
  ProfileFile file = ProfileFile::load(p.projectFile);
  if (file.unreadable()) throw SettingsFileError("Cannot read " + p.projectFile);
  return file;
}

void saveProject(const ProfileFile& file, const Presentation& p) {
  std::string error;
  if (!file.save(p.projectFile, &error))
    throw SettingsFileError("Cannot write " + p.projectFile + (error.empty() ? "" : ": " + error));
}

std::string fileText(const std::string& utf8) { return utf8ToFileText(utf8).bytes; }

std::vector<ProfileEntry> subscriberEntries(const Presentation& p) {
  std::vector<ProfileEntry> entries;
  for (std::size_t i = 0; i < p.contentProviders.size(); ++i)
    entries.push_back({"Subscriber" + std::to_string(i + 1), fileText(p.contentProviders[i])});
  return entries;
}

bool containsIgnoreCase(const std::vector<std::string>& list, std::string_view name) {
  const std::string folded = foldCaseUtf8(name);
  for (const std::string& n : list)
    if (foldCaseUtf8(n) == folded) return true;
  return false;
}

int indexIgnoreCase(const std::vector<std::string>& list, std::string_view name) {
  const std::string folded = foldCaseUtf8(name);
  for (std::size_t i = 0; i < list.size(); ++i)
    if (foldCaseUtf8(list[i]) == folded) return static_cast<int>(i);
  return -1;
}

// A real folder (not a link to one) directly inside the presentation, found
// without regard to case: its name as on disk, or empty.
std::string providerFolderOnDisk(const Presentation& p, const std::string& name) {
  if (!isPlainFolderName(name)) return {};
  const std::string path = resolveName(p.presentationFolder, name);
  std::error_code ec;
  if (!fs::is_directory(fs::symlink_status(path, ec))) return {};
  return lastPathName(path);
}

}  // namespace

std::string Presentation::currentProviderName() const {
  if (currentProvider < 0 || currentProvider >= static_cast<int>(contentProviders.size())) return {};
  return contentProviders[currentProvider];
}

void setCurrentPresentation(Presentation& p, const std::string& name) {
  p.presentationName = name;
  p.presentationFolder = p.projectsFolder() + name + "/";
  p.projectFile = p.presentationFolder + "Project.ini";
  if (name.empty()) return;
  std::error_code ec;
  fs::create_directories(p.presentationFolder, ec);
  ProfileFile file = loadProject(p);
  file.writeStrings("Project Info", {{"Presentation Name", fileText(name)},
                                     {"Project Folder", fileText(p.presentationFolder)}});
  saveProject(file, p);
}

std::string loadContentProviders(Presentation& p) {
  p.contentProviders.clear();
  const ProfileFile file = ProfileFile::load(p.projectFile);
  for (const ProfileEntry& entry : file.sectionEntries("Subscribers")) {
    // The value runs up to a further "=", if any.
    const std::string value = fileTextToUtf8(getField(entry.value, 1, '='));
    if (value.empty()) continue;
    const std::string onDisk = providerFolderOnDisk(p, value);
    if (onDisk.empty() || containsIgnoreCase(p.contentProviders, onDisk)) continue;
    p.contentProviders.push_back(onDisk);
  }
  std::string startWith = fileTextToUtf8(file.readString("Presentation Options", "StartWith", ""));
  if (startWith.empty() && !p.contentProviders.empty()) startWith = p.contentProviders.front();
  p.currentProvider = indexIgnoreCase(p.contentProviders, startWith);

  std::vector<std::string> folders;
  listSubfolders(p.presentationFolder, folders);
  for (const std::string& folder : folders) {
    if (folder.empty() || folder.front() == '.' || containsIgnoreCase(p.contentProviders, folder)) continue;
    p.contentProviders.push_back(folder);
  }
  return startWith;
}

void saveContentProviders(const Presentation& p) {
  ProfileFile file = loadProject(p);
  file.rewriteSection("Subscribers", subscriberEntries(p));
  file.writeString("Presentation Options", "StartWith", fileText(p.currentProviderName()));
  saveProject(file, p);
}

void writeStartWith(const Presentation& p, const std::string& providerName) {
  ProfileFile file = loadProject(p);
  file.writeString("Presentation Options", "StartWith", fileText(providerName));
  saveProject(file, p);
}

void refreshWebAddresses(const Presentation& p) {
  std::vector<ProfileEntry> addresses;
  for (const std::string& name : p.contentProviders) {
    const std::string settings = resolveName(p.presentationFolder + name + "/", "!Tavo.ini");
    const std::string location = readProfileString(settings, "Browser Options", "Ticker Location", "");
    if (!location.empty()) addresses.push_back({fileText(name), location});
  }
  ProfileFile file = loadProject(p);
  file.rewriteSection("Subscribers", subscriberEntries(p));
  if (!addresses.empty()) file.writeStrings("Web Addresses", addresses);
  saveProject(file, p);
}

void createPresentationFiles(Presentation& p, const std::string& name) {
  p.contentProviders.clear();
  p.currentProvider = -1;
  setCurrentPresentation(p, name);
  std::error_code ec;
  fs::create_directories(p.programFolder + "Custom/TavoContent/" + name, ec);
  ProfileFile file = loadProject(p);
  file.writeString("Subscribers", "Subscriber1", "");
  file.writeString("Presentation Options", "StartWith", "");
  file.writeString("Universal Options", "Sound", "On");
  saveProject(file, p);
}

bool isPlainFolderName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 32 || c == 127 || c == '/' || c == '\\') return false;
  return true;
}

std::string recentEntryName(const std::string& caption) { return undoubleChar(copyFrom(caption, 3), '&'); }

std::vector<RecentEntry> refreshRecentList(const std::vector<RecentEntry>& entries,
                                           const std::string& presentationName) {
  std::vector<std::string> names;
  if (!presentationName.empty()) names.push_back(presentationName);
  for (std::size_t i = 0; i < entries.size() && i < 5; ++i) {
    if (!entries[i].visible) continue;
    const std::string name = recentEntryName(entries[i].caption);
    if (!containsIgnoreCase(names, name)) names.push_back(name);
  }
  std::vector<RecentEntry> result(5);
  for (std::size_t i = 0; i < 5; ++i) {
    if (i < names.size() && !names[i].empty())
      result[i] = {std::to_string(i + 1) + " " + doubleChar(names[i], '&'), true};
  }
  return result;
}

}  // namespace tavo::creator
