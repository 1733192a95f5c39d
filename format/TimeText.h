#pragma once
// The "mm:ss" texts of the presentation files: cycle intervals, the
// streaming-ad interval, play times and the times of synchronized lines.
//
// A usable text has exactly five characters: two for the minutes, ":", two
// for the seconds. Each pair is two decimal digits or a blank followed by a
// digit (the creator's time field shows an optional first digit as a blank,
// so " 5:30" occurs). Anything else (empty, the blank mask "  :  ", "1:5",
// letters, signs, extra characters) is unusable, and each kind of value has
// one rule for that case, given below.

#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// Seconds of a usable "mm:ss" text (minutes x 60 + seconds), or nothing.
std::optional<int> parseMinutesSeconds(std::string_view text);

inline constexpr int kDefaultCycleIntervalMs = 15000;

// Cycle interval of a slideshow or thumbnail set, and the streaming-ad
// interval, in milliseconds. An unusable text, and "00:00" (a timer needs
// some interval), give the 15-second default.
int parseCycleInterval(std::string_view text);

// Play time of a playlist item in seconds. Nothing ("no play time") for a
// missing, empty or unusable text and for "00:00".
std::optional<int> parsePlayTime(std::string_view text);

// Time of a synchronized line in seconds from the start of the item; nothing
// for an unusable text, and the line is then skipped.
std::optional<int> parseSyncTime(std::string_view text);

// "mm:ss" with two-digit minutes and seconds (more digits past 99 minutes).
std::string formatMinutesSeconds(int seconds);

// The time a new row r (from 1) of the synchronized-text editor starts with:
// (r - 1) x 4 seconds ("00:00", "00:04", ..., "00:56", "01:00").
std::string presetSyncTime(int row);

// True for a time field left blank: only blanks and ":" ("  :  ").
bool isBlankTimeText(std::string_view text);

}  // namespace tavo
