#include "creator/logic/SetLibrary.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "common/FileText.h"
#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/TextEncoding.h"

namespace tavo::creator {

namespace fs = std::filesystem;

namespace {

std::string toUtf8(const std::string& bytes) { return fileTextToUtf8(bytes); }
std::string toFile(const std::string& utf8) { return utf8ToFileText(utf8).bytes; }

SetImage rowToUtf8(const SetImage& row) {
  return {toUtf8(row.file), toUtf8(row.caption), toUtf8(row.syncText), toUtf8(row.hotlink), toUtf8(row.link)};
}
SetImage rowToFile(const SetImage& row) {
  return {toFile(row.file), toFile(row.caption), toFile(row.syncText), toFile(row.hotlink), toFile(row.link)};
}

std::string baseName(const std::string& path) {
  const std::size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Relative path in lower case -> file path, for every regular file below `root`.
std::map<std::string, fs::path> filesBelow(const fs::path& root) {
  std::map<std::string, fs::path> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, fs::directory_options::none, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_symlink(ec) || !it->is_regular_file(ec)) continue;
    files.emplace(foldCaseUtf8(fs::relative(it->path(), root, ec).generic_string()), it->path());
  }
  return files;
}

}  // namespace

std::string libraryFolder(const std::string& programFolder, SetKind kind) {
  return programFolder + (kind == SetKind::Slideshow ? "Custom/Slideshow/" : "Custom/Thumbnail/");
}

std::vector<std::string> setsIn(const std::string& library) { return listVisibleSubfoldersSorted(library); }

EditorSet loadEditorSet(const std::string& setFolder, SetKind kind) {
  EditorSet set;
  if (kind == SetKind::Slideshow) {
    const SlideshowSet s = readSlideshowSet(setFolder, ReadMode::Editor);
    set.cycleInterval = toUtf8(s.cycleInterval);
    set.audioFile = toUtf8(s.audioFile);
    for (const SetImage& image : s.images) set.rows.push_back(rowToUtf8(image));
  } else {
    const ThumbnailSet s = readThumbnailSet(setFolder, ReadMode::Editor);
    set.cycleInterval = toUtf8(s.cycleInterval);
    set.audioFile = toUtf8(s.audioFile);
    set.titleCaption = toUtf8(s.titleCaption);
    for (const SetImage& image : s.images) set.rows.push_back(rowToUtf8(image));
  }
  return set;
}

bool saveEditorSet(const std::string& setFolder, SetKind kind, const EditorSet& set) {
  std::vector<SetImage> rows;
  rows.reserve(set.rows.size());
  for (const SetImage& row : set.rows) rows.push_back(rowToFile(row));
  if (kind == SetKind::Slideshow)
    return writeSlideshowSet(setFolder, rows, toFile(set.cycleInterval), toFile(set.audioFile));
  return writeThumbnailSet(setFolder, rows, toFile(set.titleCaption), toFile(set.cycleInterval),
                           toFile(set.audioFile));
}

CopyOutcome copyIntoSet(const CopyAttempt& attempt, const std::function<bool()>& askOverwrite,
                        const std::function<bool(const std::string&, const std::string&, bool,
                                                 const std::function<bool()>&)>& copy) {
  if (attempt.source.empty() || attempt.folder.empty()) return CopyOutcome::Failed;
  bool declined = false;
  const auto ask = [&] {
    const bool yes = askOverwrite();
    declined = !yes;
    return yes;
  };
  const bool copied = copy(attempt.source, attempt.folder, attempt.overwritePrompt, ask);
  if (copied) return CopyOutcome::Copied;
  const std::string target = withTrailingSeparator(attempt.folder) + baseName(attempt.source);
  if (declined && isFile(target)) return CopyOutcome::KeptExisting;
  return CopyOutcome::Failed;
}

std::string cellTextAfter(CopyOutcome outcome, const std::string& source) {
  return outcome == CopyOutcome::Failed ? std::string() : baseName(source);
}

std::string copyFailedMessage(const std::string& source) {
  return "Could not copy " + source + " into the set folder.";
}

std::string linkText(int kind, const std::string& name) {
  switch (kind) {
    case 1:
      return "Subscriber " + name;
    case 2:
      return "Slideshow " + name;
    case 3:
      return "Thumbnail " + name;
    case 4:
      return "TavoSetup";
    default:
      return {};
  }
}

bool setFoldersDiffer(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool hasA = fs::is_directory(fs::path(a), ec);
  const bool hasB = fs::is_directory(fs::path(b), ec);
  if (hasA != hasB) return true;
  if (!hasA) return false;
  const auto filesA = filesBelow(a);
  const auto filesB = filesBelow(b);
  if (filesA.size() != filesB.size()) return true;
  for (const auto& [name, pathA] : filesA) {
    const auto found = filesB.find(name);
    if (found == filesB.end()) return true;
    if (fs::file_size(pathA, ec) != fs::file_size(found->second, ec)) return true;
    if (readFileBytes(pathA.string()) != readFileBytes(found->second.string())) return true;
  }
  return false;
}

}  // namespace tavo::creator
