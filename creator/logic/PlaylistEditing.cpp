#include "creator/logic/PlaylistEditing.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "common/NameRules.h"
#include "common/QxMisc.h"
#include "common/PresentationPath.h"
#include "format/Links.h"
#include "format/TextFile.h"

namespace tavo::creator {

std::vector<PlaylistGridRow> parsePlaylistGrid(const ProfileFile& file, bool mediaNotApplicable) {
  std::vector<PlaylistGridRow> rows;
  for (auto& line : file.sectionEntries(kSectionPlaylist)) {
    PlaylistGridRow row;
    row.entry = getField(line.value, 1, '|');
    row.playTime = mediaNotApplicable && isMediaFile(row.entry) ? std::string(kNotApplicable) : getField(line.value, 2, '|');
    row.options = file.value(kSectionPlaylistOptions, line.key);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<PlaylistGridRow> loadPlaylistGrid(const std::string& providerFolder, bool mediaNotApplicable) {
  return parsePlaylistGrid(ProfileFile::load(playlistFilePath(providerFolder)), mediaNotApplicable);
}

std::string playlistValueForEditor(const PlaylistGridRow& row) {
  const std::string time = trimBlanks(row.playTime);
  if (isMediaFile(row.entry) || toLowerAnsi(time) == "n/a") return row.entry;
  return row.entry + "|" + time;
}

std::string playlistValueForOptions(const PlaylistGridRow& row) {
  const std::string time = trimBlanks(row.playTime);
  return time.empty() ? row.entry : row.entry + "|" + time;
}

void applyPlaylistGrid(ProfileFile& file, const std::vector<PlaylistGridRow>& rows, PlaylistWriter writer) {
  std::vector<ProfileEntry> playlist, options;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const PlaylistGridRow& row = rows[r];
    if (trimBlanks(row.entry).empty()) continue;
    const std::string key = std::to_string(r + 1);
    playlist.push_back({key, writer == PlaylistWriter::PlaylistEditor ? playlistValueForEditor(row)
                                                                      : playlistValueForOptions(row)});
    if (row.options) options.push_back({key, *row.options});
  }
  // Both sections are rebuilt from the rows, so no option stays under a key
  // that now belongs to another item, or to none.
  file.eraseSection(kSectionPlaylist);
  if (!playlist.empty()) file.rewriteSection(kSectionPlaylist, playlist);
  file.eraseSection(kSectionPlaylistOptions);
  if (!options.empty()) file.rewriteSection(kSectionPlaylistOptions, options);
}

bool savePlaylistGrid(const std::string& providerFolder, const std::vector<PlaylistGridRow>& rows,
                      PlaylistWriter writer, std::string* error) {
  const std::string path = playlistFilePath(providerFolder);
  ProfileFile file = ProfileFile::load(path);
  applyPlaylistGrid(file, rows, writer);
  return file.save(path, error);
}

std::vector<std::string> filesOnlyThePlaylistNames(const std::string& providerFolder,
                                                   const std::vector<PlaylistGridRow>& rows) {
  namespace fs = std::filesystem;
  const std::string folder = withTrailingSeparator(providerFolder);
  std::vector<std::string> others;  // the other settings files, lower case
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    const std::string name = e.path().filename().string();
    if (!e.is_regular_file(ec) || toLowerAnsi(fileExtension(name)) != ".ini" || equalsIgnoreCase(name, kPlaylistFileName))
      continue;
    others.push_back(toLowerAnsi(readPresentationFile(e.path().string()).bytes));
  }
  std::vector<std::string> result;
  for (const PlaylistGridRow& row : rows) {
    const std::string entry = trimBlanks(row.entry);
    if (entry.empty() || entry == "." || entry == ".." || entry.find_first_of("/\\:") != std::string::npos) continue;
    if (equalsIgnoreCase(entry, kPlaylistFileName) || !fileExistsIn(folder, entry)) continue;
    const std::string lower = toLowerAnsi(entry);
    if (std::any_of(others.begin(), others.end(), [&](const std::string& t) { return t.find(lower) != std::string::npos; }))
      continue;
    const std::string onDisk = fs::path(resolveName(folder, entry)).filename().string();
    if (std::find(result.begin(), result.end(), onDisk) == result.end()) result.push_back(onDisk);
  }
  return result;
}

OptionCells optionCellsFrom(const std::optional<std::string>& value) {
  OptionCells cells;
  if (!value) return cells;
  const auto parsed = parsePlaylistOptionsForEditor(*value);
  if (!parsed) return cells;
  cells.player = parsed->tickerHidden ? kTickerInvisible : kTickerVisible;
  switch (parsed->mediaControls) {
    case MediaControls::On: cells.controls = kControlsOn; break;
    case MediaControls::Off: cells.controls = kControlsOff; break;
    case MediaControls::FastForwardRefused: cells.controls = kControlsFfDisabled; break;
  }
  // The name as stored: a lower-cased name would rename the link on the next
  // save, and names a missing file on a case-sensitive file system.
  cells.syncFile = getField(*value, 3, ',');
  return cells;
}

std::string optionsValueFrom(const OptionCells& cells) {
  PlaylistOptions o;
  o.tickerHidden = cells.player == kTickerInvisible;
  if (cells.controls == kControlsOff)
    o.mediaControls = MediaControls::Off;
  else if (cells.controls == kControlsFfDisabled)
    o.mediaControls = MediaControls::FastForwardRefused;
  o.syncFileName = cells.syncFile;
  return formatPlaylistOptions(o);
}

std::string presetSyncTime(int row) {
  const int seconds = (row - 1) * kSyncPresetStepSeconds;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
  return text;
}

std::vector<PlaylistTextItem> loadPlaylistTextItems(const std::string& providerFolder) {
  const ProfileFile file = ProfileFile::load(playlistFilePath(providerFolder));
  std::vector<PlaylistTextItem> items;
  for (auto& line : file.sectionEntries(kSectionPlaylist)) {
    PlaylistTextItem item;
    item.entry = getField(line.value, 1, '|');
    item.syncFile = getField(file.readString(kSectionPlaylistOptions, line.key, ""), 3, ',');
    item.key = std::move(line.key);
    items.push_back(std::move(item));
  }
  return items;
}

SyncNameAnswer checkSyncFileName(std::string_view answer) {
  // An existing file is not refused here: the editor asks again under
  // "File exists". The folder is not looked at.
  const NameCheck check = checkNewName(answer, "file", "");
  SyncNameAnswer result;
  if (!check.accepted() && check.verdict != NameVerdict::Exists) {
    result.message = check.message;
    return result;
  }
  result.name = check.name;
  if (fileExtension(result.name).empty()) result.name += ".txt";
  if (result.name.size() > kMaxNameBytes) {
    result.name.clear();
    result.message = "The file name is too long";
  }
  return result;
}

bool typedTickerTextAllowed(std::string_view text) { return text.find('|') == std::string_view::npos; }

bool isDialogPlayTime(std::string_view t) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return t.size() >= 5 && digit(t[0]) && digit(t[1]) && t[2] == ':' && t[3] >= '0' && t[3] <= '5' && digit(t[4]);
}

bool isTimeKeyChar(char c) { return (c >= '0' && c <= '9') || c == ':' || c == '\b'; }

}  // namespace tavo::creator
