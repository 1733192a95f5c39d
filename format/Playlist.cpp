#include "format/Playlist.h"

#include "common/FileText.h"
#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/Links.h"
#include "format/TextFile.h"

namespace tavo {

namespace {

constexpr const char* kTickerOff = "Ticker Off";
constexpr const char* kMediaControlsOff = "Media Controls Off";
constexpr const char* kMediaControlsFfDisabled = "Media Controls FF Disabled";

template <typename Edit>
bool editPlaylist(const std::string& providerFolder, Edit&& edit) {
  const std::string path = playlistFilePath(providerFolder);
  ProfileFile file = ProfileFile::load(path);
  return edit(file) && file.save(path);
}

// The text after the second "|", or empty.
std::string afterSecondBar(std::string_view line) {
  const std::size_t first = line.find('|');
  if (first == std::string_view::npos) return {};
  const std::size_t second = line.find('|', first + 1);
  if (second == std::string_view::npos) return {};
  return std::string(line.substr(second + 1));
}

}  // namespace

std::string playlistFilePath(const std::string& providerFolder) {
  return resolveName(withTrailingSeparator(providerFolder), kPlaylistFileName);
}

bool playlistExists(const std::string& providerFolder) {
  return fileExistsIn(withTrailingSeparator(providerFolder), kPlaylistFileName);
}

bool isMediaFile(std::string_view item) {
  static const char* const kMedia[] = {".avi", ".mov", ".mpg", ".mpeg", ".wmv", ".mp3", ".ram", ".wav"};
  const std::string ext = toLowerAnsi(fileExtension(item));
  for (const char* m : kMedia)
    if (ext == m) return true;
  return false;
}

PlaylistOptions parsePlaylistOptions(std::string_view value) {
  PlaylistOptions o;
  o.tickerHidden = equalsIgnoreCase(getField(value, 1, ','), kTickerOff);
  const std::string controls = getField(value, 2, ',');
  if (equalsIgnoreCase(controls, kMediaControlsOff))
    o.mediaControls = MediaControls::Off;
  else if (equalsIgnoreCase(controls, kMediaControlsFfDisabled))
    o.mediaControls = MediaControls::FastForwardRefused;
  o.syncFileName = getField(value, 3, ',');
  return o;
}

std::optional<PlaylistOptions> parsePlaylistOptionsForEditor(std::string_view value) {
  if (value.empty()) return std::nullopt;
  const std::string lower = toLowerAnsi(value);
  PlaylistOptions o;
  o.tickerHidden = lower.find("ticker off") != std::string::npos;
  if (lower.find("media controls off") != std::string::npos)
    o.mediaControls = MediaControls::Off;
  else if (lower.find("media controls ff disabled") != std::string::npos)
    o.mediaControls = MediaControls::FastForwardRefused;
  o.syncFileName = getField(lower, 3, ',');
  return o;
}

std::string formatPlaylistOptions(const PlaylistOptions& o) {
  std::string value = o.tickerHidden ? "Ticker Off," : "Ticker On,";
  switch (o.mediaControls) {
    case MediaControls::On: value += "Media Controls On,"; break;
    case MediaControls::Off: value += "Media Controls Off,"; break;
    case MediaControls::FastForwardRefused: value += "Media Controls FF Disabled,"; break;
  }
  return value + o.syncFileName;
}

std::vector<PlaylistItem> parsePlaylist(const ProfileFile& file, ReadMode mode) {
  std::vector<PlaylistItem> items;
  for (auto& entry : file.sectionEntries(kSectionPlaylist)) {
    PlaylistItem item;
    item.item = getField(entry.value, 1, '|');
    item.playTime = getField(entry.value, 2, '|');
    const auto options = file.value(kSectionPlaylistOptions, entry.key);
    if (mode == ReadMode::Player)
      item.options = parsePlaylistOptions(options.value_or(std::string()));
    else if (options)
      item.options = parsePlaylistOptionsForEditor(*options);
    item.key = std::move(entry.key);
    items.push_back(std::move(item));
  }
  return items;
}

std::vector<PlaylistItem> readPlaylist(const std::string& providerFolder, ReadMode mode) {
  return parsePlaylist(ProfileFile::load(playlistFilePath(providerFolder)), mode);
}

PlaylistOptions readPlaylistOptions(const std::string& providerFolder, std::string_view itemKey) {
  const ProfileFile file = ProfileFile::load(playlistFilePath(providerFolder));
  return parsePlaylistOptions(file.readString(kSectionPlaylistOptions, itemKey, ""));
}

bool writePlaylist(const std::string& providerFolder, const std::vector<PlaylistRow>& rows, PlaylistWriter writer) {
  std::vector<ProfileEntry> entries;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const PlaylistRow& row = rows[r];
    if (trimBlanks(row.item).empty()) continue;
    const std::string time = trimBlanks(row.playTime);
    bool alone;
    if (writer == PlaylistWriter::PlaylistEditor)
      alone = isMediaFile(row.item) || toLowerAnsi(time) == "n/a";
    else
      alone = time.empty();
    entries.push_back({std::to_string(r + 1), alone ? row.item : row.item + "|" + time});
  }
  return editPlaylist(providerFolder, [&](ProfileFile& file) {
    if (entries.empty()) {
      file.eraseSection(kSectionPlaylist);
      return true;
    }
    return file.rewriteSection(kSectionPlaylist, entries);
  });
}

bool writePlaylistOptions(const std::string& providerFolder, const std::vector<PlaylistOptionsRow>& rows) {
  std::vector<ProfileEntry> entries;
  for (std::size_t r = 0; r < rows.size(); ++r)
    if (!trimBlanks(rows[r].item).empty())
      entries.push_back({std::to_string(r + 1), formatPlaylistOptions(rows[r].options)});
  return editPlaylist(providerFolder,
                      [&](ProfileFile& file) { return file.writeStrings(kSectionPlaylistOptions, entries); });
}

bool setPlaylistSyncFile(const std::string& providerFolder, std::string_view itemKey, std::string_view fileName) {
  return editPlaylist(providerFolder, [&](ProfileFile& file) {
    std::string value = file.readString(kSectionPlaylistOptions, itemKey, "");
    if (value.empty()) {
      value = ",," + std::string(fileName);
    } else {
      for (int fields = fieldCount(value, ','); fields < 3; ++fields) value += ',';
      value = setField(value, 3, ',', fileName);
    }
    return file.writeString(kSectionPlaylistOptions, itemKey, value);
  });
}

// ---- synchronized text files ----------------------------------------------------

std::vector<SyncLine> parseSyncLines(std::string_view bytes) {
  std::vector<SyncLine> lines;
  reserveLines(lines, bytes);
  forEachLineBeforeBlankEnd(bytes, [&](std::string_view line) {
    if (lines.size() >= kMaxLinesKept) return;
    const auto seconds = parseSyncTime(getField(line, 1, '|'));
    if (!seconds) return;
    lines.push_back({*seconds, getField(line, 2, '|'), afterSecondBar(line)});
  });
  return lines;
}

std::vector<SyncLine> readSyncLines(const std::string& path) { return parseSyncLines(readPresentationFile(fileOnDisk(path)).bytes); }

std::vector<SyncRow> parseSyncRows(std::string_view bytes) {
  std::vector<SyncRow> rows;
  reserveLines(rows, bytes);
  forEachLineBeforeEmptyEnd(bytes, [&](std::string_view line) {
    if (rows.size() >= kMaxLinesKept) return;
    SyncRow row;
    row.time = getField(line, 1, '|');
    row.text = getField(line, 2, '|');
    const std::string extra = getField(line, 3, '|');
    if (!extra.empty()) row.text += "|" + extra;
    row.hotlink = getField(line, 4, '|');
    rows.push_back(std::move(row));
  });
  return rows;
}

std::vector<SyncRow> readSyncRows(const std::string& path) { return parseSyncRows(readPresentationFile(fileOnDisk(path)).bytes); }

std::string formatSyncLines(const std::vector<SyncRow>& rows) {
  std::string out;
  for (const SyncRow& row : rows) {
    if (row.text.empty()) continue;
    const char* join = row.text.find('|') == std::string::npos ? "||" : "|";
    appendCrLfLine(out, row.time + "|" + row.text + join + row.hotlink);
  }
  return out;
}

bool writeSyncLines(const std::string& path, const std::vector<SyncRow>& rows, std::string* error) {
  return writeFileAtomic(fileOnDisk(path), formatSyncLines(rows), error);
}

std::string defaultSyncFileName(const std::string& providerFolder, std::string_view item) {
  const std::string folder = withTrailingSeparator(providerFolder);
  // From the item's last name only: "../../x.avi" and "http://host/a/clip"
  // give names in the provider folder, never paths.
  std::string base = baseName(lastPathName(item));
  if (base.empty() || base == "." || base == "..") base = "Sync";
  std::string candidate = base + ".txt";
  for (int n = 1; fileExistsIn(folder, candidate); ++n) candidate = base + "_" + std::to_string(n) + ".txt";
  return candidate;
}

}  // namespace tavo
