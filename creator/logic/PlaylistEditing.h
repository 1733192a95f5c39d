#pragma once
// The playlist editors' rules: the rows of the playlist grid and of the
// presentation-options grid against "Playlist.ini", the synchronized text
// file of an item (name proposal, the name answer, its lines) and the play
// time rules of the text editor.
//
// Both grids write [Playlist] under the row numbers, so a row that moved or
// whose predecessor was deleted gets a new key. Its [Playlist Options] value
// (ticker, media controls, synchronized text file) travels with it: the rows
// carry the value they were loaded with, and every save rewrites both
// sections together, dropping the options of rows that are gone.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/Playlist.h"

namespace tavo::creator {

// ---- playlist grid ------------------------------------------------------------

inline constexpr const char* kNotApplicable = "N/A";

struct PlaylistGridRow {
  std::string entry;
  std::string playTime;
  // The [Playlist Options] value the row was loaded with (or set by the
  // options editor); nothing for a row that has none.
  std::optional<std::string> options;
  bool operator==(const PlaylistGridRow&) const = default;
};

// [Playlist] lines in file order, whatever their keys; the entry is the value
// up to the first "|", the play time the next field, or "N/A" for media with
// a length of their own (`mediaNotApplicable`; the options grid shows the
// stored field). Each row carries its options value. A missing file gives no rows.
std::vector<PlaylistGridRow> loadPlaylistGrid(const std::string& providerFolder, bool mediaNotApplicable = true);
std::vector<PlaylistGridRow> parsePlaylistGrid(const ProfileFile& file, bool mediaNotApplicable = true);

// The value the playlist grid writes for a row: the entry alone for media with
// their own length or a time of "n/a" (any case), else entry + "|" + trimmed
// time (a lone "|" for an empty time).
std::string playlistValueForEditor(const PlaylistGridRow& row);
// The value the options grid writes: entry + "|" + trimmed time, or the entry
// alone when the time is empty.
std::string playlistValueForOptions(const PlaylistGridRow& row);

// Rewrites [Playlist] and [Playlist Options] from the rows: a row whose trimmed
// entry is empty is skipped (its number stays unused); every other row is
// written under its row number (from 1) with its options value, if it has
// one. Options of keys no row uses any more are dropped; other sections stay.
// One atomic write; false when the file cannot be written.
bool savePlaylistGrid(const std::string& providerFolder, const std::vector<PlaylistGridRow>& rows,
                      PlaylistWriter writer, std::string* error = nullptr);
// The same on a file in memory.
void applyPlaylistGrid(ProfileFile& file, const std::vector<PlaylistGridRow>& rows, PlaylistWriter writer);

// The files of the grid's rows that replacing the channel's playlist may
// delete: plain names (no folder part) of existing files in the provider
// folder that no other settings file of the channel (its ".ini" files other
// than "Playlist.ini": buttons, ticker, sponsor) names, compared without
// regard to case. Names as found on disk, each once.
std::vector<std::string> filesOnlyThePlaylistNames(const std::string& providerFolder,
                                                   const std::vector<PlaylistGridRow>& rows);

// ---- presentation options grid ------------------------------------------------

inline constexpr const char* kTickerVisible = "Visible";
inline constexpr const char* kTickerInvisible = "Invisible";
inline constexpr const char* kControlsOn = "ON";
inline constexpr const char* kControlsOff = "OFF";
inline constexpr const char* kControlsFfDisabled = "FF DISABLED";

struct OptionCells {
  std::string player;    // "Visible", "Invisible" or empty
  std::string controls;  // "ON", "OFF", "FF DISABLED" or empty
  std::string syncFile;
  bool operator==(const OptionCells&) const = default;
};
// The three cells from an options value, compared in lower case; the sync file
// name keeps its letter case as stored. Empty cells for a missing or empty value.
OptionCells optionCellsFrom(const std::optional<std::string>& value);
// The value written back: "Ticker Off," for "Invisible", else "Ticker On,";
// "Media Controls Off," / "Media Controls FF Disabled," / "Media Controls On,";
// then the sync file cell unchanged.
std::string optionsValueFrom(const OptionCells& cells);

// ---- synchronized text ----------------------------------------------------------

inline constexpr int kSyncPresetRows = 91;
inline constexpr int kSyncPresetStepSeconds = 4;
// "mm:ss" of (row - 1) x 4 seconds for a 1-based row.
std::string presetSyncTime(int row);

// An item of the text editor's list: its entry and its key in [Playlist].
struct PlaylistTextItem {
  std::string key;
  std::string entry;
  std::string syncFile;  // field 3 of its options value, empty when none
};
std::vector<PlaylistTextItem> loadPlaylistTextItems(const std::string& providerFolder);

// The answer to "Enter a file name": the new-name rules (blank, forbidden and
// control characters, "." and "..", length), ".txt" added when the name has no
// extension. Nothing, with the message, when refused.
struct SyncNameAnswer {
  std::string name;     // the file name to use
  std::string message;  // why it was refused; empty when accepted
  bool accepted() const { return message.empty(); }
};
SyncNameAnswer checkSyncFileName(std::string_view answer);

// Ticker text typed into a cell cannot hold "|": it would be read back as a
// banner or question line. Banner and question lines are made by their dialog.
bool typedTickerTextAllowed(std::string_view text);

// The link dialog's play time: two digits, ":", a digit 0 to 5, a digit
// (characters beyond the fifth are not looked at).
bool isDialogPlayTime(std::string_view text);
inline constexpr const char* kPlayTimeMessage = "Playtime must be of the form 00:00";

// The keys the time cells accept while typing: digits, ":" and Backspace.
bool isTimeKeyChar(char c);

}  // namespace tavo::creator
