#pragma once
// Ticker text files ("Ticker.txt", "Adstream.txt" and any ".txt" file a link
// names): one item per line, the text, "|", the hotlink. Field 1 is the text,
// field 2 the hotlink (missing when the line has no "|"); anything after a
// second "|" is dropped. Fields are not trimmed.
//
// Readers take bytes or a path; a missing or unreadable file has no lines.
// The file name of a path is matched on disk without regard to case.
// Each reader goes over the file once.

#include <string>
#include <string_view>
#include <vector>

#include "format/ReadMode.h"

namespace tavo {

inline constexpr const char* kIdleTickerFileName = "Ticker.txt";
inline constexpr const char* kStreamingAdFileName = "Adstream.txt";

struct TickerLine {
  std::string text;
  std::string hotlink;
  bool operator==(const TickerLine&) const = default;
};

// Player: the lines up to the last one that holds anything besides white
// space (blanks, tabs, line ends); an empty line between others is an item
// with empty text. Editor: every line, for consecutive grid rows, but the
// empty lines at the end of the file (rows the editor would not write back).
std::vector<TickerLine> parseTickerText(std::string_view bytes, ReadMode mode);
std::vector<TickerLine> readTickerText(const std::string& path, ReadMode mode);

// The editor's writer: rows in order, a row whose two cells are both empty is
// skipped, every other row becomes text + "|" + hotlink + CR LF. The file is
// replaced whole and atomically. Line ends inside a cell become blanks, and a
// "|" inside a text splits it when read again (there is no escape).
std::string formatTickerText(const std::vector<TickerLine>& rows);
bool writeTickerText(const std::string& path, const std::vector<TickerLine>& rows, std::string* error = nullptr);

}  // namespace tavo
