#pragma once
// "Playlist.ini" of a content provider and the synchronized text files of its
// items.
//
// [Playlist]: one key per item, the key being the creator's editor row
// number (so numbers can have gaps); the value is the item, or the item + "|"
// + its play time "mm:ss". Both programs take the key lines in file order; the
// item is field 1 of the value and the play time field 2. The value is the
// whole text after the first "=", so an item such as a web address with a
// query ("page?id=5") keeps its "=".
//
// [Playlist Options]: under the item's own key, "Ticker On"/"Ticker Off" +
// "," + "Media Controls On"/"Off"/"FF Disabled" + "," + synchronized text
// file name. Every reader looks an item's options up under the item's key, so
// a gap in [Playlist] never gives an item another item's options.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/ProfileFile.h"
#include "format/ReadMode.h"
#include "format/TimeText.h"

namespace tavo {

inline constexpr const char* kPlaylistFileName = "Playlist.ini";
inline constexpr const char* kSectionPlaylist = "Playlist";
inline constexpr const char* kSectionPlaylistOptions = "Playlist Options";

// The path of "Playlist.ini" in a content provider folder, as it is on disk.
std::string playlistFilePath(const std::string& providerFolder);
// A content provider without "Playlist.ini" has no playlist.
bool playlistExists(const std::string& providerFolder);

// Media with a length of their own: the extension, in lower case, is one of
// ".avi", ".mov", ".mpg", ".mpeg", ".wmv", ".mp3", ".ram", ".wav". They carry
// no play time.
bool isMediaFile(std::string_view item);

// ---- options ------------------------------------------------------------------
enum class MediaControls { On, Off, FastForwardRefused };

struct PlaylistOptions {
  bool tickerHidden = false;
  MediaControls mediaControls = MediaControls::On;
  std::string syncFileName;
  bool operator==(const PlaylistOptions&) const = default;
};

// The player's rule: split by ","; field 1 equal to "Ticker Off" (any case)
// hides the bar; field 2 "Media Controls Off" or "Media Controls FF Disabled"
// (any case), anything else is On; field 3 the sync file name.
PlaylistOptions parsePlaylistOptions(std::string_view value);
// The presentation-options editor's rule: the value in lower case, "ticker
// off" anywhere hides the bar; "media controls off" gives Off, else "media
// controls ff disabled" FastForwardRefused, else On; field 3 of the lower-case
// value is the sync file name. Nothing for an empty value (cells left empty).
std::optional<PlaylistOptions> parsePlaylistOptionsForEditor(std::string_view value);
// "Ticker On," or "Ticker Off," + "Media Controls On,", "Media Controls Off,"
// or "Media Controls FF Disabled," + the sync file name.
std::string formatPlaylistOptions(const PlaylistOptions& options);

// ---- reading --------------------------------------------------------------------
struct PlaylistItem {
  std::string key;       // its key in [Playlist]
  std::string item;      // the link: a file, "Slideshow " + set, a web address, ...
  std::string playTime;  // field 2 of the value, as stored
  // Player: the options under the item's key by the player's rule (defaults
  // when it has none). Editor: by the editor's rule, nothing when missing or empty.
  std::optional<PlaylistOptions> options;

  // Seconds of the play time; nothing when the item has none (missing, empty,
  // "00:00" or unusable).
  std::optional<int> playSeconds() const { return parsePlayTime(playTime); }
};

std::vector<PlaylistItem> parsePlaylist(const ProfileFile& file, ReadMode mode);
// Reads the file once; a missing file gives an empty list.
std::vector<PlaylistItem> readPlaylist(const std::string& providerFolder, ReadMode mode);
// The player's options for one item, by its key (defaults when missing).
PlaylistOptions readPlaylistOptions(const std::string& providerFolder, std::string_view itemKey);

// ---- writing (false when the file cannot be written) ----------------------------
struct PlaylistRow {
  std::string item;
  std::string playTime;
};
enum class PlaylistWriter {
  // The playlist editor: a media item, or one whose trimmed time is "n/a" in
  // any case, is written alone; any other as item + "|" + trimmed time (also
  // when the time is empty, giving a value that ends in "|").
  PlaylistEditor,
  // The presentation options: item + "|" + trimmed time when the time is not
  // empty, the item alone otherwise.
  PresentationOptions,
};
// Erases [Playlist] and writes one key per row whose trimmed item is not
// empty, the key being the row's number (from 1). Other sections stay.
bool writePlaylist(const std::string& providerFolder, const std::vector<PlaylistRow>& rows, PlaylistWriter writer);

struct PlaylistOptionsRow {
  std::string item;  // only rows whose trimmed item is not empty are written
  PlaylistOptions options;
};
// Writes [Playlist Options] under the row numbers (from 1), without erasing
// the section: keys of rows no longer present stay.
bool writePlaylistOptions(const std::string& providerFolder, const std::vector<PlaylistOptionsRow>& rows);

// Records an item's synchronized text file: field 3 of its options value; a
// missing or empty value becomes ",," + name, and a value with fewer than three
// fields is first given the missing commas.
bool setPlaylistSyncFile(const std::string& providerFolder, std::string_view itemKey, std::string_view fileName);

// ---- synchronized text files ----------------------------------------------------
// One line per timed entry: time "mm:ss" | text | extra | hotlink. A plain
// text line has an empty extra field; a banner line holds picture | link, a
// question line link | question in fields 2 and 3.

struct SyncLine {     // the player's form
  int seconds = 0;    // from the start of the item
  std::string text;   // field 2
  std::string remainder;  // everything after the second "|" (fields 3 and 4)
  bool operator==(const SyncLine&) const = default;
};
// The lines up to the last one holding anything besides white space; a line
// whose time is unusable is skipped.
std::vector<SyncLine> parseSyncLines(std::string_view bytes);
std::vector<SyncLine> readSyncLines(const std::string& path);

struct SyncRow {          // the editor's form
  std::string time;       // field 1 as stored
  std::string text;       // field 2, + "|" + field 3 when that is not empty
  std::string hotlink;    // field 4
  bool operator==(const SyncRow&) const = default;
};
// Every line, one row each, but the empty lines at the end of the file.
std::vector<SyncRow> parseSyncRows(std::string_view bytes);
std::vector<SyncRow> readSyncRows(const std::string& path);

// The editor's writer: one line per row whose text is not empty, in order:
// time + "|" + text + "||" + hotlink for a text without "|", time + "|" +
// text + "|" + hotlink for one with "|" (banner and question lines). The file
// is replaced atomically.
std::string formatSyncLines(const std::vector<SyncRow>& rows);
bool writeSyncLines(const std::string& path, const std::vector<SyncRow>& rows, std::string* error = nullptr);

// The proposed name of an item's new synchronized text file: the item's file
// name up to its first "." + ".txt"; while that exists in the folder, the
// name + "_" + n + ".txt" for n = 1, 2, ...
std::string defaultSyncFileName(const std::string& providerFolder, std::string_view item);

}  // namespace tavo
