#include "creator/logic/PageRules.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/QxMisc.h"

namespace fs = std::filesystem;

namespace tavo::creator {

std::string rowNumberText(int row) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, row <= 9 ? "  %3d" : " %3d", row);
  return buffer;
}

std::string companionFolderOf(std::string_view source) {
  const std::size_t at = source.find(".htm");
  if (at == std::string_view::npos) return {};
  return std::string(source.substr(0, at)) + "_files";
}

bool isWebPage(std::string_view source) {
  const std::string lower = toLowerAnsi(source);
  const std::size_t dot = lower.rfind('.');
  const std::size_t slash = lower.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  const std::string ext = lower.substr(dot);
  return ext == ".htm" || ext == ".html";
}

bool copyHtmlFolder(const std::string& source, const std::string& folder,
                    const std::function<bool(const std::string&, const std::string&)>& copyFolder) {
  const std::string companion = companionFolderOf(source);
  std::error_code ec;
  if (companion.empty() || !fs::is_directory(companion, ec)) return false;
  return copyFolder(companion, withTrailingSeparator(folder) + lastPathName(companion));
}

bool importFile(const std::string& source, const std::string& folder, bool overwritePrompt,
                const std::function<bool()>& askOverwrite,
                const std::function<bool(const std::string&, const std::string&)>& copyFolder) {
  if (source.empty() && folder.empty()) return false;
  const std::string target = withTrailingSeparator(folder) + lastPathName(source);
  std::error_code ec;
  bool copied = false;
  if (fs::equivalent(source, target, ec)) {
    copied = true;  // already in place: copying onto itself would destroy it
  } else if (overwritePrompt && fs::exists(target, ec)) {
    if (askOverwrite && askOverwrite())
      copied = fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    else
      return false;
  } else {
    copied = fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
  }
  if (isWebPage(source)) copyHtmlFolder(source, folder, copyFolder);
  return copied && !ec;
}

std::string rememberedFolder(const std::string& file, const std::string& programFolder,
                             const std::string& initialDir) {
  // Compared in lower case; kept as written, since Linux folder names are case-sensitive.
  const std::string folder = withoutTrailingSeparator(folderOf(file));
  const std::string lower = toLowerAnsi(folder);
  const std::string slideshows = toLowerAnsi(programFolder + "Custom/Slideshow");
  const std::string thumbnails = toLowerAnsi(programFolder + "Custom/Thumbnail");
  if (lower.find(slideshows) != std::string::npos || lower.find(thumbnails) != std::string::npos) return initialDir;
  return folder;
}

std::vector<std::string> jpegFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() > 4 && toLowerAnsi(name.substr(name.size() - 4)) == ".jpg") names.push_back(name);
  }
  sortNamesAsListed(names);
  return names;
}

CellMove nextCell(int column, int row, int columnCount, int rowCount, int fixedColumns) {
  if (column < columnCount - 1) return {column + 1, row, false};
  if (row < rowCount - 1) return {fixedColumns, row + 1, false};
  return {fixedColumns, row, true};
}

LinkTargetDialog linkTargetDialog(int kind, const std::string& presentationFolder, const std::string& programFolder) {
  switch (kind) {
    case 1: return {"Select Content Provider", presentationFolder + "*.*", "Select a Content Provider"};
    case 2: return {"Select Slideshow", programFolder + "Custom/Slideshow/*.*", "Select a Slideshow"};
    case 3: return {"Select Thumbnails", programFolder + "Custom/Thumbnail/*.*", "Select Thumbnails"};
    default: return {};
  }
}

int linkKindOf(std::string_view caption) {
  if (caption == "Provider,") return 1;
  if (caption == "Slideshows,") return 2;
  if (caption == "Thumbnails") return 3;
  if (caption == "TavoSetup.exe") return 4;
  return 0;
}

std::string extensionOf(std::string_view caption) { return trimChar(caption, ','); }

DialogChoice extensionDialog(std::string_view caption, int tag, const std::string& programFolder,
                             const std::string& initialDir) {
  const std::string ext = extensionOf(caption);
  DialogChoice d;
  if (tag <= 0) {
    d.filter = "All files (*.*)|*.*";
    if (ext == "Slideshows") d.initialFolder = programFolder + "Custom/Slideshow";
    else if (ext == "Thumbnails") d.initialFolder = programFolder + "Custom/Thumbnail";
    else d.initialFolder = initialDir;
  } else {
    d.filter = ext + " files (*." + toLowerAnsi(ext) + ")|*." + ext + "|All files (*.*)|*.*";
    d.initialFolder = initialDir;
  }
  return d;
}

DialogChoice fileTypeDialog(int clickedTag, const std::vector<TypeLabel>& groups,
                            const std::vector<TypeLabel>& extensions) {
  DialogChoice d;
  d.filter = "All files (*.*)|*.*";
  for (int g = 1; g <= 6; ++g) {
    const TypeLabel* group = nullptr;
    for (const TypeLabel& label : groups)
      if (label.tag == g) { group = &label; break; }
    if (!group) continue;
    std::string descriptions, patterns;
    for (const TypeLabel& label : extensions) {
      if (label.tag != g) continue;
      const std::string ext = extensionOf(label.caption);
      if (!descriptions.empty()) { descriptions += ", "; patterns += ";"; }
      descriptions += "*." + toLowerAnsi(ext);
      patterns += "*." + ext;
    }
    if (descriptions.empty()) continue;
    d.filter += "|" + dropLastChar(copyFrom(group->caption, 5)) + " (" + descriptions + ")|" + patterns;
  }
  d.filterIndex = (clickedTag >= 1 && clickedTag <= 6) ? clickedTag + 1 : 0;
  return d;
}

}  // namespace tavo::creator
